#pragma once

// Worksheet.Columns(n), or the columns of a range.
class ExcelColumns
{
public:
    virtual ~ExcelColumns() = default;

    virtual double columnWidth() = 0;
    virtual void setColumnWidth(int width) = 0;
    // Fits the widths to the content.
    virtual void autoFit() = 0;
};
