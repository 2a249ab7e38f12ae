#pragma once

#include <memory>

class WordTable;

// Selection.Tables.
class WordTables
{
public:
    virtual ~WordTables() = default;

    // Tables.Item(index), from 1; throws when the selection holds no such table.
    virtual std::unique_ptr<WordTable> item(int index) = 0;
};
