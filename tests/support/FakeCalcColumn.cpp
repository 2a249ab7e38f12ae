#include "FakeCalcColumn.h"

#include "FakeCalcSheet.h"

FakeCalcColumn::FakeCalcColumn(FakeCalcSheet &sheet, int index)
    : m_sheet(sheet)
    , m_index(index)
{
}

int FakeCalcColumn::width()
{
    return m_sheet.data(QStringLiteral("width")).column(m_index).width;
}

void FakeCalcColumn::setWidth(int width)
{
    FakeCalcColumnData &column = m_sheet.data(QStringLiteral("setWidth")).columns[m_index];
    column.width = width;
    column.optimal = false;
}

bool FakeCalcColumn::optimalWidth()
{
    return m_sheet.data(QStringLiteral("optimalWidth")).column(m_index).optimal;
}

void FakeCalcColumn::setOptimalWidth(bool optimal)
{
    m_sheet.data(QStringLiteral("setOptimalWidth")).columns[m_index].optimal = optimal;
}
