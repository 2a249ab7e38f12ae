#pragma once

#include <QtGlobal>

// One border line of a cell range, widths in 1/100 mm.
struct CalcBorderLine
{
    qint32 Color = 0;
    int InnerLineWidth = 0;
    int OuterLineWidth = 0;
    int LineDistance = 0;

    bool operator==(const CalcBorderLine &) const = default;
};

// The "TableBorder" of a cell range: the four outer lines and the lines between its
// rows and columns. A line whose flag is clear is not uniform over the range when read,
// and is left unchanged when written.
struct CalcTableBorder
{
    CalcBorderLine TopLine;
    bool IsTopLineValid = false;
    CalcBorderLine BottomLine;
    bool IsBottomLineValid = false;
    CalcBorderLine LeftLine;
    bool IsLeftLineValid = false;
    CalcBorderLine RightLine;
    bool IsRightLineValid = false;
    CalcBorderLine HorizontalLine;
    bool IsHorizontalLineValid = false;
    CalcBorderLine VerticalLine;
    bool IsVerticalLineValid = false;

    bool operator==(const CalcTableBorder &) const = default;
};
