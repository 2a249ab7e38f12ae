#include "CalcQueries.h"

#include "BackendHost.h"
#include "CalcDocument.h"
#include "CalcLog.h"
#include "CalcRangeScan.h"
#include "CalcSession.h"
#include "CalcSheet.h"
#include "QueryReports.h"
#include "QueryResults.h"

#include <QVector>

using QueryReports::reportEmptyPattern;
using QueryReports::showLoadMessage;

namespace {

constexpr int CantLoadSheet = 27;

void warn(const QString &path, const std::exception &e)
{
    qCWarning(lcCalc).noquote() << path << "could not be read:" << e.what();
}

struct PatternRead
{
    int columnCount = 0;
    QVector<int> widths;   // used from position 1
};

PatternRead readPattern(CalcOffice &office, const QString &path, int sheetIndex, int maxColumns)
{
    CalcSession session(office);
    std::unique_ptr<CalcSheet> sheet = session.open(path).sheet(sheetIndex);
    PatternRead read;
    read.columnCount = CalcRangeScan::countFirstRow(*sheet, maxColumns);
    read.widths.append(0);
    if (read.columnCount > 0)
        read.widths.append(sheet->columnWidths(0, read.columnCount));
    return read;
}

} // namespace

void ReadSheetNamesCalc(CalcOffice &office, const QString &path, BackendHost &host)
{
    QStringList names;
    try {
        CalcSession session(office);
        names = session.open(path).sheetNames();
    } catch (const std::exception &e) {
        warn(path, e);
        showLoadMessage(host);
        return;
    }
    QueryResults &results = host.queryResults();
    results.SheetCount = int(names.size());
    results.SheetNames = names;
    host.setSheetNumberItems(results.SheetCount);
}

void ReadPatternWidthsCalc(CalcOffice &office, const QString &path, int sheetIndex,
                           BackendHost &host)
{
    PatternRead read;
    try {
        read = readPattern(office, path, sheetIndex, host.maxScanColumns());
    } catch (const std::exception &e) {
        warn(path, e);
        host.chooseAutoWidths();
        host.setPatternSheetName(QString());
        showLoadMessage(host);
        return;
    }
    QueryResults &results = host.queryResults();
    results.PatternColumnCount = read.columnCount;
    results.PatternWidths = read.widths;
    if (read.columnCount == 0)
        reportEmptyPattern(host);
}

std::optional<QString> ViewSheetNameCalc(CalcOffice &office, const QString &path, int sheetNumber,
                                         BackendHost &host)
{
    // Messages wait until the office objects are dropped: the office bounds the time of
    // an operation, and a message box waits for the user.
    enum class Reached { Nothing, Document, Name } reached = Reached::Nothing;
    QString name;
    try {
        CalcSession session(office);
        CalcDocument &document = session.open(path);
        reached = Reached::Document;
        name = document.sheet(sheetNumber - 1)->name();
        reached = Reached::Name;
    } catch (const std::exception &e) {
        warn(path, e);
    }
    switch (reached) {
    case Reached::Nothing:
        showLoadMessage(host);
        return std::nullopt;
    case Reached::Document:
        host.showMessage(host.message(CantLoadSheet) + QString::number(sheetNumber),
                         MessageIcon::Error);
        return std::nullopt;
    case Reached::Name:
        break;
    }
    return name;
}
