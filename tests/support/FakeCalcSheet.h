#pragma once

#include "CalcSheet.h"
#include "FakeCalcWorkbook.h"

#include <functional>

class FakeCalcDocument;

// A sheet of a FakeCalcDocument, with its cell ranges and columns. Range names are
// read as the office reads them: corners given in any order are put in order.
class FakeCalcSheet : public CalcSheet
{
public:
    FakeCalcSheet(FakeCalcDocument &document, int index);

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

    FakeCalcSheetData &data(const QString &call);
    bool rowHeightsLocked();

    // Applies properties to every cell of a range.
    static void apply(FakeCalcSheetData &sheet, const CalcRangeAddress &range,
                      const CalcCellProperties &properties);

private:
    FakeCalcDocument &m_document;
    int m_index;
};
