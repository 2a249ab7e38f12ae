#include "UnoColumn.h"

#include "UnoValues.h"

using namespace css;
using UnoValues::guarded;

UnoColumn::UnoColumn(const uno::Reference<beans::XPropertySet> &column)
    : m_column(column)
{
}

int UnoColumn::width()
{
    return guarded("reading a column width", [&] {
        sal_Int32 width = 0;
        m_column->getPropertyValue("Width") >>= width;
        return int(width);
    });
}

void UnoColumn::setWidth(int width)
{
    guarded("setting a column width", [&] { m_column->setPropertyValue("Width", uno::Any(sal_Int32(width))); });
}

bool UnoColumn::optimalWidth()
{
    return guarded("reading a column's fitting", [&] {
        bool optimal = false;
        m_column->getPropertyValue("OptimalWidth") >>= optimal;
        return optimal;
    });
}

void UnoColumn::setOptimalWidth(bool optimal)
{
    guarded("fitting a column", [&] { m_column->setPropertyValue("OptimalWidth", uno::Any(optimal)); });
}
