#pragma once

#include "CalcCellProperties.h"
#include "CalcTableBorder.h"

#include <QString>

#include <memory>
#include <optional>

class BackendHost;
class CalcCellRange;
class CalcDocument;
class CalcOffice;
class CalcSheet;
struct CalcStorePlan;
struct FormatJob;

// The formatting of one sheet of one document, step by step; FormatDocumentCalc runs
// it. formatDocument throws CalcError (or any other exception of the surface) on the
// first failure; nothing is stored then.
class CalcFormatter
{
public:
    CalcFormatter(const FormatJob &job, BackendHost &host);

    // Opens openPath (usually path itself); true when the result was stored, false when
    // the sheet's empty A1 left nothing to format.
    bool formatDocument(CalcOffice &office, const QString &path, int sheetIndex, const QString &openPath);

    // The range to format: column letters and numbers, 1-based rows, and the counts
    // of the automatic scan (0 when the range was given by hand).
    struct Range
    {
        QString L;
        QString R;
        int left = 0;     // number of L
        int right = 0;    // number of R
        int T = 0;
        int B = 0;
        int C = 0;
        int N = 0;

        bool automatic() const { return C > 0; }
        QString name(const QString &c1, int r1, const QString &c2, int r2) const;
    };

    // Nothing when the automatic scan finds an empty A1.
    std::optional<Range> findRange(CalcSheet &sheet) const;

private:
    void formatRange(CalcDocument &document, CalcSheet &sheet, const Range &range,
                     const QString &path);
    CalcCellProperties wholeRangeProperties() const;
    CalcTableBorder borders(CalcTableBorder border) const;
    void boldCorners(CalcSheet &sheet, const Range &range);
    void pageStyle(CalcDocument &document, CalcSheet &sheet, const QString &path);
    void apaAlignment(CalcSheet &sheet, const Range &range);
    void interleave(CalcSheet &sheet, const Range &range);
    void columnWidths(CalcSheet &sheet, const Range &range);
    void store(CalcDocument &document, const CalcStorePlan &plan, const QString &path, const QString &openPath);
    void moveAside(const QString &target);

    int fontHeight() const;
    static int weight(bool bold);

    const FormatJob &m_job;
    BackendHost &m_host;
};
