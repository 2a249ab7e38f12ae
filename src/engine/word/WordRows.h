#pragma once

// Table.Rows.
class WordRows
{
public:
    virtual ~WordRows() = default;

    // 1: rows centred between the margins.
    virtual void setAlignment(int alignment) = 0;
    // Rows.Item(index).Select(), index from 1.
    virtual void selectItem(int index) = 0;
};
