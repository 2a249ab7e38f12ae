#include "CalcFormatter.h"

#include "BackendHost.h"
#include "CalcCellRange.h"
#include "CalcDocument.h"
#include "CalcError.h"
#include "CalcLog.h"
#include "CalcHeaderContent.h"
#include "CalcPageStyle.h"
#include "CalcPageStyleSharing.h"
#include "CalcPaths.h"
#include "CalcRangeScan.h"
#include "CalcSession.h"
#include "CalcSheet.h"
#include "CalcStorePlan.h"
#include "ColumnLetters.h"
#include "DocumentTimings.h"
#include "FormatJob.h"
#include "DocumentStore.h"
#include "StoreFailure.h"


#include <QRegularExpression>
#include <QSet>
#include <QVector>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int DefaultFontHeight = 10;
constexpr int BorderWidth = 2;          // 1/100 mm
constexpr int ApaMargin = 2540;         // one inch in 1/100 mm

enum Interleave { NoInterleave = 0, Lines = 1, Columns = 2 };
enum Orientation { Portrait = 0, Landscape = 1 };

// Windows colours are 0x00BBGGRR; the office takes 0x00RRGGBB.
qint32 officeColor(quint32 windowsColor)
{
    const quint32 r = windowsColor & 0xFF;
    const quint32 g = (windowsColor >> 8) & 0xFF;
    const quint32 b = (windowsColor >> 16) & 0xFF;
    return qint32((r << 16) | (g << 8) | b);
}

// A column of the manual range: one to three letters (a set file may hold lower case).
QString columnLetters(const QString &text)
{
    static const QRegularExpression letters(QStringLiteral("^[A-Z]{1,3}$"));
    const QString upper = text.toUpper();
    if (!letters.match(upper).hasMatch())
        throw CalcError(QStringLiteral("the column \"%1\" is no column name").arg(text));
    return upper;
}

int columnNumber(const QString &letters)
{
    return ColumnLetters::ColumnLettersToNumber(letters);
}

int rowNumber(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        throw CalcError(QStringLiteral("the row \"%1\" is not a number").arg(text));
    return number;
}

CalcCellProperties weightOnly(int weight)
{
    CalcCellProperties properties;
    properties.CharWeight = weight;
    return properties;
}

} // namespace

QString CalcFormatter::Range::name(const QString &c1, int r1, const QString &c2, int r2) const
{
    return c1 + QString::number(r1) + QLatin1Char(':') + c2 + QString::number(r2);
}

CalcFormatter::CalcFormatter(const FormatJob &job, BackendHost &host)
    : m_job(job)
    , m_host(host)
{
}

CalcFormatter::Outcome CalcFormatter::formatSheets(CalcOffice &office, const QString &path, const Pass &pass)
{
    const CalcStorePlan plan = CalcStorePlan::make(path, m_job.saveAs);
    // Checked before the office opens it: a document that will not be stored is not
    // worth formatting. The store outlives the session: the lock stays until the
    // office has let go of the document.
    DocumentStore store(path, plan.targetPath, m_host.documentKeeper());
    if (const std::optional<QString> refusal = store.begin())
        throw CalcRefusal(*refusal);
    CalcSession session(office);
    CalcDocument &document = session.open(path);
    DocumentTimings::mark(DocumentTimings::Phase::Open);
    QList<int> indexes;
    if (pass.sheet) {
        indexes.append(*pass.sheet);
    } else {
        const QStringList names = document.sheetNames();
        if (pass.opened)
            pass.opened(names);
        for (int index = 0; index < names.size(); ++index)
            indexes.append(index);
    }

    // Every range is found first: which sheets get formatted decides whether a page
    // style is shared with a sheet left alone.
    struct Target
    {
        int index = 0;
        std::unique_ptr<CalcSheet> sheet;
        std::optional<Range> range;
    };
    std::vector<Target> targets;
    QSet<int> formatted;
    for (const int index : std::as_const(indexes)) {
        Target target{index, sheetAt(document, index), std::nullopt};
        target.range = findRange(*target.sheet);
        if (target.range)
            formatted.insert(index);
        targets.push_back(std::move(target));
    }
    DocumentTimings::mark(DocumentTimings::Phase::Scan);

    Outcome outcome;
    CalcPageStyleSharing styles(document, formatted);
    // Row heights are fitted once at the end instead of after every call.
    if (!formatted.isEmpty())
        document.setRowHeightsLocked(true);
    for (const Target &target : targets) {
        if (target.range)
            formatRange(document, *target.sheet, *target.range, path, styles);
        else
            outcome.emptySheets.append(target.index);
        if (pass.sheetDone && !pass.sheetDone(target.index)) {
            outcome.abandoned = true;   // the program is ending: the document stays as it was
            return outcome;
        }
    }
    if (formatted.isEmpty())
        return outcome;   // only empty A1s: nothing to format, nothing stored
    document.setRowHeightsLocked(false);
    DocumentTimings::mark(DocumentTimings::Phase::Format);
    for (const Target &target : targets) {
        if (!target.range)
            continue;
        const Range &range = *target.range;
        const int lastRow = std::max(range.B, range.T + 1);   // the right column may reach below B
        target.sheet->cellRangeByName(range.name(range.L, range.T, range.R, lastRow))->fitRowHeights();
    }
    DocumentTimings::mark(DocumentTimings::Phase::Heights);
    targets.clear();
    writeResult(document, plan, store);
    // The result is the document's own format only when the office read the document
    // in the very format it was now written in.
    const bool ownFormat = session.filterName() == plan.args.filterName;
    session.closeDocument();
    placeResult(store, ownFormat);
    DocumentTimings::mark(DocumentTimings::Phase::Store);
    outcome.stored = true;
    return outcome;
}

