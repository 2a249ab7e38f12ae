#pragma once

class CalcSheet;

// The automatic range scan: how many cells from A1 rightwards along the first row, or
// downwards along the first column, count as filled, up to a bound. The sheet's used
// area bounds what is read, so a scan costs the same few office calls whatever the
// size of the table.
namespace CalcRangeScan {

struct Counts
{
    int columns = 0;
    int rows = 0;   // only counted when columns is not 0
};

int countFirstRow(CalcSheet &sheet, int maxColumns);
Counts countFirstRowAndColumn(CalcSheet &sheet, int maxColumns, int maxRows);

} // namespace CalcRangeScan
