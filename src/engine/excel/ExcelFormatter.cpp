#include "ExcelFormatter.h"

#include "AutomationPaths.h"
#include "ColumnNames.h"
#include "DocumentRefusal.h"
#include "ExcelApplication.h"
#include "ExcelBorders.h"
#include "ExcelColumns.h"
#include "ExcelFileFormats.h"
#include "ExcelFont.h"
#include "ExcelInterior.h"
#include "ExcelPageSetup.h"
#include "ExcelRange.h"
#include "ExcelSession.h"
#include "ExcelSheets.h"
#include "ExcelStorePlan.h"
#include "ExcelWorkbook.h"
#include "ExcelWorksheet.h"
#include "ResultStore.h"
#include "WordTableExport.h"

#include <algorithm>
#include <cwctype>
#include <stdexcept>
#include <utility>

namespace {

constexpr int DefaultFontSize = 10;
constexpr double ApaMargin = 72;          // one inch in points

// Excel's numbers as this program passes them: the documented constants of its object
// model (XlHAlign, XlVAlign, XlLineStyle, XlColorIndex).
enum HorizontalAlignment { AlignGeneral = 1, AlignLeft = -4131, AlignCentre = -4108 };
enum VerticalAlignment { AlignTop = -4160, AlignMiddle = -4108 };
enum LineStyle { LineNone = -4142, LineContinuous = 1 };
const wchar_t *const ColorIndexNone = L"-4142";
// Borders(1), (2), (3): the left, right and top line of every cell of the range.
enum BorderIndex { LeftLines = 1, RightLines = 2, TopLines = 3 };
enum PageOrientation { ExcelPortrait = 1, ExcelLandscape = 2 };
enum Interleave { NoInterleave = 0, Lines = 1, Columns = 2 };

std::string narrow(const std::wstring &text)
{
    std::string result;
    for (wchar_t c : text)
        result += (c > 0 && c < 128) ? char(c) : '?';
    return result;
}

// A whole number of at most nine digits after an optional sign.
std::optional<int> parseInteger(const std::wstring &text)
{
    std::size_t i = (!text.empty() && (text[0] == L'-' || text[0] == L'+')) ? 1 : 0;
    if (text.size() == i || text.size() - i > 9)
        return std::nullopt;
    int value = 0;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (text[k] < L'0' || text[k] > L'9')
            return std::nullopt;
        value = value * 10 + (text[k] - L'0');
    }
    return text[0] == L'-' ? -value : value;
}

// A column of the manual range: one to three letters (a set file may hold lower case).
std::wstring columnLetters(const std::wstring &text)
{
    std::wstring upper;
    for (wchar_t c : text)
        upper += (c >= L'a' && c <= L'z') ? wchar_t(c - L'a' + L'A') : c;
    const bool letters = std::all_of(upper.begin(), upper.end(), [](wchar_t c) { return c >= L'A' && c <= L'Z'; });
    if (upper.empty() || upper.size() > 3 || !letters)
        throw std::invalid_argument("the column \"" + narrow(text) + "\" is no column name");
    return upper;
}

int rowNumber(const std::wstring &text)
{
    const std::optional<int> number = parseInteger(text);
    if (!number)
        throw std::invalid_argument("the row \"" + narrow(text) + "\" is not a number");
    return *number;
}

std::wstring address(const std::wstring &column1, int row1, const std::wstring &column2, int row2)
{
    return column1 + std::to_wstring(row1) + L':' + column2 + std::to_wstring(row2);
}

std::wstring lowerExtension(const std::wstring &path)
{
    const std::wstring name = AutomationPaths::fileName(path);
    const std::size_t dot = name.rfind(L'.');
    std::wstring extension = dot == std::wstring::npos ? std::wstring() : name.substr(dot + 1);
    for (wchar_t &c : extension)
        c = wchar_t(std::towlower(c));
    return extension;
}

