#include "FormatDocumentExcel.h"

#include "AutomationPaths.h"
#include "BackendHost.h"
#include "ExcelFormatter.h"
#include "ExcelLog.h"
#include "FormatJob.h"
#include "RunLog.h"

#include <QDateTime>

namespace {

constexpr int CantProcessDocument = 46;

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
    excel.DocTable = job.saveAs.DocTable;
    return excel;
}

void FormatDocumentExcel(ExcelOffice &excel, WordOffice *word, const QString &path, int sheet, int position,
                         int count, const FormatJob &job, BackendHost &host)
{
    const ExcelJob choices = excelJob(job);
    const ExcelFormatOutcome outcome = ExcelFormatter(choices, word).formatDocument(excel, path.toStdWString(), sheet);
    if (outcome.kind == ExcelFormatOutcome::Kind::Failed) {
        const QString documentPath = QString::fromStdWString(AutomationPaths::documentPath(path.toStdWString()));
        qCWarning(lcExcel).noquote() << documentPath << "failed:" << QString::fromStdString(outcome.failure);
        if (job.set.Log) {
            host.writeLogLine(RunLog::excelLineStart(documentPath, QDateTime::currentDateTime()),
                              RunLog::excelLineEnd(host.message(CantProcessDocument)));
        }
        host.setProblemLogged();
    }
    host.reportProgress(position, count, ProgressWording::Excel);
}
