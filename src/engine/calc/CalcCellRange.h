#pragma once

#include "CalcCellProperties.h"
#include "CalcRangeAddress.h"
#include "CalcTableBorder.h"

// A cell range of a sheet.
class CalcCellRange
{
public:
    virtual ~CalcCellRange() = default;

    virtual CalcRangeAddress address() = 0;
    // Writes every property set in the argument in one call.
    virtual void setProperties(const CalcCellProperties &properties) = 0;
    // Reads every property; a property that differs over the range reads as the
    // office reports it for mixed ranges.
    virtual CalcCellProperties properties() = 0;
    // Fits the heights of the range's rows to their contents, as a formatting call does;
    // rows whose height the user fixed keep it.
    virtual void fitRowHeights() = 0;
    virtual CalcTableBorder tableBorder() = 0;
    virtual void setTableBorder(const CalcTableBorder &border) = 0;
};