// The header centre with every page-number code ("&P", "&&" being a literal ampersand)
// taken out and one put at its end: the user's own text stays, and formatting a document
// again adds no second number.
std::wstring withOnePageNumber(const std::wstring &centre)
{
    std::wstring kept;
    for (std::size_t i = 0; i < centre.size(); ++i) {
        if (centre[i] == L'&' && i + 1 < centre.size()) {
            if (centre[i + 1] == L'P' || centre[i + 1] == L'p') {
                ++i;
                continue;
            }
            kept += centre[i];
            kept += centre[++i];
            continue;
        }
        kept += centre[i];
    }
    return kept + L"&P";
}

} // namespace

ExcelFormatter::ExcelFormatter(const ExcelJob &job, WordOffice *word)
    : m_job(job)
    , m_word(word)
{
}

ExcelFormatOutcome ExcelFormatter::formatDocument(ExcelOffice &excel, const std::wstring &path, int sheet,
                                                  ResultStore &store)
{
    Pass pass;
    pass.sheet = sheet;
    return formatSheets(excel, path, pass, store);
}

ExcelFormatOutcome ExcelFormatter::formatSheets(ExcelOffice &excel, const std::wstring &path, const Pass &pass,
                                                ResultStore &store)
{
    using Kind = ExcelFormatOutcome::Kind;
    std::optional<ExcelSession> session;
    struct Detach
    {
        ExcelSession *&session;
        ~Detach() { session = nullptr; }
    } detach{m_session};
    try {
        const std::wstring documentPath = AutomationPaths::documentPath(path);
        // What cannot be stored is refused before Excel starts.
        const ExcelStorePlan plan = ExcelStorePlan::make(documentPath, m_job);
        if (m_job.DocTable && !m_word)
            throw DocumentRefusal("Word is not installed");
        session.emplace(excel);
        m_session = &*session;
        return run(documentPath, plan, pass, store);
    } catch (const DocumentRefusal &e) {
        return {Kind::Failed, e.what(), e.what(), {}};
    } catch (const std::exception &e) {
        ExcelFormatOutcome failed{Kind::Failed, e.what(), {}, {}};
        if (session) {
            session->end();
            if (session->endedByWatchdog())
                failed.reason = "Excel stopped responding (waiting for an answer nobody could give) and was ended";
        }
        return failed;
    } catch (...) {
        return {Kind::Failed, "unknown failure", {}, {}};
    }
}

ExcelFormatOutcome ExcelFormatter::run(const std::wstring &documentPath, const ExcelStorePlan &plan, const Pass &pass,
                                       ResultStore &store)
{
    using Kind = ExcelFormatOutcome::Kind;
    try {
        m_session->open(documentPath);
    } catch (const std::exception &e) {
        if (m_session->endedByWatchdog())
            throw;
        throw DocumentRefusal(std::string("Excel cannot open it (damaged, of another kind, or protected by a "
                                          "password): ")
                              + e.what());
    }
    checkLoaded(documentPath);

    // Every range is found before anything is written.
    std::vector<Target> targets;
    for (const int sheet : sheetsOf(pass)) {
        m_sheet = sheet;
        targets.push_back({sheet, findRange()});
    }
    ExcelFormatOutcome outcome{Kind::NothingToFormat, {}, {}, {}};
    bool anyFormatted = false;
    for (const Target &target : targets) {
        m_sheet = target.sheet;
        if (target.range) {
            format(*target.range);
            anyFormatted = true;
        } else {
            outcome.emptySheets.push_back(target.sheet);
        }
        if (pass.sheetDone && !pass.sheetDone(target.sheet))
            return {Kind::Abandoned, {}, {}, outcome.emptySheets};
    }
    if (!anyFormatted)
        return outcome;
    writeResult(targets, plan, documentPath, store);
    // The result is the document's own format only when Excel read the document in the
    // very format it was now written in.
    const bool ownFormat = !m_job.DocTable && m_session->fileFormat() == plan.fileFormat;
    m_session->closeWorkbook();
    store.place(ownFormat);
    outcome.kind = m_job.DocTable ? Kind::Exported : Kind::Stored;
    return outcome;
}

