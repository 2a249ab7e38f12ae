#include "FakeCalcSheet.h"

#include "CalcError.h"
#include "FakeCalcCellRange.h"
#include "FakeCalcColumn.h"
#include "FakeCalcDocument.h"
#include "FakeCalcOffice.h"

#include <algorithm>

namespace {

// Sheets of this size, as the office has them.
constexpr int SheetColumns = 1024;
constexpr int SheetRows = 1048576;

} // namespace

FakeCalcSheet::FakeCalcSheet(FakeCalcDocument &document, int index)
    : m_document(document)
    , m_index(index)
{
}

FakeCalcSheetData &FakeCalcSheet::data(const QString &call)
{
    return m_document.book(call).sheets[m_index];
}

bool FakeCalcSheet::rowHeightsLocked()
{
    return m_document.book(QStringLiteral("rowHeightsLocked")).rowHeightsLocked;
}

QString FakeCalcSheet::name()
{
    return data(QStringLiteral("name")).name;
}

QString FakeCalcSheet::pageStyleName()
{
    return data(QStringLiteral("pageStyleName")).pageStyle;
}

void FakeCalcSheet::setPageStyleName(const QString &name)
{
    data(QStringLiteral("setPageStyleName")).pageStyle = name;
}

CalcCell FakeCalcSheet::cell(int column, int row)
{
    const FakeCalcCellData cell = data(QStringLiteral("cell")).cell(column, row);
    return CalcCell{cell.type, cell.value, cell.string};
}

QVector<CalcCellContent> FakeCalcSheet::contents(const CalcRangeAddress &range)
{
    const FakeCalcSheetData &sheet = data(QStringLiteral("contents"));
    QVector<CalcCellContent> contents;
    for (int row = range.startRow; row <= range.endRow; ++row) {
        for (int column = range.startColumn; column <= range.endColumn; ++column) {
            const FakeCalcCellData cell = sheet.cell(column, row);
            if (cell.type == CalcCellType::Value)
                contents.append(CalcCellContent::fromNumber(cell.value));
            else if (cell.type == CalcCellType::Formula && cell.errorResult)
                contents.append(CalcCellContent::error());
            else if (cell.type == CalcCellType::Formula && !cell.textResult)
                contents.append(CalcCellContent::fromNumber(cell.value));
            else
                contents.append(CalcCellContent::fromText(cell.string));
        }
    }
    return contents;
}

QVector<CalcCellType> FakeCalcSheet::cellTypes(const CalcRangeAddress &range)
{
    const FakeCalcSheetData &sheet = data(QStringLiteral("cellTypes"));
    QVector<CalcCellType> types;
    for (int row = range.startRow; row <= range.endRow; ++row) {
        for (int column = range.startColumn; column <= range.endColumn; ++column)
            types.append(sheet.cell(column, row).type);
    }
    return types;
}

CalcRangeAddress FakeCalcSheet::usedArea()
{
    const FakeCalcSheetData &sheet = data(QStringLiteral("usedArea"));
    CalcRangeAddress used;
    for (auto it = sheet.cells.cbegin(); it != sheet.cells.cend(); ++it) {
        if (it.value().type == CalcCellType::Empty)
            continue;
        used.endColumn = std::max(used.endColumn, it.key().first);
        used.endRow = std::max(used.endRow, it.key().second);
    }
    return used;
}

std::unique_ptr<CalcCellRange> FakeCalcSheet::cellRangeByName(const QString &name)
{
    data(QStringLiteral("cellRangeByName"));
    const std::optional<CalcRangeAddress> address = CalcRangeAddress::parse(name, SheetColumns, SheetRows);
    if (!address)
        throw CalcError(QStringLiteral("no range ") + name);
    return std::make_unique<FakeCalcCellRange>(*this, *address);
}

void FakeCalcSheet::setPropertiesOnRanges(const QVector<CalcRangeAddress> &ranges,
                                          const CalcCellProperties &properties)
{
    FakeCalcSheetData &sheet = data(QStringLiteral("setPropertiesOnRanges"));
    for (const CalcRangeAddress &range : ranges)
        apply(sheet, range, properties);
}

std::unique_ptr<CalcColumn> FakeCalcSheet::column(int index)
{
    data(QStringLiteral("column"));
    if (index < 0 || index >= SheetColumns)
        throw CalcError(QStringLiteral("no column %1").arg(index));
    return std::make_unique<FakeCalcColumn>(*this, index);
}

QSet<int> FakeCalcSheet::hiddenColumns(const CalcRangeAddress &range)
{
    const FakeCalcSheetData &sheet = data(QStringLiteral("hiddenColumns"));
    QSet<int> hidden;
    for (int i = range.startColumn; i <= range.endColumn; ++i) {
        if (sheet.column(i).hidden)
            hidden.insert(i);
    }
    return hidden;
}

void FakeCalcSheet::setOptimalWidths(int firstColumn, int count)
{
    FakeCalcSheetData &sheet = data(QStringLiteral("setOptimalWidths"));
    // As the office does: a fitted column is shown, hidden or not.
    for (int i = firstColumn; i < firstColumn + count; ++i) {
        sheet.columns[i].optimal = true;
        sheet.columns[i].hidden = false;
    }
}

void FakeCalcSheet::setColumnWidths(int firstColumn, const QVector<int> &widths)
{
    FakeCalcSheetData &sheet = data(QStringLiteral("setColumnWidths"));
    for (int i = 0; i < widths.size(); ++i) {
        sheet.columns[firstColumn + i].width = widths.at(i);
        sheet.columns[firstColumn + i].optimal = false;
    }
}

QVector<int> FakeCalcSheet::columnWidths(int firstColumn, int count)
{
    const FakeCalcSheetData &sheet = data(QStringLiteral("columnWidths"));
    QVector<int> widths;
    for (int i = firstColumn; i < firstColumn + count; ++i)
        widths.append(sheet.column(i).width);
    return widths;
}

void FakeCalcSheet::apply(FakeCalcSheetData &sheet, const CalcRangeAddress &range,
                          const CalcCellProperties &p)
{
    for (int row = range.startRow; row <= range.endRow; ++row) {
        for (int column = range.startColumn; column <= range.endColumn; ++column) {
            FakeCalcCellFormat &f = sheet.cellRef(column, row).format;
            f.fontName = p.CharFontName.value_or(f.fontName);
            f.height = p.CharHeight.value_or(f.height);
            f.weight = p.CharWeight.value_or(f.weight);
            f.posture = p.CharPosture.value_or(f.posture);
            f.color = p.CharColor.value_or(f.color);
            f.backColor = p.CellBackColor.value_or(f.backColor);
            f.hori = p.HoriJustify.value_or(f.hori);
            f.vert = p.VertJustify.value_or(f.vert);
            f.wrap = p.IsTextWrapped.value_or(f.wrap);
        }
    }
}
