#pragma once

// Range.Borders.
class ExcelBorders
{
public:
    virtual ~ExcelBorders() = default;

    // LineStyle put on the whole collection.
    virtual void setLineStyle(int style) = 0;
    // Borders(index).LineStyle put on one line of each cell: 1 left, 2 right, 3 top, 4 bottom.
    virtual void setItemLineStyle(int index, int style) = 0;
};
