#pragma once

#include "CalcSheet.h"

#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/table/XTableColumns.hpp>

class UnoDocument;

// A sheet of a loaded document.
class UnoSheet : public CalcSheet
{
public:
    UnoSheet(UnoDocument &document, const css::uno::Reference<css::sheet::XSpreadsheet> &sheet, int index);

    QString name() override;
    QString pageStyleName() override;
    void setPageStyleName(const QString &name) override;
    CalcCell cell(int column, int row) override;
    QVector<CalcCellContent> contents(const CalcRangeAddress &range) override;
    QVector<CalcCellType> cellTypes(const CalcRangeAddress &range) override;
    CalcRangeAddress usedArea() override;
    std::unique_ptr<CalcCellRange> cellRangeByName(const QString &name) override;
    void setPropertiesOnRanges(const QVector<CalcRangeAddress> &ranges,
                               const CalcCellProperties &properties) override;
    std::unique_ptr<CalcColumn> column(int index) override;
    QSet<int> hiddenColumns(const CalcRangeAddress &range) override;
    void setOptimalWidths(int firstColumn, int count) override;
    void setColumnWidths(int firstColumn, const QVector<int> &widths) override;
    QVector<int> columnWidths(int firstColumn, int count) override;

    css::uno::Reference<css::sheet::XSpreadsheet> sheet() const { return m_sheet; }

private:
    css::uno::Reference<css::table::XCellRange> rangeAt(const CalcRangeAddress &range) const;
    const css::uno::Reference<css::table::XTableColumns> &columns();
    void setRunWidth(int firstColumn, int count, int width);

    UnoDocument &m_document;
    css::uno::Reference<css::sheet::XSpreadsheet> m_sheet;
    int m_index;
    css::uno::Reference<css::table::XTableColumns> m_columns;
};
