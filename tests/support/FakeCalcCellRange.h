#pragma once

#include "CalcCellRange.h"

class FakeCalcSheet;

// A cell range of a FakeCalcSheet. Borders live on the cells, as in the office: a
// TableBorder read reports a line as valid only when it is the same on every cell.
class FakeCalcCellRange : public CalcCellRange
{
public:
    FakeCalcCellRange(FakeCalcSheet &sheet, const CalcRangeAddress &address);

    CalcRangeAddress address() override { return m_address; }
    void setProperties(const CalcCellProperties &properties) override;
    CalcCellProperties properties() override;
    void fitRowHeights() override;
    CalcTableBorder tableBorder() override;
    void setTableBorder(const CalcTableBorder &border) override;

private:
    FakeCalcSheet &m_sheet;
    CalcRangeAddress m_address;
};
