#pragma once

#include <QString>

struct FormatJob;

// With "Apply for all sheets" the run formats a document once per sheet, each pass
// opening the document anew. When the result goes to another file (an .xls stored as
// .ods), a pass that opened the source again would store over the previous pass's
// result and only the last sheet would keep its formatting. So once a pass has written
// that result, the following passes of the same document open the result instead.
class CalcSheetPasses
{
public:
    // The file the pass over sheetIndex (0-based) of path opens.
    QString fileToOpen(const QString &path, int sheetIndex, const FormatJob &job);
    // The pass just begun has ended; stored tells whether it wrote the result.
    void passEnded(bool stored);

private:
    // The target another file receives, or empty when the passes need no carrying over.
    static QString separateTarget(const QString &path, const FormatJob &job);

    QString m_source;
    QString m_target;
    int m_nextSheet = -1;
    bool m_targetWritten = false;
};