std::unique_ptr<CalcSheet> CalcFormatter::sheetAt(CalcDocument &document, int index)
{
    try {
        return document.sheet(index);
    } catch (const CalcError &) {
        const int count = document.sheetCount();
        if (index < count)
            throw;
        throw CalcRefusal(QStringLiteral("it has no sheet %1 (its last sheet is sheet %2)").arg(index + 1).arg(count));
    }
}

std::optional<CalcFormatter::Range> CalcFormatter::findRange(CalcSheet &sheet) const
{
    Range range;
    const FormatSet &set = m_job.set;
    if (set.RangeAuto) {
        const CalcRangeScan::Counts counts =
            CalcRangeScan::countFirstRowAndColumn(sheet, m_job.maxScanColumns, m_job.maxScanRows);
        if (counts.columns == 0)
            return std::nullopt;
        range.C = counts.columns;
        range.N = counts.rows;
        range.L = QStringLiteral("A");
        range.R = ColumnLetters::ColumnNumberToLetters(range.C);
        range.T = 1;
        range.B = range.N;
    } else {
        range.L = columnLetters(set.LeftColumn);
        range.R = columnLetters(set.RightColumn);
        // Compared as column numbers: by their texts "AA" would come before "B".
        if (columnNumber(range.L) > columnNumber(range.R))
            std::swap(range.L, range.R);
        range.T = rowNumber(set.TopDigit);
        range.B = rowNumber(set.BottomDigit);
        if (range.T > range.B)
            std::swap(range.T, range.B);
    }
    range.left = columnNumber(range.L);
    range.right = columnNumber(range.R);
    return range;
}

void CalcFormatter::formatRange(CalcDocument &document, CalcSheet &sheet, const Range &range,
                                const QString &path, CalcPageStyleSharing &styles)
{
    const FormatSet &set = m_job.set;
    const std::unique_ptr<CalcCellRange> whole =
        sheet.cellRangeByName(range.name(range.L, range.T, range.R, range.B));
    const std::unique_ptr<CalcCellRange> rightColumn =
        sheet.cellRangeByName(range.name(range.R, range.T + 1, range.R, range.B));
    const std::unique_ptr<CalcCellRange> bottomRow =
        sheet.cellRangeByName(range.name(range.L, range.B, range.R, range.B));
    const std::unique_ptr<CalcCellRange> leftColumn =
        sheet.cellRangeByName(range.name(range.L, range.T, range.L, range.B));

    // The whole range's own properties (font, wrap and vertical centring, no
    // background, the six border lines) go in two calls: no later step writes them.
    const CalcCellProperties wholeProperties = wholeRangeProperties();
    const CalcTableBorder border = borders(whole->tableBorder());
    whole->setProperties(wholeProperties);
    whole->setTableBorder(border);

    CalcCellProperties top;
    top.CharWeight = weight(set.BoldTopLine);
    top.HoriJustify = set.BoldTopLine ? CalcCellProperties::HoriCentre : CalcCellProperties::HoriLeft;
    sheet.cellRangeByName(range.name(range.L, range.T, range.R, range.T))->setProperties(top);
    DocumentTimings::mark(DocumentTimings::Phase::Format);

    pageStyle(document, sheet, path, styles);
    DocumentTimings::mark(DocumentTimings::Phase::Header);

    leftColumn->setProperties(weightOnly(weight(set.BoldLeftFirst)));
    rightColumn->setProperties(weightOnly(weight(set.BoldLastRight)));
    bottomRow->setProperties(weightOnly(weight(set.BoldLastLine)));
    boldCorners(sheet, range);

    apaAlignment(sheet, range);
    interleave(sheet, range);
    DocumentTimings::mark(DocumentTimings::Phase::Format);
    columnWidths(sheet, range);
    DocumentTimings::mark(DocumentTimings::Phase::Widths);
}

