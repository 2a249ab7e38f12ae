#include "FormatDocumentCalc.h"

#include "BackendHost.h"
#include "CalcFormatter.h"
#include "CalcLog.h"
#include "FormatJob.h"

namespace {

constexpr int CantProcessDocument = 46;

void reportFailure(const QString &path, const char *why, const FormatJob &job, BackendHost &host)
{
    qCWarning(lcCalc).noquote() << path << "failed:" << why;
    if (job.set.Log)
        host.writeLogLine(path, host.message(CantProcessDocument));
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
    } catch (const std::exception &e) {
        reportFailure(path, e.what(), job, host);
    } catch (...) {
        reportFailure(path, "unknown failure", job, host);
    }
    host.reportProgress(position, count, ProgressWording::Calc);
    return stored;
}
