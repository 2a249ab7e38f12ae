#include "ExcelQueries.h"

#include "AutomationPaths.h"
#include "BackendHost.h"
#include "ExcelColumns.h"
#include "ExcelLog.h"
#include "ExcelRange.h"
#include "ExcelSession.h"
#include "ExcelSheets.h"
#include "ExcelWorkbook.h"
#include "ExcelWorksheet.h"
#include "QueryReports.h"
#include "QueryResults.h"

#include <QVector>

#include <cmath>
#include <exception>

namespace {

constexpr int CantLoadSheet = 27;

std::wstring excelPath(const QString &path)
{
    return AutomationPaths::documentPath(path.toStdWString());
}

void warn(const QString &path)
{
    QString why = QStringLiteral("unknown failure");
    try {
        throw;
    } catch (const std::exception &e) {
        why = QString::fromUtf8(e.what());
    } catch (...) {
    }
    qCWarning(lcExcel).noquote() << path << "could not be read:" << why;
}

} // namespace

int roundHalfToEven(double value)
{
    const double whole = std::floor(value);
    const double fraction = value - whole;
    long long result = static_cast<long long>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0))
        ++result;
    return static_cast<int>(result);
}

void ReadSheetNamesExcel(ExcelOffice &excel, const QString &path, BackendHost &host)
{
    QStringList names{QString()};   // position 0 holds nothing
    int count = 0;
    try {
        ExcelSession session(excel);
        session.open(excelPath(path));
        count = session.workbook()->sheets()->count();
        for (int i = 1; i <= count; ++i)
            names.append(QString::fromStdWString(session.sheet(i)->name()));
    } catch (...) {
        warn(path);
        QueryReports::showLoadMessage(host);
        return;
    }
    QueryResults &results = host.queryResults();
    results.SheetCount = count;
    results.SheetNames = names;
    host.setSheetNumberItems(count);
}

void ReadPatternWidthsExcel(ExcelOffice &excel, const QString &path, int sheet, BackendHost &host)
{
    QVector<int> widths{0};   // position 0 holds nothing
    int counted = 0;
    bool opened = false;
    try {
        ExcelSession session(excel);
        session.open(excelPath(path));
        opened = true;
        const std::unique_ptr<ExcelWorksheet> worksheet = session.sheet(sheet);
        // A pattern's first row ends where its sheet's grid does (256 columns in a .xls).
        const int bound = session.lastColumn(host.maxScanColumns());
        for (int k = 1; k <= bound && !worksheet->cells(1, k)->value().text.empty(); ++k) {
            widths.append(roundHalfToEven(worksheet->columns(k)->columnWidth()));
            ++counted;
        }
    } catch (...) {
        warn(path);
        // The count is what the walk reached once the document was open.
        if (opened) {
            host.queryResults().PatternColumnCount = counted;
            host.queryResults().PatternWidths = widths;
        }
        QueryReports::showLoadMessage(host);
        host.chooseAutoWidths();
        host.setPatternSheetName(QString());
        return;
    }
    QueryResults &results = host.queryResults();
    results.PatternColumnCount = counted;
    results.PatternWidths = widths;
    if (counted == 0)
        QueryReports::reportEmptyPattern(host);
}

std::optional<QString> ViewSheetNameExcel(ExcelOffice &excel, const QString &path, int sheet, BackendHost &host)
{
    enum class Reached { Nothing, Document, Name } reached = Reached::Nothing;
    QString name;
    try {
        ExcelSession session(excel);
        session.open(excelPath(path));
        reached = Reached::Document;
        name = QString::fromStdWString(session.sheet(sheet)->name());
        reached = Reached::Name;
    } catch (...) {
        warn(path);
    }
    switch (reached) {
    case Reached::Nothing:
        QueryReports::showLoadMessage(host);
        return std::nullopt;
    case Reached::Document:
        host.showMessage(host.message(CantLoadSheet) + QString::number(sheet), MessageIcon::Error);
        return std::nullopt;
    case Reached::Name:
        break;
    }
    return name;
}
