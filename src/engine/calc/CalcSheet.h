#pragma once

#include "CalcCell.h"
#include "CalcCellProperties.h"
#include "CalcRangeAddress.h"

#include <QSet>
#include <QString>
#include <QVector>

#include <memory>

class CalcCellRange;
class CalcColumn;

// One sheet of a document. The bulk calls cost the same whatever the size of the
// range they cover.
class CalcSheet
{
public:
    virtual ~CalcSheet() = default;

    virtual QString name() = 0;
    // The name of the sheet's own page style.
    virtual QString pageStyleName() = 0;
    virtual void setPageStyleName(const QString &name) = 0;

    // GetCellByPosition, 0-based.
    virtual CalcCell cell(int column, int row) = 0;
    // The values of a range, row by row.
    virtual QVector<CalcCellContent> contents(const CalcRangeAddress &range) = 0;
    // The types of the cells of a range, row by row.
    virtual QVector<CalcCellType> cellTypes(const CalcRangeAddress &range) = 0;
    // From A1 to the last column and the last row that hold anything (A1:A1 for an
    // empty sheet); no cell outside it has content.
    virtual CalcRangeAddress usedArea() = 0;

    // GetCellRangeByName; throws CalcError for a name the office does not take.
    virtual std::unique_ptr<CalcCellRange> cellRangeByName(const QString &name) = 0;
    // Writes the same properties on a whole collection of ranges at once.
    virtual void setPropertiesOnRanges(const QVector<CalcRangeAddress> &ranges,
                                       const CalcCellProperties &properties) = 0;

    // Columns(i) / Columns.GetByIndex(i), 0-based.
    virtual std::unique_ptr<CalcColumn> column(int index) = 0;
    // The columns (0-based) of a range none of whose cells in the range is shown:
    // hidden columns, and every column when all the range's rows are hidden.
    virtual QSet<int> hiddenColumns(const CalcRangeAddress &range) = 0;
    // OptimalWidth on count columns from firstColumn, at once.
    virtual void setOptimalWidths(int firstColumn, int count) = 0;
    // Width (1/100 mm) of widths.size() columns from firstColumn.
    virtual void setColumnWidths(int firstColumn, const QVector<int> &widths) = 0;
    virtual QVector<int> columnWidths(int firstColumn, int count) = 0;
};
