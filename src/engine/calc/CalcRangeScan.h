#pragma once

class CalcSheet;

// The automatic range scan: how many cells from A1 rightwards along the first row, or
// downwards along the first column, count as filled, up to a bound. The cells are read
// in growing blocks, so a scan costs a handful of office calls whatever its length.
namespace CalcRangeScan {

int countFirstRow(CalcSheet &sheet, int maxColumns);
int countFirstColumn(CalcSheet &sheet, int maxRows);

} // namespace CalcRangeScan