CalcCellProperties CalcFormatter::wholeRangeProperties() const
{
    const FormatSet &set = m_job.set;
    CalcCellProperties properties;
    if (!set.FontAsIs) {
        // No font chosen in the list: the cells keep theirs rather than get a nameless one.
        if (!set.FontName.isEmpty())
            properties.CharFontName = set.FontName;
        properties.CharHeight = fontHeight();
        properties.CharWeight = weight(set.Bold);
        properties.CharPosture = set.Italic ? CalcCellProperties::PostureItalic
                                            : CalcCellProperties::PostureUpright;
        properties.CharColor = officeColor(set.FontColor);
    }
    properties.IsTextWrapped = set.WordWrap;
    properties.VertJustify = CalcCellProperties::VertCentre;
    if (set.InterLeave == NoInterleave)
        properties.CellBackColor = CalcCellProperties::NoBackColor;
    return properties;
}

CalcTableBorder CalcFormatter::borders(CalcTableBorder border) const
{
    const bool on = m_job.set.Borders;
    const bool apa = on && m_job.set.APAStyle;
    const int outer = on ? BorderWidth : 0;
    const int sides = on && !apa ? BorderWidth : 0;
    border.TopLine.OuterLineWidth = outer;
    border.BottomLine.OuterLineWidth = outer;
    border.LeftLine.OuterLineWidth = sides;
    border.RightLine.OuterLineWidth = sides;
    // The inner lines start from the right line as read, with their own widths.
    border.VerticalLine = border.RightLine;
    border.VerticalLine.OuterLineWidth = sides;
    border.HorizontalLine = border.RightLine;
    border.HorizontalLine.OuterLineWidth = outer;
    // Every line is written, also where the range held mixed lines before.
    border.IsTopLineValid = border.IsBottomLineValid = true;
    border.IsLeftLineValid = border.IsRightLineValid = true;
    border.IsVerticalLineValid = border.IsHorizontalLineValid = true;
    return border;
}

void CalcFormatter::boldCorners(CalcSheet &sheet, const Range &range)
{
    const FormatSet &set = m_job.set;
    QVector<CalcRangeAddress> corners;
    auto corner = [&](int column, int row, bool bold) {
        if (bold)
            corners.append(CalcRangeAddress::fromNumbers(column, row, column, row));
    };
    corner(range.left, range.T, set.BoldTopLine || set.BoldLeftFirst);
    corner(range.left, range.B, set.BoldLastLine || set.BoldLeftFirst);
    corner(range.right, range.T, set.BoldTopLine || set.BoldLastRight);
    corner(range.right, range.B, set.BoldLastLine || set.BoldLastRight);
    if (!corners.isEmpty())
        sheet.setPropertiesOnRanges(corners, weightOnly(CalcCellProperties::WeightBold));
}

void CalcFormatter::pageStyle(CalcDocument &document, CalcSheet &sheet, const QString &path,
                              CalcPageStyleSharing &styles)
{
    const FormatSet &set = m_job.set;
    const std::unique_ptr<CalcPageStyle> style = document.pageStyle(styles.styleToFormat(sheet));
    CalcPageStyleProperties changes;
    if (set.Orientation == Portrait || set.Orientation == Landscape) {
        const CalcPageStyleProperties now = style->properties();
        const bool landscape = set.Orientation == Landscape;
        changes.IsLandscape = landscape;
        const int width = now.Width.value_or(0);
        const int height = now.Height.value_or(0);
        if (landscape ? width < height : width > height) {
            changes.Width = height;
            changes.Height = width;
        }
    }
    changes.HeaderIsOn = true;
    changes.HeaderIsShared = true;
    if (set.APAStyle) {
        changes.CenterHorizontally = true;
        changes.LeftMargin = changes.RightMargin = ApaMargin;
        changes.TopMargin = changes.BottomMargin = ApaMargin;
    }
    style->setProperties(changes);

    // The centre is the user's own text; page numbering makes it end with exactly one
    // page-number field, however often the document has been formatted before.
    const std::unique_ptr<CalcHeaderContent> header = style->rightPageHeaderContent();
    header->setLeftText(set.FName ? CalcPaths::fileName(path) : QString());
    if (set.PageNumeration) {
        header->removeCentrePageNumbers();
        header->appendCentrePageNumber();
    }
    style->setRightPageHeaderContent(*header);
}