void ExcelFormatter::checkLoaded(const std::wstring &documentPath) const
{
    // A damaged workbook that Excel falls back to reading as text would be stored over
    // the original as that misreading. A workbook of another real format (a web
    // application's HTML table named .xls) is read whole and formatted like any other.
    if (ExcelFileFormats::isText(m_session->fileFormat())
        && ExcelFileFormats::promisesWorkbook(lowerExtension(documentPath)))
        throw DocumentRefusal("Excel reads it only as plain text, not as the spreadsheet its name promises");
}

std::vector<int> ExcelFormatter::sheetsOf(const Pass &pass)
{
    const int count = m_session->workbook()->sheets()->count();
    std::vector<int> sheets;
    if (pass.sheet) {
        if (*pass.sheet < 1 || *pass.sheet > count)
            throw DocumentRefusal("it has no sheet " + std::to_string(*pass.sheet) + " (its last sheet is sheet "
                                  + std::to_string(count) + ")");
        sheets.push_back(*pass.sheet);
        return sheets;
    }
    std::vector<std::wstring> names;
    for (int sheet = 1; sheet <= count; ++sheet) {
        names.push_back(m_session->sheet(sheet)->name());
        sheets.push_back(sheet);
    }
    if (pass.opened)
        pass.opened(names);
    return sheets;
}

std::optional<ExcelFormatter::Range> ExcelFormatter::findRange()
{
    Range range;
    if (m_job.RangeAuto) {
        // A sheet's grid is its file format's: a .xls has 256 columns in every Excel.
        range.C = countFilled(true, m_session->lastColumn(m_job.MaxScanColumns));
        if (range.C == 0)
            return std::nullopt;
        range.N = countFilled(false, m_session->lastRow(m_job.MaxScanRows));
        if (range.N == 0)
            return std::nullopt;
        range.L = L"A";
        range.R = ColumnNames::fromNumber(range.C);
        range.T = 1;
        range.B = range.N;
    } else {
        range.L = columnLetters(m_job.LeftColumn);
        range.R = columnLetters(m_job.RightColumn);
        // Compared as column numbers: by their texts "AA" would come before "B".
        if (ColumnNames::toNumber(range.L) > ColumnNames::toNumber(range.R))
            std::swap(range.L, range.R);
        range.T = rowNumber(m_job.TopDigit);
        range.B = rowNumber(m_job.BottomDigit);
        if (range.T > range.B)
            std::swap(range.T, range.B);
    }
    range.left = ColumnNames::toNumber(range.L);
    range.right = ColumnNames::toNumber(range.R);
    return range;
}

int ExcelFormatter::countFilled(bool alongFirstRow, int bound)
{
    // A cell counts while its value as text is not empty; the first one that is ends
    // the count.
    const std::unique_ptr<ExcelWorksheet> sheet = m_session->sheet(m_sheet);
    for (int i = 1; i <= bound; ++i) {
        const std::unique_ptr<ExcelRange> cell = alongFirstRow ? sheet->cells(1, i) : sheet->cells(i, 1);
        if (cell->value().text.empty())
            return i - 1;
    }
    return bound;
}

