#include "FormatDocumentExcel.h"

#include "AutomationPaths.h"
#include "BackendHost.h"
#include "DocumentRefusal.h"
#include "DocumentStore.h"
#include "ExcelFormatter.h"
#include "ExcelLog.h"
#include "ExcelResultStore.h"
#include "ExcelStorePlan.h"
#include "FormatJob.h"
#include "QueryResults.h"
#include "RunLog.h"
#include "TextLimits.h"

#include <QDateTime>

namespace {

constexpr int CantProcessDocument = 46;

void writeLogLine(BackendHost &host, const QString &path, const QString &text)
{
    host.writeLogLine(RunLog::excelLineStart(path, QDateTime::currentDateTime()), RunLog::excelLineEnd(text));
}

// reason, when given, is for the user and follows the message in the log line.
void reportFailure(const QString &path, const QString &why, const FormatJob &job, BackendHost &host,
                   const QString &reason = QString())
{
    qCWarning(lcExcel).noquote() << path << "failed:" << TextLimits::clip(why);
    if (job.set.Log) {
        const QString message = host.message(CantProcessDocument);
        writeLogLine(host, path, reason.isEmpty() ? message : message + QStringLiteral(": ") + TextLimits::clip(reason));
    }
    host.setProblemLogged();
}

// A document with nothing formatted (every A1 it was to start from is empty) is no
// success: the run must not end as if it had been formatted.
QString nothingFormatted(const std::vector<int> &emptySheets)
{
    if (emptySheets.size() == 1)
        return QStringLiteral("nothing to format: cell A1 of sheet %1 is empty").arg(emptySheets.front());
    return QStringLiteral("nothing to format: cell A1 of every sheet is empty");
}

void reportStored(const QString &path, const std::vector<int> &emptySheets, const DocumentStore &store,
                  const FormatJob &job, BackendHost &host)
{
    for (const int sheet : emptySheets)
        host.notice(QStringLiteral("%1: nothing formatted, cell A1 of sheet %2 is empty").arg(path).arg(sheet));
    for (const DocumentStore::Trashed &moved : store.trashed()) {
        const QString text = QStringLiteral("was in the way and has been moved to the trash: ") + moved.where;
        if (job.set.Log)
            writeLogLine(host, moved.path, text);
        host.notice(moved.path + QLatin1Char(' ') + text);
    }
}

void formatCaught(ExcelOffice &excel, WordOffice *word, const QString &path, const ExcelFormatter::Pass &pass,
                  const FormatJob &job, BackendHost &host)
{
    const ExcelJob choices = excelJob(job);
    const std::wstring documentPath = AutomationPaths::documentPath(path.toStdWString());
    const QString shownPath = QString::fromStdWString(documentPath);
    ExcelStorePlan plan;
    try {
        plan = ExcelStorePlan::make(documentPath, choices);
    } catch (const DocumentRefusal &e) {
        reportFailure(shownPath, QString::fromUtf8(e.what()), job, host, QString::fromUtf8(e.what()));
        return;
    }
    // Checked before Excel opens it: a document that will not be stored is not worth
    // formatting. The store outlives Excel: the lock stays until Excel let go of it.
    DocumentStore store(shownPath, QString::fromStdWString(plan.targetPath), host.documentKeeper());
    if (const std::optional<QString> refusal = store.begin()) {
        reportFailure(shownPath, *refusal, job, host, *refusal);
        return;
    }
    ExcelResultStore result(store);
    const ExcelFormatOutcome outcome = ExcelFormatter(choices, word).formatSheets(excel, documentPath, pass, result);
    using Kind = ExcelFormatOutcome::Kind;
    switch (outcome.kind) {
    case Kind::Failed:
        reportFailure(shownPath, QString::fromStdString(outcome.failure), job, host,
                      QString::fromStdString(outcome.reason));
        break;
    case Kind::NothingToFormat:
        reportFailure(shownPath, QStringLiteral("nothing formatted"), job, host, nothingFormatted(outcome.emptySheets));
        break;
    case Kind::Abandoned:
        break;   // the program is ending: the document stays as it was
    case Kind::Stored:
    case Kind::Exported:
        reportStored(shownPath, outcome.emptySheets, store, job, host);
        break;
    }
}

} // namespace

ExcelJob excelJob(const FormatJob &job)
{
    const FormatSet &set = job.set;
    ExcelJob excel;
    excel.RangeAuto = set.RangeAuto;
    excel.LeftColumn = set.LeftColumn.toStdWString();
    excel.RightColumn = set.RightColumn.toStdWString();
    excel.TopDigit = set.TopDigit.toStdWString();
    excel.BottomDigit = set.BottomDigit.toStdWString();
    excel.FontAsIs = set.FontAsIs;
    excel.FontName = set.FontName.toStdWString();
    excel.FontSize = set.FontSize.toStdWString();
    excel.Bold = set.Bold;
    excel.Italic = set.Italic;
    excel.FontColor = set.FontColor;
    excel.BoldTopLine = set.BoldTopLine;
    excel.BoldLeftFirst = set.BoldLeftFirst;
    excel.BoldLastRight = set.BoldLastRight;
    excel.BoldLastLine = set.BoldLastLine;
    excel.Orientation = set.Orientation;
    excel.WordWrap = set.WordWrap;
    excel.FName = set.FName;
    excel.PageNumeration = set.PageNumeration;
    excel.Borders = set.Borders;
    excel.APAStyle = set.APAStyle;
    excel.InterLeave = set.InterLeave;
    excel.InterLeaveColor = set.InterLeaveColor;
    excel.WidthByPattern = set.WidthByPattern;
    excel.PatternWidths.assign(job.patternWidths.cbegin(), job.patternWidths.cend());
    excel.PatternColumnCount = job.patternColumnCount;
    excel.MaxScanColumns = job.maxScanColumns;
    excel.MaxScanRows = job.maxScanRows;
    excel.SaveAsCode = job.saveAs.excelCode;
    excel.ExcelMajorVersion = job.saveAs.ExcelMajorVersion;
    excel.DocTable = job.saveAs.DocTable;
    return excel;
}

void FormatDocumentExcel(ExcelOffice &excel, WordOffice *word, const QString &path, int sheet, int position,
                         int count, const FormatJob &job, BackendHost &host)
{
    ExcelFormatter::Pass pass;
    pass.sheet = sheet;
    formatCaught(excel, word, path, pass, job, host);
    host.reportProgress(position, count, ProgressWording::Excel);
}

void FormatAllSheetsExcel(ExcelOffice &excel, WordOffice *word, const QString &path, int position, int count,
                          const FormatJob &job, BackendHost &host)
{
    ExcelFormatter::Pass pass;
    pass.opened = [&](const std::vector<std::wstring> &names) {
        QueryResults &results = host.queryResults();
        results.SheetCount = int(names.size());
        results.SheetNames = QStringList{QString()};   // position 0 holds nothing
        for (const std::wstring &name : names)
            results.SheetNames.append(QString::fromStdWString(name));
        host.setSheetNumberItems(results.SheetCount);
    };
    // Pause and Stop are seen between the sheets; the progress counts the document
    // once, when it is done.
    pass.sheetDone = [&](int) {
        host.processEvents();
        return !host.runEnding();
    };
    formatCaught(excel, word, path, pass, job, host);
    host.reportProgress(position, count, ProgressWording::Excel);
}
