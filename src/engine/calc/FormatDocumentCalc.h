#pragma once

#include <QString>

class BackendHost;
class CalcOffice;
struct FormatJob;

// Formats one sheet (0-based index) of one document through Calc, stores it in the
// chosen format and reports progress. A failure of the document is logged (when
// logging is on) and marks ProblemLogged; it never escapes.
void FormatDocumentCalc(CalcOffice &office, const QString &path, int sheetIndex, int position, int count,
                        const FormatJob &job, BackendHost &host);

// "Apply for all sheets": opens the document once, formats every sheet (progress and
// the window's pending input after each), stores it once. The document's sheet names
// go to the query results and the pattern sheet list, as a sheet query's would. A
// document that cannot be read or formatted fails as one document: one log line.
void FormatAllSheetsCalc(CalcOffice &office, const QString &path, int position, int count, const FormatJob &job,
                         BackendHost &host);