void ExcelFormatter::format(const Range &range)
{
    const std::wstring whole = address(range.L, range.T, range.R, range.B);
    const std::wstring top = address(range.L, range.T, range.R, range.T);

    if (!m_job.FontAsIs) {
        // No font chosen in the list: the cells keep theirs rather than get a nameless one.
        if (!m_job.FontName.empty())
            cells(whole)->font()->setName(m_job.FontName);
        cells(whole)->font()->setSize(fontSize());
        cells(whole)->font()->setBold(m_job.Bold);
        cells(whole)->font()->setItalic(m_job.Italic);
        cells(whole)->font()->setColor(m_job.FontColor);
    }

    cells(top)->font()->setBold(m_job.BoldTopLine);
    cells(top)->setHorizontalAlignment(m_job.BoldTopLine ? AlignCentre : AlignLeft);

    if (const int orientation = excelOrientation())
        pageSetup()->setOrientation(orientation);

    cells(whole)->setWrapText(m_job.WordWrap);
    cells(whole)->setVerticalAlignment(m_job.WordWrap ? AlignMiddle : AlignTop);

    boldEdges(range);
    header();

    if (m_job.Borders)
        cells(whole)->borders()->setLineStyle(LineContinuous);
    if (m_job.APAStyle) {
        cells(whole)->borders()->setItemLineStyle(LeftLines, LineNone);
        cells(whole)->borders()->setItemLineStyle(RightLines, LineNone);
        cells(whole)->borders()->setItemLineStyle(TopLines, LineContinuous);
    }

    apaAlignment(range);
    if (m_job.APAStyle) {
        pageSetup()->setCenterHorizontally(true);
        pageSetup()->setLeftMargin(ApaMargin);
        pageSetup()->setRightMargin(ApaMargin);
        pageSetup()->setTopMargin(ApaMargin);
        pageSetup()->setBottomMargin(ApaMargin);
    }

    interleave(range);
    columnWidths(range);
}

void ExcelFormatter::header()
{
    pageSetup()->setLeftHeader(m_job.FName ? L"&F" : L"");
    // The centre is the user's own text: page numbering makes it end with exactly one
    // page number; without it the centre is left alone.
    if (m_job.PageNumeration)
        pageSetup()->setCenterHeader(withOnePageNumber(pageSetup()->centerHeader()));
}

void ExcelFormatter::boldEdges(const Range &range)
{
    // The right column starts below the top row; with a one-row range its address
    // runs upwards and is passed as it is.
    cells(address(range.L, range.T, range.L, range.B))->font()->setBold(m_job.BoldLeftFirst);
    cells(address(range.R, range.T + 1, range.R, range.B))->font()->setBold(m_job.BoldLastRight);
    cells(address(range.L, range.B, range.R, range.B))->font()->setBold(m_job.BoldLastLine);

    auto corner = [&](const std::wstring &column, int row, bool bold) {
        if (bold)
            cells(address(column, row, column, row))->font()->setBold(true);
    };
    corner(range.L, range.T, m_job.BoldTopLine || m_job.BoldLeftFirst);
    corner(range.R, range.T, m_job.BoldTopLine || m_job.BoldLastRight);
    corner(range.L, range.B, m_job.BoldLastLine || m_job.BoldLeftFirst);
    corner(range.R, range.B, m_job.BoldLastLine || m_job.BoldLastRight);
}

void ExcelFormatter::apaAlignment(const Range &range)
{
    // Each column below the top row takes the alignment its second cell's type asks
    // for: texts to the left, numbers as Excel aligns them. Only for a range found
    // automatically.
    if (!m_job.APAStyle || !range.automatic())
        return;
    for (int k = 1; k <= range.C; ++k) {
        const VariantType type = m_session->sheet(m_sheet)->cells(2, k)->value().type;
        const std::wstring column = ColumnNames::fromNumber(k);
        if (type == VariantType::Text)
            cells(address(column, 2, column, range.B))->setHorizontalAlignment(AlignLeft);
        else if (type == VariantType::Number)
            cells(address(column, 2, column, range.B))->setHorizontalAlignment(AlignGeneral);
    }
}

void ExcelFormatter::interleave(const Range &range)
{
    // Rows and columns are numbered as in the sheet: the even ones below the top row,
    // or right of the left column, take the colour.
    switch (m_job.InterLeave) {
    case NoInterleave:
        cells(address(range.L, range.T, range.R, range.B))
            ->interior()
            ->setColorIndex(AutomationValue::fromNumber(ColorIndexNone));
        break;
    case Lines:
        for (int r = range.T + 1; r <= range.B; ++r) {
            if (r % 2 == 0)
                cells(address(range.L, r, range.R, r))->interior()->setColor(m_job.InterLeaveColor);
        }
        break;
    case Columns:
        for (int c = range.left + 1; c <= range.right; ++c) {
            if (c % 2 == 0) {
                const std::wstring column = ColumnNames::fromNumber(c);
                cells(address(column, range.T, column, range.B))->interior()->setColor(m_job.InterLeaveColor);
            }
        }
        break;
    default:
        break;
    }
}

