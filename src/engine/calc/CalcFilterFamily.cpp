#include "CalcFilterFamily.h"

#include <QStringList>

namespace CalcFilterFamily {

namespace {

// Import filters of the Excel formats, binary and XML: an .xls holding Office Open XML
// is still a workbook Excel itself opens.
const QStringList &excelFilters()
{
    static const QStringList prefixes = {QStringLiteral("MS Excel"),
                                         QStringLiteral("Calc MS Excel 2007"),
                                         QStringLiteral("Calc Office Open XML")};
    return prefixes;
}

const QStringList &openDocumentFilters()
{
    static const QStringList prefixes = {QStringLiteral("calc8"),
                                         QStringLiteral("calc_OpenDocument"),
                                         QStringLiteral("OpenDocument Spreadsheet"),
                                         QStringLiteral("StarOffice XML (Calc)"),
                                         QStringLiteral("calc_StarOffice_XML_Calc_Template")};
    return prefixes;
}

const QStringList &excelExtensions()
{
    static const QStringList extensions = {QStringLiteral("xls"), QStringLiteral("xlt"),
                                           QStringLiteral("xlw"), QStringLiteral("xlsx"),
                                           QStringLiteral("xlsm"), QStringLiteral("xltx"),
                                           QStringLiteral("xltm")};
    return extensions;
}

const QStringList &openDocumentExtensions()
{
    static const QStringList extensions = {QStringLiteral("ods"), QStringLiteral("ots"),
                                           QStringLiteral("fods")};
    return extensions;
}

bool startsWithAny(const QString &filterName, const QStringList &prefixes)
{
    for (const QString &prefix : prefixes) {
        if (filterName.startsWith(prefix))
            return true;
    }
    return false;
}

} // namespace

bool fits(const QString &extension, const QString &filterName)
{
    if (excelExtensions().contains(extension))
        return startsWithAny(filterName, excelFilters());
    if (openDocumentExtensions().contains(extension))
        return startsWithAny(filterName, openDocumentFilters());
    return true;
}

bool keepsEverySheet(const QString &extension)
{
    return excelExtensions().contains(extension) || openDocumentExtensions().contains(extension);
}

} // namespace CalcFilterFamily
