#pragma once

#include "ExcelJob.h"

#include <QString>

class BackendHost;
class ExcelOffice;
class WordOffice;
struct FormatJob;

// Formats one sheet (numbered from 1) of one document through Excel, stores it in the
// chosen format or puts its table into a Word document, and reports progress in
// Excel's wording. A failure of the document is logged with its time and reason (when
// logging is on) and marks ProblemLogged; it never escapes. word may be null where Word
// is absent.
void FormatDocumentExcel(ExcelOffice &excel, WordOffice *word, const QString &path, int sheet, int position,
                         int count, const FormatJob &job, BackendHost &host);

// "Apply for all sheets": opens the document once, formats every sheet (the window's
// pending input handled after each), stores it once (or puts every sheet's table into
// one Word document) and reports progress once. The document's sheet names go to the
// query results and the pattern sheet list, as a sheet query's would. A document that
// cannot be read or formatted fails as one document: one log line.
void FormatAllSheetsExcel(ExcelOffice &excel, WordOffice *word, const QString &path, int position, int count,
                          const FormatJob &job, BackendHost &host);

// The choices of a job as the Excel formatter reads them.
ExcelJob excelJob(const FormatJob &job);
