#include "UnoSheet.h"

#include "UnoCellRange.h"
#include "UnoColumn.h"
#include "UnoDocument.h"
#include "UnoValues.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/sheet/CellFlags.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XCellRangesQuery.hpp>
#include <com/sun/star/sheet/XSheetCellCursor.hpp>
#include <com/sun/star/sheet/XSheetCellRangeContainer.hpp>
#include <com/sun/star/sheet/XUsedAreaCursor.hpp>
#include <com/sun/star/table/CellContentType.hpp>
#include <com/sun/star/table/CellRangeAddress.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/text/XText.hpp>

using namespace css;
using UnoValues::guarded;

namespace {

CalcCellType cellType(table::CellContentType type)
{
    switch (type) {
    case table::CellContentType_VALUE:
        return CalcCellType::Value;
    case table::CellContentType_TEXT:
        return CalcCellType::Text;
    case table::CellContentType_FORMULA:
        return CalcCellType::Formula;
    default:
        return CalcCellType::Empty;
    }
}

table::CellRangeAddress unoAddress(const CalcRangeAddress &range, int sheet)
{
    return table::CellRangeAddress(sal_Int16(sheet), range.startColumn, range.startRow, range.endColumn,
                                   range.endRow);
}

} // namespace

UnoSheet::UnoSheet(UnoDocument &document, const uno::Reference<sheet::XSpreadsheet> &sheet, int index)
    : m_document(document)
    , m_sheet(sheet)
    , m_index(index)
{
}

uno::Reference<table::XCellRange> UnoSheet::rangeAt(const CalcRangeAddress &range) const
{
    return m_sheet->getCellRangeByPosition(range.startColumn, range.startRow, range.endColumn, range.endRow);
}

const uno::Reference<table::XTableColumns> &UnoSheet::columns()
{
    if (!m_columns.is())
        m_columns = uno::Reference<table::XColumnRowRange>(m_sheet, uno::UNO_QUERY_THROW)->getColumns();
    return m_columns;
}

QString UnoSheet::name()
{
    return guarded("reading the sheet name", [&] {
        return UnoValues::toQString(uno::Reference<container::XNamed>(m_sheet, uno::UNO_QUERY_THROW)->getName());
    });
}

void UnoSheet::setPageStyleName(const QString &name)
{
    guarded("setting the sheet's page style", [&] {
        uno::Reference<beans::XPropertySet>(m_sheet, uno::UNO_QUERY_THROW)
            ->setPropertyValue("PageStyle", uno::Any(UnoValues::toOUString(name)));
    });
}

QString UnoSheet::pageStyleName()
{
    return guarded("reading the sheet's page style", [&] {
        OUString style;
        uno::Reference<beans::XPropertySet>(m_sheet, uno::UNO_QUERY_THROW)->getPropertyValue("PageStyle") >>= style;
        return UnoValues::toQString(style);
    });
}

CalcCell UnoSheet::cell(int column, int row)
{
    return guarded("reading a cell", [&] {
        const uno::Reference<table::XCell> cell = m_sheet->getCellByPosition(column, row);
        CalcCell result;
        result.type = cellType(cell->getType());
        result.value = cell->getValue();
        result.string = UnoValues::toQString(uno::Reference<text::XText>(cell, uno::UNO_QUERY_THROW)->getString());
        return result;
    });
}

QVector<CalcCellContent> UnoSheet::contents(const CalcRangeAddress &range)
{
    return guarded("reading cell values", [&] {
        const uno::Sequence<uno::Sequence<uno::Any>> rows =
            uno::Reference<sheet::XCellRangeData>(rangeAt(range), uno::UNO_QUERY_THROW)->getDataArray();
        QVector<CalcCellContent> contents;
        contents.reserve(range.columnCount() * range.rowCount());
        for (const uno::Sequence<uno::Any> &row : rows) {
            for (const uno::Any &value : row) {
                double number = 0;
                OUString text;
                if (value >>= number)
                    contents.append(CalcCellContent::fromNumber(number));
                else if (value >>= text)
                    contents.append(CalcCellContent::fromText(UnoValues::toQString(text)));
                else
                    contents.append(CalcCellContent::error());   // an error result reads as void
            }
        }
        return contents;
    });
}

QVector<CalcCellType> UnoSheet::cellTypes(const CalcRangeAddress &range)
{
    return guarded("reading cell types", [&] {
        // Three queries of the range's content, whatever its size.
        const uno::Reference<sheet::XCellRangesQuery> query(rangeAt(range), uno::UNO_QUERY_THROW);
        QVector<CalcCellType> types(range.columnCount() * range.rowCount(), CalcCellType::Empty);
        const std::pair<sal_Int16, CalcCellType> kinds[] = {
            {sal_Int16(sheet::CellFlags::VALUE | sheet::CellFlags::DATETIME), CalcCellType::Value},
            {sal_Int16(sheet::CellFlags::STRING), CalcCellType::Text},
            {sal_Int16(sheet::CellFlags::FORMULA), CalcCellType::Formula}};
        for (const auto &[flags, type] : kinds) {
            const uno::Sequence<table::CellRangeAddress> found =
                query->queryContentCells(flags)->getRangeAddresses();
            for (const table::CellRangeAddress &a : found) {
                for (sal_Int32 row = a.StartRow; row <= a.EndRow; ++row) {
                    for (sal_Int32 column = a.StartColumn; column <= a.EndColumn; ++column) {
                        if (range.contains(column, row))
                            types[(row - range.startRow) * range.columnCount() + column - range.startColumn] = type;
                    }
                }
            }
        }
        return types;
    });
}

