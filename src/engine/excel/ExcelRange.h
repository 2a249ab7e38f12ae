#pragma once

#include "AutomationValue.h"

#include <memory>

class ExcelBorders;
class ExcelColumns;
class ExcelFont;
class ExcelInterior;

// A range of cells (also the one cell that Worksheet.Cells gives).
class ExcelRange
{
public:
    virtual ~ExcelRange() = default;

    // Value of a one-cell range: its variant type and the value as text.
    virtual AutomationValue value() = 0;
    virtual std::unique_ptr<ExcelFont> font() = 0;
    virtual void setHorizontalAlignment(int alignment) = 0;
    virtual void setVerticalAlignment(int alignment) = 0;
    virtual void setWrapText(bool wrap) = 0;
    virtual std::unique_ptr<ExcelBorders> borders() = 0;
    virtual std::unique_ptr<ExcelInterior> interior() = 0;
    // Range.Columns, for AutoFit.
    virtual std::unique_ptr<ExcelColumns> columns() = 0;
    // Puts the cells on the clipboard.
    virtual void copy() = 0;
};