void CalcFormatter::apaAlignment(CalcSheet &sheet, const Range &range)
{
    if (!m_job.set.APAStyle || !range.automatic())
        return;
    const QVector<CalcCellType> types = sheet.cellTypes(CalcRangeAddress{0, 1, range.C - 1, 1});
    QVector<CalcRangeAddress> right;
    QVector<CalcRangeAddress> left;
    for (int k = 1; k <= range.C && k <= types.size(); ++k) {
        const CalcRangeAddress column = CalcRangeAddress::fromNumbers(k, 2, k, range.B);
        switch (types.at(k - 1)) {
        case CalcCellType::Value:
        case CalcCellType::Formula:
            right.append(column);
            break;
        case CalcCellType::Text:
            left.append(column);
            break;
        case CalcCellType::Empty:
            break;
        }
    }
    CalcCellProperties alignment;
    if (!right.isEmpty()) {
        alignment.HoriJustify = CalcCellProperties::HoriRight;
        sheet.setPropertiesOnRanges(right, alignment);
    }
    if (!left.isEmpty()) {
        alignment.HoriJustify = CalcCellProperties::HoriLeft;
        sheet.setPropertiesOnRanges(left, alignment);
    }
}

void CalcFormatter::interleave(CalcSheet &sheet, const Range &range)
{
    const int interleave = m_job.set.InterLeave;
    if (interleave != Lines && interleave != Columns)
        return;
    const int lastRow = range.automatic() ? range.N : range.B;
    QVector<CalcRangeAddress> stripes;
    if (interleave == Lines) {
        for (int r = range.T + 1; r <= lastRow; ++r) {
            if (r % 2 == 0)
                stripes.append(CalcRangeAddress::fromNumbers(range.left, r, range.right, r));
        }
    } else {
        const int lastColumn = range.automatic() ? range.C : range.right;
        for (int c = range.left + 1; c <= lastColumn; ++c) {
            if (c % 2 == 0)
                stripes.append(CalcRangeAddress::fromNumbers(c, range.T, c, lastRow));
        }
    }
    if (stripes.isEmpty())
        return;
    CalcCellProperties colour;
    colour.CellBackColor = officeColor(m_job.set.InterLeaveColor);
    sheet.setPropertiesOnRanges(stripes, colour);
}

void CalcFormatter::columnWidths(CalcSheet &sheet, const Range &range)
{
    const int columns = range.automatic() ? range.C : range.right - range.left + 1;
    QVector<int> widths;   // from column L, one per column to set
    if (m_job.set.WidthByPattern) {
        const int available = std::max(0, int(m_job.patternWidths.size()) - 1);
        widths = m_job.patternWidths.mid(1, std::min({m_job.patternColumnCount, columns, available}));
    }
    const int count = m_job.set.WidthByPattern ? int(widths.size()) : columns;
    if (count <= 0)
        return;
    // A hidden column stays hidden with its width: fitting would show it, and a width
    // set on it would be the one it comes back with.
    const int first = range.left - 1;
    const QSet<int> hidden = sheet.hiddenColumns(CalcRangeAddress{first, range.T - 1, first + count - 1,
                                                                  std::max(range.T, range.B) - 1});
    for (int start = 0; start < count;) {
        if (hidden.contains(first + start)) {
            ++start;
            continue;
        }
        int end = start + 1;
        while (end < count && !hidden.contains(first + end))
            ++end;
        if (m_job.set.WidthByPattern)
            sheet.setColumnWidths(first + start, widths.mid(start, end - start));
        else
            sheet.setOptimalWidths(first + start, end - start);
        start = end;
    }
}

void CalcFormatter::writeResult(CalcDocument &document, const CalcStorePlan &plan, DocumentStore &store)
{
    if (const std::optional<QString> refusal = store.prepareResult())
        throw CalcRefusal(*refusal);
    try {
        // Never onto the target itself: the result is complete before anything there
        // is touched. An HTML table named .xls is written as a real .xls too: the
        // office cannot write HTML back as it read it.
        document.storeToUrl(CalcPaths::documentUrl(store.resultPath()), plan.args);
    } catch (const CalcError &e) {
        qCWarning(lcCalc).noquote() << "the store failed:" << e.message();
        throw CalcRefusal(StoreFailure::reason(store.resultPath()));
    }
}

void CalcFormatter::placeResult(DocumentStore &store, bool ownFormat)
{
    if (const std::optional<QString> failure = store.place(ownFormat))
        throw CalcRefusal(*failure);
    for (const DocumentStore::Trashed &moved : store.trashed()) {
        const QString text = QStringLiteral("was in the way and has been moved to the trash: ") + moved.where;
        if (m_job.set.Log)
            m_host.writeLogLine(moved.path, text);
        m_host.notice(moved.path + QLatin1Char(' ') + text);
    }
}

int CalcFormatter::fontHeight() const
{
    const QString &text = m_job.set.FontSize;
    if (text.isEmpty())
        return DefaultFontHeight;
    bool ok = false;
    const int size = text.toInt(&ok);
    if (!ok)
        throw CalcError(QStringLiteral("the font size \"%1\" is not a number").arg(text));
    return size > 0 ? size : DefaultFontHeight;
}

int CalcFormatter::weight(bool bold)
{
    return bold ? CalcCellProperties::WeightBold : CalcCellProperties::WeightNormal;
}
