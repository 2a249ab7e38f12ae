#include "CalcRangeScan.h"

#include "CalcSheet.h"

#include <algorithm>

namespace CalcRangeScan {

namespace {

// Every cell past the used area is empty, so the line is read only up to its end (and
// one cell further when that is within the bound: it is empty and ends the count).
int countLeading(CalcSheet &sheet, bool alongRow, int bound, const CalcRangeAddress &used)
{
    const int usedCells = (alongRow ? used.endColumn : used.endRow) + 1;
    const int read = std::min(bound, usedCells);
    if (read <= 0)
        return 0;
    const CalcRangeAddress line = alongRow ? CalcRangeAddress{0, 0, read - 1, 0} : CalcRangeAddress{0, 0, 0, read - 1};
    const QVector<CalcCellContent> cells = sheet.contents(line);
    int counted = 0;
    for (const CalcCellContent &cell : cells) {
        if (!cell.counts())
            return counted;
        ++counted;
    }
    return counted;
}

} // namespace

int countFirstRow(CalcSheet &sheet, int maxColumns)
{
    return countLeading(sheet, true, maxColumns, sheet.usedArea());
}

Counts countFirstRowAndColumn(CalcSheet &sheet, int maxColumns, int maxRows)
{
    const CalcRangeAddress used = sheet.usedArea();
    Counts counts;
    counts.columns = countLeading(sheet, true, maxColumns, used);
    if (counts.columns > 0)
        counts.rows = countLeading(sheet, false, maxRows, used);
    return counts;
}

} // namespace CalcRangeScan
