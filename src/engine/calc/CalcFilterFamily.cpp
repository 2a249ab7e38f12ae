#include "CalcFilterFamily.h"

#include <QStringList>

namespace CalcFilterFamily {

namespace {

// The office's plain-text import filters: what it falls back to for a file it cannot
// recognise.
const QStringList &textFilters()
{
    static const QStringList prefixes = {QStringLiteral("Text - txt - csv"), QStringLiteral("Text (StarCalc)"),
                                         QStringLiteral("calc_Text")};
    return prefixes;
}

// The Excel formats the office both reads and writes.
const QStringList &excelFilters()
{
    static const QStringList prefixes = {QStringLiteral("MS Excel"), QStringLiteral("Calc MS Excel 2007"),
                                         QStringLiteral("Calc Office Open XML")};
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
    const bool binaryOrZipped = (excelExtensions().contains(extension) || openDocumentExtensions().contains(extension))
        && extension != QLatin1String("fods");
    return !binaryOrZipped || !startsWithAny(filterName, textFilters());
}

bool isExcelFilter(const QString &filterName)
{
    return startsWithAny(filterName, excelFilters());
}

bool keepsEverySheet(const QString &extension)
{
    return excelExtensions().contains(extension) || openDocumentExtensions().contains(extension);
}

} // namespace CalcFilterFamily
