#pragma once

#include "CalcColumn.h"

#include <com/sun/star/beans/XPropertySet.hpp>

// One column of a sheet.
class UnoColumn : public CalcColumn
{
public:
    explicit UnoColumn(const css::uno::Reference<css::beans::XPropertySet> &column);

    int width() override;
    void setWidth(int width) override;
    bool optimalWidth() override;
    void setOptimalWidth(bool optimal) override;

private:
    css::uno::Reference<css::beans::XPropertySet> m_column;
};