CalcRangeAddress UnoSheet::usedArea()
{
    return guarded("finding the used area", [&] {
        // A cursor over the sheet, moved to the end of what is used: a few calls
        // however large the sheet.
        const uno::Reference<sheet::XSheetCellCursor> cursor = m_sheet->createCursor();
        uno::Reference<sheet::XUsedAreaCursor>(cursor, uno::UNO_QUERY_THROW)->gotoEndOfUsedArea(false);
        const table::CellRangeAddress end =
            uno::Reference<sheet::XCellRangeAddressable>(cursor, uno::UNO_QUERY_THROW)->getRangeAddress();
        return CalcRangeAddress{0, 0, end.EndColumn, end.EndRow};
    });
}

std::unique_ptr<CalcCellRange> UnoSheet::cellRangeByName(const QString &name)
{
    return guarded("taking a cell range", [&] {
        return std::make_unique<UnoCellRange>(m_sheet->getCellRangeByName(UnoValues::toOUString(name)));
    });
}

void UnoSheet::setPropertiesOnRanges(const QVector<CalcRangeAddress> &ranges,
                                     const CalcCellProperties &properties)
{
    guarded("formatting a collection of ranges", [&] {
        uno::Sequence<table::CellRangeAddress> addresses(ranges.size());
        table::CellRangeAddress *out = addresses.getArray();
        for (const CalcRangeAddress &range : ranges)
            *out++ = unoAddress(range, m_index);
        const uno::Reference<uno::XInterface> collection =
            m_document.factory()->createInstance("com.sun.star.sheet.SheetCellRanges");
        uno::Reference<sheet::XSheetCellRangeContainer>(collection, uno::UNO_QUERY_THROW)
            ->addRangeAddresses(addresses, false);
        UnoCellRange::batch(properties).write(uno::Reference<beans::XMultiPropertySet>(collection, uno::UNO_QUERY_THROW));
    });
}

std::unique_ptr<CalcColumn> UnoSheet::column(int index)
{
    return guarded("taking a column", [&] {
        return std::make_unique<UnoColumn>(
            uno::Reference<beans::XPropertySet>(columns()->getByIndex(index), uno::UNO_QUERY_THROW));
    });
}

QSet<int> UnoSheet::hiddenColumns(const CalcRangeAddress &range)
{
    return guarded("reading hidden columns", [&] {
        // One query for the whole range, whatever its size: the shown cells come back
        // as rectangles, and a column is shown where any of them covers it.
        const uno::Sequence<table::CellRangeAddress> shown =
            uno::Reference<sheet::XCellRangesQuery>(rangeAt(range), uno::UNO_QUERY_THROW)
                ->queryVisibleCells()
                ->getRangeAddresses();
        QSet<int> hidden;
        for (int column = range.startColumn; column <= range.endColumn; ++column)
            hidden.insert(column);
        for (const table::CellRangeAddress &a : shown) {
            for (sal_Int32 column = a.StartColumn; column <= a.EndColumn; ++column)
                hidden.remove(column);
        }
        return hidden;
    });
}

void UnoSheet::setOptimalWidths(int firstColumn, int count)
{
    guarded("fitting column widths", [&] {
        const uno::Reference<table::XColumnRowRange> range(
            rangeAt({firstColumn, 0, firstColumn + count - 1, 0}), uno::UNO_QUERY_THROW);
        uno::Reference<beans::XPropertySet>(range->getColumns(), uno::UNO_QUERY_THROW)
            ->setPropertyValue("OptimalWidth", uno::Any(true));
    });
}

void UnoSheet::setRunWidth(int firstColumn, int count, int width)
{
    if (count == 1) {
        uno::Reference<beans::XPropertySet>(columns()->getByIndex(firstColumn), uno::UNO_QUERY_THROW)
            ->setPropertyValue("Width", uno::Any(sal_Int32(width)));
        return;
    }
    const uno::Reference<table::XColumnRowRange> range(rangeAt({firstColumn, 0, firstColumn + count - 1, 0}),
                                                       uno::UNO_QUERY_THROW);
    uno::Reference<beans::XPropertySet>(range->getColumns(), uno::UNO_QUERY_THROW)
        ->setPropertyValue("Width", uno::Any(sal_Int32(width)));
}

void UnoSheet::setColumnWidths(int firstColumn, const QVector<int> &widths)
{
    guarded("setting column widths", [&] {
        // Neighbouring columns of the same width are set together.
        int start = 0;
        while (start < widths.size()) {
            int end = start + 1;
            while (end < widths.size() && widths.at(end) == widths.at(start))
                ++end;
            setRunWidth(firstColumn + start, end - start, widths.at(start));
            start = end;
        }
    });
}

QVector<int> UnoSheet::columnWidths(int firstColumn, int count)
{
    return guarded("reading column widths", [&] {
        QVector<int> widths;
        for (int i = firstColumn; i < firstColumn + count; ++i) {
            sal_Int32 width = 0;
            uno::Reference<beans::XPropertySet>(columns()->getByIndex(i), uno::UNO_QUERY_THROW)
                ->getPropertyValue("Width") >>= width;
            widths.append(int(width));
        }
        return widths;
    });
}
