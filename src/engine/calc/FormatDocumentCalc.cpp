#include "FormatDocumentCalc.h"

#include "BackendHost.h"
#include "CalcFormatter.h"
#include "CalcLog.h"
#include "CalcError.h"
#include "FormatJob.h"
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

} // namespace

bool FormatDocumentCalc(CalcOffice &office, const QString &path, int sheetIndex, int position,
                        int count, const FormatJob &job, BackendHost &host, const QString &openPath)
{
    bool stored = false;
    try {
        stored = CalcFormatter(job, host).formatDocument(office, path, sheetIndex,
                                                         openPath.isEmpty() ? path : openPath);
        if (!stored)
            host.notice(QStringLiteral("%1: nothing formatted, cell A1 of sheet %2 is empty").arg(path).arg(sheetIndex + 1));
    } catch (const CalcRefusal &e) {
        reportFailure(path, e.message(), job, host, TextLimits::clip(e.message()));
    } catch (const std::exception &e) {
        reportFailure(path, QString::fromUtf8(e.what()), job, host);
    } catch (...) {
        reportFailure(path, QStringLiteral("unknown failure"), job, host);
    }
    host.reportProgress(position, count, ProgressWording::Calc);
    return stored;
}