void ExcelFormatter::columnWidths(const Range &range)
{
    if (!m_job.WidthByPattern) {
        cells(address(range.L, range.T, range.R, range.B))->columns()->autoFit();
        return;
    }
    const int columns = range.automatic() ? range.C : range.right - range.left + 1;
    const int available = std::max(0, int(m_job.PatternWidths.size()) - 1);
    const int count = std::min({m_job.PatternColumnCount, columns, available});
    for (int i = 1; i <= count; ++i)
        m_session->sheet(m_sheet)->columns(range.left + i - 1)->setColumnWidth(m_job.PatternWidths[i]);
}

void ExcelFormatter::writeResult(const std::vector<Target> &targets, const ExcelStorePlan &plan,
                                 const std::wstring &documentPath, ResultStore &store)
{
    if (m_job.DocTable) {
        exportToWord(targets, documentPath, store);
        return;
    }
    // Never onto the target itself: the result is complete before anything there is
    // touched; an in-place store too is a SaveAs to the result.
    const std::wstring result = store.prepareResult();
    try {
        m_session->workbook()->saveAs(result, std::to_wstring(plan.fileFormat));
    } catch (const std::exception &e) {
        if (m_session->endedByWatchdog())
            throw;
        throw DocumentRefusal(store.writeFailure() + " (" + e.what() + ")");
    }
}

void ExcelFormatter::exportToWord(const std::vector<Target> &targets, const std::wstring &documentPath,
                                  ResultStore &store)
{
    // The title is the name of the base path without its last extension; the base path
    // ends in ".txt" when Unicode text is chosen.
    std::wstring base = AutomationPaths::withoutExtension(documentPath);
    if (m_job.SaveAsCode == ExcelFileFormats::UnicodeText)
        base += L".txt";
    const std::wstring title = AutomationPaths::withoutExtension(AutomationPaths::fileName(base));
    WordTableExport document(*m_word, m_job.APAStyle, excelOrientation());
    for (const Target &target : targets) {
        if (!target.range)
            continue;
        m_sheet = target.sheet;
        const Range &range = *target.range;
        cells(address(range.L, range.T, range.R, range.B))->copy();
        document.addTable(title);
    }
    const std::wstring result = store.prepareResult();
    try {
        document.saveAs(result);
    } catch (const DocumentRefusal &) {
        throw;
    } catch (const std::exception &e) {
        throw DocumentRefusal(store.writeFailure() + " (" + e.what() + ")");
    }
    document.end();
    // Excel lets go of the copied cells before it quits: it would otherwise ask whether
    // to keep a large clipboard, which alerts-off does not answer.
    m_session->application().setCutCopyMode(false);
}

std::unique_ptr<ExcelRange> ExcelFormatter::cells(const std::wstring &rangeAddress)
{
    return m_session->sheet(m_sheet)->range(rangeAddress);
}

std::unique_ptr<ExcelPageSetup> ExcelFormatter::pageSetup()
{
    return m_session->sheet(m_sheet)->pageSetup();
}

int ExcelFormatter::fontSize() const
{
    if (m_job.FontSize.empty())
        return DefaultFontSize;
    const std::optional<int> size = parseInteger(m_job.FontSize);
    if (!size)
        throw std::invalid_argument("the font size \"" + narrow(m_job.FontSize) + "\" is not a number");
    return *size > 0 ? *size : DefaultFontSize;
}

int ExcelFormatter::excelOrientation() const
{
    switch (m_job.Orientation) {
    case 0:
        return ExcelPortrait;
    case 1:
        return ExcelLandscape;
    default:
        return 0;   // left as it is
    }
}
