#include "OfficeDocuments.h"

#include "CalcPaths.h"
#include "UnoDesktop.h"
#include "UnoDocument.h"
#include "UnoOffice.h"
#include "UnoValues.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/sheet/XCellRangeFormula.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/util/XCloseable.hpp>

using namespace css;

namespace OfficeDocuments {

namespace {

OUString formula(const QVariant &value)
{
    if (!value.isValid())
        return OUString();
    if (value.typeId() == QMetaType::QString)
        return UnoValues::toOUString(value.toString());
    return UnoValues::toOUString(QString::number(value.toDouble(), 'g', 15));
}

void fill(const uno::Reference<sheet::XSpreadsheet> &target, const Sheet &sheet)
{
    int width = 0;
    for (const QVariantList &row : sheet.rows)
        width = std::max(width, int(row.size()));
    if (sheet.rows.isEmpty() || width == 0)
        return;
    uno::Sequence<uno::Sequence<OUString>> rows(sheet.rows.size());
    for (int r = 0; r < sheet.rows.size(); ++r) {
        uno::Sequence<OUString> cells(width);
        for (int c = 0; c < sheet.rows.at(r).size(); ++c)
            cells.getArray()[c] = formula(sheet.rows.at(r).at(c));
        rows.getArray()[r] = cells;
    }
    const uno::Reference<table::XCellRange> range =
        target->getCellRangeByPosition(0, 0, width - 1, int(sheet.rows.size()) - 1);
    uno::Reference<sheet::XCellRangeFormula>(range, uno::UNO_QUERY_THROW)->setFormulaArray(rows);
    const uno::Reference<table::XTableRows> tableRows =
        uno::Reference<table::XColumnRowRange>(target, uno::UNO_QUERY_THROW)->getRows();
    for (auto it = sheet.rowHeights.cbegin(); it != sheet.rowHeights.cend(); ++it)
        uno::Reference<beans::XPropertySet>(tableRows->getByIndex(it.key()), uno::UNO_QUERY_THROW)
            ->setPropertyValue("Height", uno::Any(sal_Int32(it.value())));
}

} // namespace

void make(UnoOffice &office, const QString &path, const QList<Sheet> &sheets, const QString &filterName,
          const QString &password)
{
    const std::unique_ptr<CalcDesktop> desktop = office.createDesktop();
    const uno::Reference<frame::XDesktop2> unoDesktop = dynamic_cast<UnoDesktop &>(*desktop).desktop();
    UnoValues::guarded("making a test document", [&] {
        const uno::Reference<lang::XComponent> component = unoDesktop->loadComponentFromURL(
            "private:factory/scalc", "_blank", 0, UnoValues::propertyList({{"Hidden", uno::Any(true)}}));
        const uno::Reference<sheet::XSpreadsheets> all =
            uno::Reference<sheet::XSpreadsheetDocument>(component, uno::UNO_QUERY_THROW)->getSheets();
        for (int i = 0; i < sheets.size(); ++i) {
            const OUString name = UnoValues::toOUString(sheets.at(i).name);
            if (i == 0) {
                const uno::Reference<container::XIndexAccess> byIndex(all, uno::UNO_QUERY_THROW);
                uno::Reference<container::XNamed>(byIndex->getByIndex(0), uno::UNO_QUERY_THROW)->setName(name);
            } else {
                all->insertNewByName(name, sal_Int16(i));
            }
            fill(uno::Reference<sheet::XSpreadsheet>(all->getByName(name), uno::UNO_QUERY_THROW), sheets.at(i));
        }
        std::vector<std::pair<const char *, uno::Any>> arguments{
            {"FilterName", uno::Any(UnoValues::toOUString(filterName))}};
        if (!password.isEmpty())
            arguments.push_back({"Password", uno::Any(UnoValues::toOUString(password))});
        uno::Reference<frame::XStorable>(component, uno::UNO_QUERY_THROW)
            ->storeToURL(UnoValues::toOUString(CalcPaths::documentUrl(path)), UnoValues::propertyList(arguments));
        uno::Reference<util::XCloseable>(component, uno::UNO_QUERY_THROW)->close(true);
    });
}

namespace {

QList<int> heightsOf(const uno::Reference<frame::XModel> &model, int sheet, int firstRow, int count)
{
    const uno::Reference<container::XIndexAccess> sheets(
        uno::Reference<sheet::XSpreadsheetDocument>(model, uno::UNO_QUERY_THROW)->getSheets(), uno::UNO_QUERY_THROW);
    const uno::Reference<table::XTableRows> rows =
        uno::Reference<table::XColumnRowRange>(sheets->getByIndex(sheet), uno::UNO_QUERY_THROW)->getRows();
    QList<int> heights;
    for (int row = firstRow; row < firstRow + count; ++row) {
        sal_Int32 height = 0;
        uno::Reference<beans::XPropertySet>(rows->getByIndex(row), uno::UNO_QUERY_THROW)->getPropertyValue("Height") >>=
            height;
        heights.append(int(height));
    }
    return heights;
}

} // namespace

QVariant loadArgument(CalcDocument &document, const QString &name)
{
    return UnoValues::guarded("reading the load arguments", [&] {
        for (const beans::PropertyValue &argument : dynamic_cast<UnoDocument &>(document).model()->getArgs()) {
            if (argument.Name != UnoValues::toOUString(name))
                continue;
            bool flag = false;
            sal_Int16 number = 0;
            if (argument.Value >>= flag)
                return QVariant(flag);
            if (argument.Value >>= number)
                return QVariant(int(number));
        }
        return QVariant();
    });
}

QList<int> rowHeights(CalcDocument &document, int sheet, int firstRow, int count)
{
    return UnoValues::guarded("reading row heights", [&] {
        return heightsOf(dynamic_cast<UnoDocument &>(document).model(), sheet, firstRow, count);
    });
}

QList<int> rowHeights(UnoOffice &office, const QString &path, int sheet, int firstRow, int count)
{
    const std::unique_ptr<CalcDesktop> desktop = office.createDesktop();
    const std::unique_ptr<CalcDocument> document = desktop->loadComponentFromUrl(CalcPaths::documentUrl(path));
    const QList<int> heights = rowHeights(*document, sheet, firstRow, count);
    document->close();
    return heights;
}

Sheet table(const QString &name, int rows)
{
    Sheet sheet{name, {{QStringLiteral("Name"), QStringLiteral("Count"), QStringLiteral("Share")}}};
    for (int r = 1; r <= rows; ++r)
        sheet.rows.append({QStringLiteral("item %1").arg(r), r, r / 8.0});
    return sheet;
}

bool officeRequired()
{
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

} // namespace OfficeDocuments
