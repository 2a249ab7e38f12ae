#pragma once

#include "CalcCellRange.h"
#include "UnoValues.h"

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/table/XCellRange.hpp>

// A cell range of a sheet.
class UnoCellRange : public CalcCellRange
{
public:
    explicit UnoCellRange(const css::uno::Reference<css::table::XCellRange> &range);

    CalcRangeAddress address() override;
    void setProperties(const CalcCellProperties &properties) override;
    CalcCellProperties properties() override;
    void fitRowHeights() override;
    CalcTableBorder tableBorder() override;
    void setTableBorder(const CalcTableBorder &border) override;

    // The properties as the office takes them (its types, not plain numbers).
    static UnoValues::PropertyBatch batch(const CalcCellProperties &properties);

private:
    const css::uno::Reference<css::beans::XMultiPropertySet> &propertySet();

    css::uno::Reference<css::table::XCellRange> m_range;
    css::uno::Reference<css::beans::XMultiPropertySet> m_properties;
};
