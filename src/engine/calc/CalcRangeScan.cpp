#include "CalcRangeScan.h"

#include "CalcSheet.h"

#include <algorithm>

namespace CalcRangeScan {

namespace {

// Most tables end within the first block; each further block is larger by this factor.
constexpr int FirstBlock = 32;
constexpr int Growth = 32;

int countLeading(CalcSheet &sheet, bool alongRow, int bound)
{
    int counted = 0;
    int block = FirstBlock;
    while (counted < bound) {
        const int size = std::min(block, bound - counted);
        const CalcRangeAddress range = alongRow
            ? CalcRangeAddress{counted, 0, counted + size - 1, 0}
            : CalcRangeAddress{0, counted, 0, counted + size - 1};
        const QVector<CalcCellContent> cells = sheet.contents(range);
        for (const CalcCellContent &cell : cells) {
            if (!cell.counts())
                return counted;
            ++counted;
        }
        if (cells.size() < size)
            return counted;
        block *= Growth;
    }
    return counted;
}

} // namespace

int countFirstRow(CalcSheet &sheet, int maxColumns)
{
    return countLeading(sheet, true, maxColumns);
}

int countFirstColumn(CalcSheet &sheet, int maxRows)
{
    return countLeading(sheet, false, maxRows);
}

} // namespace CalcRangeScan
