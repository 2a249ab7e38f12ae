#pragma once

#include <memory>

class WordRows;

// One table.
class WordTable
{
public:
    virtual ~WordTable() = default;

    virtual std::unique_ptr<WordRows> rows() = 0;
    // 2: fitted to the window.
    virtual void autoFitBehavior(int behavior) = 0;
    virtual void select() = 0;
};
