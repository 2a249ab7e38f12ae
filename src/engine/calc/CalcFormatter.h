#pragma once

#include "CalcCellProperties.h"
#include "CalcTableBorder.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class BackendHost;
class CalcCellRange;
class CalcDocument;
class CalcOffice;
class CalcPageStyleSharing;
class CalcSheet;
class DocumentStore;
struct CalcStorePlan;
struct FormatJob;

// The formatting of one sheet of one document, step by step; FormatDocumentCalc runs
// it. formatDocument throws CalcError (or any other exception of the surface) on the
// first failure; nothing is stored then.
class CalcFormatter
{
public:
    CalcFormatter(const FormatJob &job, BackendHost &host);

    // Which sheets a call formats, and what it tells its caller on the way.
    struct Pass
    {
        std::optional<int> sheet;   // one sheet (0-based); every sheet when empty
        // Every sheet: the document's sheet names, once it is open.
        std::function<void(const QStringList &names)> opened;
        // Every sheet: after each sheet, formatted or left alone; false abandons the
        // document unstored.
        std::function<bool(int sheet)> sheetDone;
    };
    struct Outcome
    {
        bool stored = false;
        bool abandoned = false;   // the program was ending: nothing stored on purpose
        QList<int> emptySheets;   // left alone: their A1 is empty
    };

    // Opens the document once, formats the sheets of the pass and stores it once, when
    // at least one sheet was formatted.
    Outcome formatSheets(CalcOffice &office, const QString &path, const Pass &pass);

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
    void formatRange(CalcDocument &document, CalcSheet &sheet, const Range &range, const QString &path,
                     CalcPageStyleSharing &styles);
    CalcCellProperties wholeRangeProperties() const;
    CalcTableBorder borders(CalcTableBorder border) const;
    void boldCorners(CalcSheet &sheet, const Range &range);
    void pageStyle(CalcDocument &document, CalcSheet &sheet, const QString &path, CalcPageStyleSharing &styles);
    void apaAlignment(CalcSheet &sheet, const Range &range);
    void interleave(CalcSheet &sheet, const Range &range);
    void columnWidths(CalcSheet &sheet, const Range &range);
    static std::unique_ptr<CalcSheet> sheetAt(CalcDocument &document, int index);
    void writeResult(CalcDocument &document, const CalcStorePlan &plan, DocumentStore &store);
    void placeResult(DocumentStore &store, bool ownFormat);

    int fontHeight() const;
    static int weight(bool bold);

    const FormatJob &m_job;
    BackendHost &m_host;
};
