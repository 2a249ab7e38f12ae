#include "FakeOfficeBackend.h"

#include "BackendHost.h"
#include "DocumentStore.h"
#include "FormatJob.h"
#include "RunLog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

std::optional<QString> storeOverItself(const QString &path, DocumentKeeper *keeper)
{
    DocumentStore store(path, path, keeper);
    if (std::optional<QString> refusal = store.begin(); refusal || (refusal = store.prepareResult()))
        return refusal;
    QFile document(path);
    QFile result(store.resultPath());
    if (!document.open(QIODevice::ReadOnly) || !result.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write the result");
    result.write("formatted " + document.readAll());
    result.close();
    return store.place(true);
}

} // namespace

void FakeOfficeBackend::formatDocument(const QString &path, int sheet, int position, int count, const FormatJob &job,
                                       BackendHost &host)
{
    calls.append({path, sheet, position, count});
    jobs.append(job);
    if (duringCall)
        duringCall();
    const bool failing = failingNames.contains(QFileInfo(path).fileName())
        || (storesInPlace && storeOverItself(path, host.documentKeeper()));
    if (failing) {
        if (job.set.Log) {
            if (m_wording == ProgressWording::Excel)
                host.writeLogLine(RunLog::excelLineStart(path, QDateTime::currentDateTime()),
                                  RunLog::excelLineEnd(host.message(46)));
            else
                host.writeLogLine(path, host.message(46));
        }
        host.setProblemLogged();
    } else if (emptyNames.contains(QFileInfo(path).fileName())) {
        host.notice(path + QStringLiteral(": nothing formatted, cell A1 of sheet %1 is empty").arg(sheet + 1));
    }
    host.reportProgress(position, count, m_wording);
}

void FakeOfficeBackend::readSheetNames(const QString &path, BackendHost &host)
{
    sheetQueries.append(path);
    QueryResults &results = host.queryResults();
    results.SheetCount = sheetCount;
    results.SheetNames.clear();
    for (int i = 0; i < sheetCount; ++i)
        results.SheetNames.append(QStringLiteral("Sheet%1").arg(i + 1));
    host.setSheetNumberItems(sheetCount);
}

void FakeOfficeBackend::readPatternWidths(const QString &, int, BackendHost &host)
{
    host.queryResults().PatternColumnCount = 0;
}

std::optional<QString> FakeOfficeBackend::viewSheetName(const QString &path, int sheet, BackendHost &host)
{
    // The documents hold sheetCount sheets; failing documents do not open.
    if (failingNames.contains(QFileInfo(path).fileName())) {
        host.showMessage(host.message(26), MessageIcon::Error);
        return std::nullopt;
    }
    if (sheet < 1 || sheet > sheetCount) {
        host.showMessage(host.message(27) + QString::number(sheet), MessageIcon::Error);
        return std::nullopt;
    }
    return QStringLiteral("Sheet%1").arg(sheet);
}
