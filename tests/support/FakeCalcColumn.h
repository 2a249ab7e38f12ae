#pragma once

#include "CalcColumn.h"

class FakeCalcSheet;

// A column of a FakeCalcSheet.
class FakeCalcColumn : public CalcColumn
{
public:
    FakeCalcColumn(FakeCalcSheet &sheet, int index);

    int width() override;
    void setWidth(int width) override;
    bool optimalWidth() override;
    void setOptimalWidth(bool optimal) override;

private:
    FakeCalcSheet &m_sheet;
    int m_index;
};
