#pragma once

#include <QString>

class BackendHost;
class CalcOffice;
struct FormatJob;

// Formats one sheet (0-based index) of one document through Calc, stores it in the
// chosen format and reports progress. A failure of the document is logged (when
// logging is on) and marks ProblemLogged; it never escapes. openPath, when given, is
// the file opened in place of path (an earlier pass's result); path still names the
// document in the header, the log and the store. True when the result was stored.
bool FormatDocumentCalc(CalcOffice &office, const QString &path, int sheetIndex, int position,
                        int count, const FormatJob &job, BackendHost &host,
                        const QString &openPath = QString());
