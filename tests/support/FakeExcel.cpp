#include "FakeExcel.h"

#include "AutomationError.h"
#include "ColumnNames.h"
#include "ExcelApplication.h"
#include "ExcelBorders.h"
#include "ExcelColumns.h"
#include "ExcelFont.h"
#include "ExcelInterior.h"
#include "ExcelPageSetup.h"
#include "ExcelRange.h"
#include "ExcelSheets.h"
#include "ExcelWorkbook.h"
#include "ExcelWorksheet.h"
#include "FakeStandIn.h"

#include <algorithm>
#include <cwchar>
#include <functional>

namespace {

const std::string StandIn = "FAKE-EXCEL-WORKBOOK";

bool among(int value, std::initializer_list<int> allowed)
{
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

// A rectangle of cells, in order.
struct Rect
{
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;

    void forEach(const std::function<void(int, int)> &visit) const
    {
        for (int row = top; row <= bottom; ++row) {
            for (int column = left; column <= right; ++column)
                visit(row, column);
        }
    }
};

// Where an object of the simulation points: an instance, one of its workbooks and a
// sheet of it. Every call checks that they still exist.
class Target
{
public:
    Target(FakeExcel &excel, std::shared_ptr<FakeExcelInstance> instance, int workbook = -1, int sheet = -1)
        : m_excel(excel)
        , m_instance(std::move(instance))
        , m_workbook(workbook)
        , m_sheet(sheet)
    {
    }

    void check(const std::string &member) const
    {
        m_excel.check(member);
        if (m_instance->quit)
            throw AutomationError(member, "the instance has quit");
        if (m_instance->process->ended())
            throw AutomationError(member, "the remote procedure call failed: the server process has ended");
        if (m_workbook >= 0 && m_instance->workbooks.at(m_workbook).closed)
            throw AutomationError(member, "the workbook is closed");
        if (m_excel.promptOn.count(member))
            prompt(member, "a question of " + member);
        m_instance->process->tick();
    }
    [[noreturn]] void prompt(const std::string &member, const std::string &question) const
    {
        m_instance->process->prompt(member, question);
    }
    FakeExcel &excel() const { return m_excel; }
    FakeExcelInstance &instance() const { return *m_instance; }
    FakeExcelOpenWorkbook &workbook() const { return m_instance->workbooks.at(m_workbook); }
    FakeExcelSheet &sheet() const { return workbook().data.sheets.at(m_sheet); }
    int lastColumn() const { return workbook().data.lastColumn(m_excel.majorVersion()); }
    int lastRow() const { return workbook().data.lastRow(m_excel.majorVersion()); }
    int workbookIndex() const { return m_workbook; }
    Target at(int workbook, int sheet = -1) const { return Target(m_excel, m_instance, workbook, sheet); }

private:
    FakeExcel &m_excel;
    std::shared_ptr<FakeExcelInstance> m_instance;
    int m_workbook;
    int m_sheet;
};

// An A1-style part such as "AB12"; false when it is none or lies outside the grid.
bool parseCell(const std::wstring &text, const Target &target, int &row, int &column)
{
    std::size_t letters = 0;
    while (letters < text.size() && text[letters] >= L'A' && text[letters] <= L'Z')
        ++letters;
    if (letters == 0 || letters > 3 || letters == text.size() || text.size() - letters > 7)
        return false;
    row = 0;
    for (std::size_t i = letters; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9')
            return false;
        row = row * 10 + (text[i] - L'0');
    }
    column = ColumnNames::toNumber(text.substr(0, letters));
    return row >= 1 && row <= target.lastRow() && column >= 1 && column <= target.lastColumn();
}

class FakeFont : public ExcelFont
{
public:
    FakeFont(Target target, Rect rect) : m_target(std::move(target)), m_rect(rect) {}

    void setName(const std::wstring &name) override { write("Font.Name", [&](FakeExcelCell &c) { c.fontName = name; }); }
    void setSize(int size) override { write("Font.Size", [&](FakeExcelCell &c) { c.fontSize = size; }); }
    void setBold(bool bold) override { write("Font.Bold", [&](FakeExcelCell &c) { c.bold = bold; }); }
    void setItalic(bool italic) override { write("Font.Italic", [&](FakeExcelCell &c) { c.italic = italic; }); }
    void setColor(std::uint32_t color) override { write("Font.Color", [&](FakeExcelCell &c) { c.fontColor = color; }); }

private:
    void write(const std::string &member, const std::function<void(FakeExcelCell &)> &change)
    {
        m_target.check(member);
        m_rect.forEach([&](int row, int column) { change(m_target.sheet().cellRef(row, column)); });
    }

    Target m_target;
    Rect m_rect;
};

// XlLineStyle, and the 0 of the older numbering, read as no line.
int lineStyle(const std::string &member, int style)
{
    if (style == 0)
        return FakeExcelNoLine;
    if (!among(style, {1, -4115, 4, 5, -4118, -4119, FakeExcelNoLine, 13}))
        throw AutomationError(member, "Unable to set the LineStyle property of the Border class");
    return style;
}

class FakeBorders : public ExcelBorders
{
public:
    FakeBorders(Target target, Rect rect) : m_target(std::move(target)), m_rect(rect) {}

    void setLineStyle(int style) override
    {
        m_target.check("Borders.LineStyle");
        const int line = lineStyle("Borders.LineStyle", style);
        for (int index : {7, 8, 9, 10, 11, 12})
            draw(index, line);
    }
    void setItemLineStyle(int index, int style) override
    {
        m_target.check("Borders.Item");
        if (index < 1 || index > 12)
            throw AutomationError("Borders.Item", "no such border");
        draw(index, lineStyle("Border.LineStyle", style));
    }

private:
    // Borders(1) to (4): the left, right, top or bottom line of every cell; (5), (6):
    // the diagonals (not kept); (7) to (12), as documented: the range's left, top,
    // bottom and right edge, its inner vertical and horizontal lines.
    void draw(int index, int line)
    {
        FakeExcelSheet &sheet = m_target.sheet();
        const Rect &r = m_rect;
        auto vertical = [&](int firstBoundary, int lastBoundary) {
            for (int row = r.top; row <= r.bottom; ++row) {
                for (int c = firstBoundary; c <= lastBoundary; ++c)
                    sheet.verticalLines[{row, c}] = line;
            }
        };
        auto horizontal = [&](int firstBoundary, int lastBoundary) {
            for (int b = firstBoundary; b <= lastBoundary; ++b) {
                for (int column = r.left; column <= r.right; ++column)
                    sheet.horizontalLines[{b, column}] = line;
            }
        };
        switch (index) {
        case 1: vertical(r.left - 1, r.right - 1); break;
        case 2: vertical(r.left, r.right); break;
        case 3: horizontal(r.top - 1, r.bottom - 1); break;
        case 4: horizontal(r.top, r.bottom); break;
        case 7: vertical(r.left - 1, r.left - 1); break;
        case 8: horizontal(r.top - 1, r.top - 1); break;
        case 9: horizontal(r.bottom, r.bottom); break;
        case 10: vertical(r.right, r.right); break;
        case 11: vertical(r.left, r.right - 1); break;
        case 12: horizontal(r.top, r.bottom - 1); break;
        default: break;
        }
    }

    Target m_target;
    Rect m_rect;
};

class FakeInterior : public ExcelInterior
{
public:
    FakeInterior(Target target, Rect rect) : m_target(std::move(target)), m_rect(rect) {}

    void setColorIndex(const AutomationValue &index) override
    {
        m_target.check("Interior.ColorIndex");
        std::optional<std::uint32_t> fill;
        if (index.type != VariantType::Null) {
            const int number = index.type == VariantType::Number ? int(std::wcstol(index.text.c_str(), nullptr, 10)) : 0;
            // A palette index keeps a mark of itself; xlColorIndexNone and -Automatic
            // remove the background.
            if (number >= 1 && number <= 56)
                fill = 0x01000000u | std::uint32_t(number);
            else if (number != -4142 && number != -4105)
                throw AutomationError("Interior.ColorIndex", "Unable to set the ColorIndex property of the Interior class");
        }
        m_rect.forEach([&](int row, int column) { m_target.sheet().cellRef(row, column).fill = fill; });
    }
    void setColor(std::uint32_t color) override
    {
        m_target.check("Interior.Color");
        m_rect.forEach([&](int row, int column) { m_target.sheet().cellRef(row, column).fill = color; });
    }

private:
    Target m_target;
    Rect m_rect;
};

class FakeColumns : public ExcelColumns
{
public:
    FakeColumns(Target target, Rect rect) : m_target(std::move(target)), m_rect(rect) {}

    double columnWidth() override
    {
        m_target.check("Columns.ColumnWidth");
        return m_target.sheet().width(m_rect.left);
    }
    void setColumnWidth(int width) override
    {
        m_target.check("Columns.ColumnWidth");
        if (width < 0 || width > 255)
            throw AutomationError("Columns.ColumnWidth", "Unable to set the ColumnWidth property of the Range class");
        for (int column = m_rect.left; column <= m_rect.right; ++column)
            m_target.sheet().widths[column] = width;
    }
    void autoFit() override
    {
        // Each column as wide as its longest text within the range.
        m_target.check("Columns.AutoFit");
        FakeExcelSheet &sheet = m_target.sheet();
        for (int column = m_rect.left; column <= m_rect.right; ++column) {
            std::size_t longest = 0;
            for (int row = m_rect.top; row <= m_rect.bottom; ++row)
                longest = std::max(longest, sheet.cell(row, column).value.text.size());
            sheet.widths[column] = double(std::max<std::size_t>(longest, 1)) + 0.71;
            sheet.autoFitted.insert(column);
        }
    }

private:
    Target m_target;
    Rect m_rect;
};

class FakeRange : public ExcelRange
{
public:
    FakeRange(Target target, Rect rect) : m_target(std::move(target)), m_rect(rect) {}

    AutomationValue value() override
    {
        m_target.check("Range.Value");
        return m_target.sheet().cell(m_rect.top, m_rect.left).value;
    }
    std::unique_ptr<ExcelFont> font() override
    {
        m_target.check("Range.Font");
        return std::make_unique<FakeFont>(m_target, m_rect);
    }
    void setHorizontalAlignment(int alignment) override
    {
        // XlHAlign, and the 2 (left) and 3 (centre) of the older numbering.
        if (!among(alignment, {1, -4131, -4108, -4152, 5, -4130, 7, -4117, 2, 3}))
            refuse("Range.HorizontalAlignment");
        write("Range.HorizontalAlignment", [&](FakeExcelCell &c) { c.horizontalAlignment = alignment; });
    }
    void setVerticalAlignment(int alignment) override
    {
        // XlVAlign, and the 1 (top) and 2 (centre) of the older numbering.
        if (!among(alignment, {-4160, -4108, -4107, -4130, -4117, 1, 2}))
            refuse("Range.VerticalAlignment");
        write("Range.VerticalAlignment", [&](FakeExcelCell &c) { c.verticalAlignment = alignment; });
    }
    void setWrapText(bool wrap) override { write("Range.WrapText", [&](FakeExcelCell &c) { c.wrapText = wrap; }); }
    std::unique_ptr<ExcelBorders> borders() override
    {
        m_target.check("Range.Borders");
        return std::make_unique<FakeBorders>(m_target, m_rect);
    }
    std::unique_ptr<ExcelInterior> interior() override
    {
        m_target.check("Range.Interior");
        return std::make_unique<FakeInterior>(m_target, m_rect);
    }
    std::unique_ptr<ExcelColumns> columns() override
    {
        m_target.check("Range.Columns");
        return std::make_unique<FakeColumns>(m_target, m_rect);
    }
    void copy() override
    {
        m_target.check("Range.Copy");
        std::vector<std::vector<std::wstring>> table;
        for (int row = m_rect.top; row <= m_rect.bottom; ++row) {
            table.emplace_back();
            for (int column = m_rect.left; column <= m_rect.right; ++column)
                table.back().push_back(m_target.sheet().cell(row, column).value.text);
        }
        m_target.excel().clipboard.table = table;
        m_target.instance().cutCopyMode = true;
    }

private:
    void write(const std::string &member, const std::function<void(FakeExcelCell &)> &change)
    {
        m_target.check(member);
        m_rect.forEach([&](int row, int column) { change(m_target.sheet().cellRef(row, column)); });
    }
    [[noreturn]] void refuse(const std::string &member)
    {
        m_target.check(member);
        throw AutomationError(member, "Unable to set the property of the Range class");
    }

    Target m_target;
    Rect m_rect;
};

class FakePageSetup : public ExcelPageSetup
{
public:
    explicit FakePageSetup(Target target) : m_target(std::move(target)) {}

    void setOrientation(int orientation) override
    {
        if (orientation != 1 && orientation != 2)
            throw AutomationError("PageSetup.Orientation", "no such orientation");
        page("PageSetup.Orientation").orientation = orientation;
    }
    void setLeftHeader(const std::wstring &text) override { page("PageSetup.LeftHeader").leftHeader = text; }
    std::wstring centerHeader() override { return page("PageSetup.CenterHeader").centerHeader; }
    void setCenterHeader(const std::wstring &text) override { page("PageSetup.CenterHeader").centerHeader = text; }
    void setCenterHorizontally(bool centre) override
    {
        page("PageSetup.CenterHorizontally").centerHorizontally = centre;
    }
    void setLeftMargin(double points) override { page("PageSetup.LeftMargin").leftMargin = points; }
    void setRightMargin(double points) override { page("PageSetup.RightMargin").rightMargin = points; }
    void setTopMargin(double points) override { page("PageSetup.TopMargin").topMargin = points; }
    void setBottomMargin(double points) override { page("PageSetup.BottomMargin").bottomMargin = points; }

private:
    FakeExcelPageSetup &page(const std::string &member)
    {
        m_target.check(member);
        return m_target.sheet().pageSetup;
    }

    Target m_target;
};

class FakeWorksheet : public ExcelWorksheet
{
public:
    explicit FakeWorksheet(Target target) : m_target(std::move(target)) {}

    std::wstring name() override
    {
        m_target.check("Worksheet.Name");
        return m_target.sheet().name;
    }
    std::unique_ptr<ExcelRange> cells(int row, int column) override
    {
        m_target.check("Worksheet.Cells");
        if (row < 1 || row > m_target.lastRow() || column < 1 || column > m_target.lastColumn())
            throw AutomationError("Worksheet.Cells", "outside the grid");
        return std::make_unique<FakeRange>(m_target, Rect{row, column, row, column});
    }
    std::unique_ptr<ExcelRange> range(const std::wstring &address) override
    {
        // Excel puts the corners of an address in order: "C2:C1" is C1:C2.
        m_target.check("Worksheet.Range");
        const std::size_t colon = address.find(L':');
        int row1 = 0, column1 = 0, row2 = 0, column2 = 0;
        if (colon == std::wstring::npos || !parseCell(address.substr(0, colon), m_target, row1, column1)
            || !parseCell(address.substr(colon + 1), m_target, row2, column2))
            throw AutomationError("Worksheet.Range", "no valid address");
        return std::make_unique<FakeRange>(m_target, Rect{std::min(row1, row2), std::min(column1, column2),
                                                          std::max(row1, row2), std::max(column1, column2)});
    }
    std::unique_ptr<ExcelColumns> columns(int number) override
    {
        m_target.check("Worksheet.Columns");
        if (number < 1 || number > m_target.lastColumn())
            throw AutomationError("Worksheet.Columns", "outside the grid");
        return std::make_unique<FakeColumns>(m_target, Rect{1, number, m_target.lastRow(), number});
    }
    std::unique_ptr<ExcelPageSetup> pageSetup() override
    {
        m_target.check("Worksheet.PageSetup");
        return std::make_unique<FakePageSetup>(m_target);
    }

private:
    Target m_target;
};

class FakeSheets : public ExcelSheets
{
public:
    explicit FakeSheets(Target target) : m_target(std::move(target)) {}

    int count() override
    {
        m_target.check("Sheets.Count");
        return int(m_target.workbook().data.sheets.size());
    }
    std::unique_ptr<ExcelWorksheet> item(int number) override
    {
        m_target.check("Sheets.Item");
        if (number < 1 || number > int(m_target.workbook().data.sheets.size()))
            throw AutomationError("Sheets.Item", "no such sheet");
        return std::make_unique<FakeWorksheet>(m_target.at(m_target.workbookIndex(), number - 1));
    }

private:
    Target m_target;
};

// The documented file formats SaveAs takes (XlFileFormat), the newer ones from Excel 2007.
bool documentedFormat(int format, int excelMajorVersion)
{
    if (among(format, {50, 51, 52, 53, 54, 55, 56, 60, 61, 62}))
        return excelMajorVersion > 11;
    return among(format, {-4158, -4143, 2,  4,  5,  6,  7,  8,  9,  11, 14, 15, 16, 17, 18, 19, 20, 21, 22,
                          23,    24,    25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 38, 39, 40, 41, 42,
                          43,    44,    45, 46});
}

// The file SaveAs writes: a name whose file part has no dot gets the extension of the
// format (as far as this simulation knows it).
std::wstring savedName(const std::wstring &fileName, int format)
{
    static const std::map<int, std::wstring> extensions = {
        {-4143, L".xls"}, {6, L".csv"}, {39, L".xls"}, {42, L".txt"}, {51, L".xlsx"}, {56, L".xls"}, {60, L".ods"}};
    const std::size_t slash = fileName.find_last_of(L"/\\");
    const std::size_t dot = fileName.rfind(L'.');
    const bool hasExtension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    const auto it = extensions.find(format);
    return hasExtension || it == extensions.end() ? fileName : fileName + it->second;
}

class FakeWorkbook : public ExcelWorkbook
{
public:
    explicit FakeWorkbook(Target target) : m_target(std::move(target)) {}

    std::unique_ptr<ExcelSheets> sheets() override
    {
        m_target.check("Workbook.Sheets");
        return std::make_unique<FakeSheets>(m_target);
    }
    int fileFormat() override
    {
        m_target.check("Workbook.FileFormat");
        return m_target.workbook().data.fileFormat;
    }
    void close() override
    {
        m_target.check("Workbook.Close");
        m_target.workbook().closed = true;
    }
    void saveAs(const std::wstring &fileName, const std::wstring &formatCode) override
    {
        m_target.check("Workbook.SaveAs");
        wchar_t *end = nullptr;
        const long format = std::wcstol(formatCode.c_str(), &end, 10);
        if (formatCode.empty() || *end != L'\0' || !documentedFormat(int(format), m_target.excel().majorVersion()))
            throw AutomationError("Workbook.SaveAs", "SaveAs method of Workbook class failed");
        FakeExcelOpenWorkbook &book = m_target.workbook();
        const std::wstring name = savedName(fileName, int(format));
        FakeExcel &excel = m_target.excel();
        if (excel.exists(name)) {
            if (m_target.instance().displayAlerts)
                m_target.prompt("Workbook.SaveAs", "replace the existing file");
            excel.overwritten.push_back(name);
        }
        FakeExcelWorkbook saved = book.data;
        saved.fileFormat = int(format);
        excel.write(name, saved);
        book.saves.emplace_back(fileName, formatCode);
        book.path = name;
    }

private:
    Target m_target;
};

class FakeWorkbooks : public ExcelWorkbooks
{
public:
    explicit FakeWorkbooks(Target target) : m_target(std::move(target)) {}

    void open(const std::wstring &path, const ExcelOpenArguments &arguments) override
    {
        m_target.check("Workbooks.Open");
        const std::optional<FakeExcelWorkbook> book = m_target.excel().read(path);
        if (!book)
            throw AutomationError("Workbooks.Open", "the file cannot be opened");
        if (book->password) {
            if (!arguments.Password)
                m_target.prompt("Workbooks.Open", "the password");
            if (*arguments.Password != *book->password)
                throw AutomationError("Workbooks.Open", "The password you supplied is not correct.");
        }
        if (book->externalLinks && !arguments.UpdateLinks)
            m_target.prompt("Workbooks.Open", "update the links");
        if (book->readOnlyRecommended && !arguments.IgnoreReadOnlyRecommended.value_or(false)
            && !arguments.ReadOnly.value_or(false))
            m_target.prompt("Workbooks.Open", "open read-only as recommended");
        m_target.instance().workbooks.push_back({path, *book, arguments, false, {}});
    }
    std::unique_ptr<ExcelWorkbook> item(int index) override
    {
        m_target.check("Workbooks.Item");
        const auto &books = m_target.instance().workbooks;
        int open = 0;
        for (std::size_t i = 0; i < books.size(); ++i) {
            if (!books[i].closed && ++open == index)
                return std::make_unique<FakeWorkbook>(m_target.at(int(i)));
        }
        throw AutomationError("Workbooks.Item", "no such workbook");
    }

private:
    Target m_target;
};

class FakeApplication : public ExcelApplication
{
public:
    explicit FakeApplication(Target target) : m_target(std::move(target)) {}

    void setVisible(bool visible) override
    {
        m_target.check("Application.Visible");
        m_target.instance().visible = visible;
    }
    void setDisplayAlerts(bool on) override
    {
        m_target.check("Application.DisplayAlerts");
        m_target.instance().displayAlerts = on;
    }
    void setInteractive(bool on) override
    {
        m_target.check("Application.InterActive");
        m_target.instance().interactive = on;
    }
    void setAutomationSecurity(int level) override
    {
        m_target.check("Application.AutomationSecurity");
        if (level < 1 || level > 3)
            throw AutomationError("Application.AutomationSecurity", "no such level");
        m_target.instance().automationSecurity = level;
    }
    void setCutCopyMode(bool on) override
    {
        m_target.check("Application.CutCopyMode");
        if (!on)
            m_target.instance().cutCopyMode = false;
    }
    std::wstring version() override
    {
        m_target.check("Application.Version");
        return m_target.excel().version;
    }
    std::unique_ptr<ExcelWorkbooks> workbooks() override
    {
        m_target.check("Application.Workbooks");
        return std::make_unique<FakeWorkbooks>(m_target);
    }
    void quit() override
    {
        m_target.check("Application.Quit");
        FakeExcelInstance &instance = m_target.instance();
        if (instance.cutCopyMode)
            m_target.prompt("Application.Quit", "keep the large clipboard");
        instance.alertsOnAtQuit = instance.displayAlerts;
        instance.interactiveAtQuit = instance.interactive;
        instance.quit = true;
    }
    std::shared_ptr<AutomationProcess> process() override { return m_target.instance().process; }

private:
    Target m_target;
};

} // namespace

bool FakeExcelInstance::anyWorkbookOpen() const
{
    return std::any_of(workbooks.begin(), workbooks.end(), [](const FakeExcelOpenWorkbook &b) { return !b.closed; });
}

bool FakeExcelInstance::operator==(const FakeExcelInstance &other) const
{
    return visible == other.visible && displayAlerts == other.displayAlerts && interactive == other.interactive
        && automationSecurity == other.automationSecurity && cutCopyMode == other.cutCopyMode && quit == other.quit
        && alertsOnAtQuit == other.alertsOnAtQuit && interactiveAtQuit == other.interactiveAtQuit
        && workbooks == other.workbooks && process->prompts() == other.process->prompts();
}

std::unique_ptr<ExcelApplication> FakeExcel::createApplication()
{
    check("createApplication");
    instances.push_back(std::make_shared<FakeExcelInstance>());
    return std::make_unique<FakeApplication>(Target(*this, instances.back()));
}

void FakeExcel::addFile(const std::wstring &path, const FakeExcelWorkbook &workbook)
{
    if (FakeStandIn::exists(path) && !FakeStandIn::number(path, StandIn))
        disk[path] = workbook;
    else
        write(path, workbook);
}

std::optional<FakeExcelWorkbook> FakeExcel::read(const std::wstring &path) const
{
    if (const std::optional<int> number = FakeStandIn::number(path, StandIn)) {
        if (*number >= 0 && *number < int(written.size()))
            return written[std::size_t(*number)];
        return std::nullopt;
    }
    // On the real disk the file itself decides: one moved away is gone.
    if (FakeStandIn::onRealDisk(path) && !FakeStandIn::exists(path))
        return std::nullopt;
    const auto it = disk.find(path);
    if (it == disk.end())
        return std::nullopt;
    return it->second;
}

void FakeExcel::write(const std::wstring &path, const FakeExcelWorkbook &workbook)
{
    if (!FakeStandIn::onRealDisk(path)) {
        disk[path] = workbook;
        return;
    }
    written.push_back(workbook);
    FakeStandIn::write(path, StandIn, written.size() - 1);
}

bool FakeExcel::exists(const std::wstring &path) const
{
    return FakeStandIn::onRealDisk(path) ? FakeStandIn::exists(path) : disk.count(path) > 0;
}

bool FakeExcel::everyInstanceQuit() const
{
    return std::all_of(instances.begin(), instances.end(), [](const auto &instance) { return instance->ended(); });
}

void FakeExcel::check(const std::string &member) const
{
    if (failOn.count(member))
        throw AutomationError(member, "simulated failure");
}

int FakeExcel::majorVersion() const
{
    return std::stoi(version);
}
