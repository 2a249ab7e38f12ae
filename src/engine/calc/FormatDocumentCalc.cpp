#include "FormatDocumentCalc.h"

#include "BackendHost.h"
#include "CalcError.h"
#include "CalcFormatter.h"
#include "CalcLog.h"
#include "DocumentTimings.h"
#include "FormatJob.h"
#include "QueryResults.h"
#include "TextLimits.h"

namespace {

constexpr int CantProcessDocument = 46;

// reason, when given, is for the user and follows the message in the log line.
void reportFailure(const QString &path, const QString &why, const FormatJob &job, BackendHost &host,
                   const QString &reason = QString())
{
    qCWarning(lcCalc).noquote() << path << "failed:" << TextLimits::clip(why);
    if (job.set.Log) {
        const QString message = host.message(CantProcessDocument);
        host.writeLogLine(path, reason.isEmpty() ? message : message + QStringLiteral(": ") + reason);
    }
    host.setProblemLogged();
}

// A document with nothing formatted (every A1 it was to start from is empty) is no
// success: the run must not end as if it had been formatted.
QString nothingFormatted(const QList<int> &emptySheets)
{
    if (emptySheets.size() == 1)
        return QStringLiteral("nothing to format: cell A1 of sheet %1 is empty").arg(emptySheets.first() + 1);
    return QStringLiteral("nothing to format: cell A1 of every sheet is empty");
}

// Runs the formatter's pass; a failed document is logged.
void formatCaught(CalcOffice &office, const QString &path, const CalcFormatter::Pass &pass, const FormatJob &job,
                  BackendHost &host)
{
    try {
        const CalcFormatter::Outcome outcome = CalcFormatter(job, host).formatSheets(office, path, pass);
        DocumentTimings::mark(DocumentTimings::Phase::Close);
        if (outcome.abandoned)
            return;
        if (!outcome.stored) {
            reportFailure(path, QStringLiteral("nothing formatted"), job, host, nothingFormatted(outcome.emptySheets));
            return;
        }
        for (const int sheet : outcome.emptySheets)
            host.notice(QStringLiteral("%1: nothing formatted, cell A1 of sheet %2 is empty").arg(path).arg(sheet + 1));
    } catch (const CalcRefusal &e) {
        reportFailure(path, e.message(), job, host, TextLimits::clip(e.message()));
    } catch (const std::exception &e) {
        reportFailure(path, QString::fromUtf8(e.what()), job, host);
    } catch (...) {
        reportFailure(path, QStringLiteral("unknown failure"), job, host);
    }
}

} // namespace

void FormatDocumentCalc(CalcOffice &office, const QString &path, int sheetIndex, int position, int count,
                        const FormatJob &job, BackendHost &host)
{
    CalcFormatter::Pass pass;
    pass.sheet = sheetIndex;
    formatCaught(office, path, pass, job, host);
    host.reportProgress(position, count, ProgressWording::Calc);
}

void FormatAllSheetsCalc(CalcOffice &office, const QString &path, int position, int count, const FormatJob &job,
                         BackendHost &host)
{
    CalcFormatter::Pass pass;
    pass.opened = [&](const QStringList &names) {
        QueryResults &results = host.queryResults();
        results.SheetCount = int(names.size());
        results.SheetNames = names;
        host.setSheetNumberItems(results.SheetCount);
    };
    // Pause and Stop are seen between the sheets; the progress counts the document
    // once, when it is done.
    pass.sheetDone = [&](int) {
        host.processEvents();
        return !host.runEnding();
    };
    formatCaught(office, path, pass, job, host);
    host.reportProgress(position, count, ProgressWording::Calc);
}
