#pragma once

// Selection.Cells.
class WordCells
{
public:
    virtual ~WordCells() = default;

    // 1: vertically centred.
    virtual void setVerticalAlignment(int alignment) = 0;
};
