#pragma once

#include <memory>

class WordTable;

// Selection.Tables or Document.Tables.
class WordTables
{
public:
    virtual ~WordTables() = default;

    virtual int count() = 0;
    // Tables.Item(index), from 1; throws when there is no such table.
    virtual std::unique_ptr<WordTable> item(int index) = 0;
};
