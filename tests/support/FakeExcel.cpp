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
#include "ExcelWorkbooks.h"
#include "ExcelWorksheet.h"

#include <algorithm>
#include <functional>

namespace {

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
        if (m_workbook >= 0 && m_instance->workbooks.at(m_workbook).closed)
            throw AutomationError(member, "the workbook is closed");
    }
    FakeExcel &excel() const { return m_excel; }
    FakeExcelInstance &instance() const { return *m_instance; }
    FakeExcelOpenWorkbook &workbook() const { return m_instance->workbooks.at(m_workbook); }
    FakeExcelSheet &sheet() const { return workbook().data.sheets.at(m_sheet); }
    int workbookIndex() const { return m_workbook; }
    Target at(int workbook, int sheet = -1) const { return Target(m_excel, m_instance, workbook, sheet); }

private:
    FakeExcel &m_excel;
    std::shared_ptr<FakeExcelInstance> m_instance;
    int m_workbook;
    int m_sheet;
};

// An A1-style part such as "AB12"; false when it is none or lies outside the grid.
bool parseCell(const std::wstring &text, const FakeExcel &excel, int &row, int &column)
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
    return row >= 1 && row <= excel.lastRow() && column >= 1 && column <= excel.lastColumn();
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

class FakeBorders : public ExcelBorders
{
public:
    FakeBorders(Target target, Rect rect) : m_target(std::move(target)), m_rect(rect) {}

    void setLineStyle(int style) override
    {
        m_target.check("Borders.LineStyle");
        m_rect.forEach([&](int row, int column) {
            FakeExcelCell &cell = m_target.sheet().cellRef(row, column);
            cell.leftLine = cell.rightLine = cell.topLine = cell.bottomLine = style;
        });
    }
    void setItemLineStyle(int index, int style) override
    {
        m_target.check("Borders.Item");
        if (index < 1 || index > 4)
            throw AutomationError("Borders.Item", "no such border");
        m_rect.forEach([&](int row, int column) {
            FakeExcelCell &cell = m_target.sheet().cellRef(row, column);
            int *lines[] = {&cell.leftLine, &cell.rightLine, &cell.topLine, &cell.bottomLine};
            *lines[index - 1] = style;
        });
    }

private:
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
        if (index.type != VariantType::Null)
            throw AutomationError("Interior.ColorIndex", "this simulation only takes null");
        m_rect.forEach([&](int row, int column) { m_target.sheet().cellRef(row, column).fill.reset(); });
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
        write("Range.HorizontalAlignment", [&](FakeExcelCell &c) { c.horizontalAlignment = alignment; });
    }
    void setVerticalAlignment(int alignment) override
    {
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
    }

private:
    void write(const std::string &member, const std::function<void(FakeExcelCell &)> &change)
    {
        m_target.check(member);
        m_rect.forEach([&](int row, int column) { change(m_target.sheet().cellRef(row, column)); });
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
        const FakeExcel &excel = m_target.excel();
        if (row < 1 || row > excel.lastRow() || column < 1 || column > excel.lastColumn())
            throw AutomationError("Worksheet.Cells", "outside the grid");
        return std::make_unique<FakeRange>(m_target, Rect{row, column, row, column});
    }
    std::unique_ptr<ExcelRange> range(const std::wstring &address) override
    {
        // Excel puts the corners of an address in order: "C2:C1" is C1:C2.
        m_target.check("Worksheet.Range");
        const std::size_t colon = address.find(L':');
        int row1 = 0, column1 = 0, row2 = 0, column2 = 0;
        if (colon == std::wstring::npos || !parseCell(address.substr(0, colon), m_target.excel(), row1, column1)
            || !parseCell(address.substr(colon + 1), m_target.excel(), row2, column2))
            throw AutomationError("Worksheet.Range", "no valid address");
        return std::make_unique<FakeRange>(m_target, Rect{std::min(row1, row2), std::min(column1, column2),
                                                          std::max(row1, row2), std::max(column1, column2)});
    }
    std::unique_ptr<ExcelColumns> columns(int number) override
    {
        m_target.check("Worksheet.Columns");
        if (number < 1 || number > m_target.excel().lastColumn())
            throw AutomationError("Worksheet.Columns", "outside the grid");
        return std::make_unique<FakeColumns>(m_target, Rect{1, number, m_target.excel().lastRow(), number});
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

class FakeWorkbook : public ExcelWorkbook
{
public:
    explicit FakeWorkbook(Target target) : m_target(std::move(target)) {}

    std::unique_ptr<ExcelSheets> sheets() override
    {
        m_target.check("Workbook.Sheets");
        return std::make_unique<FakeSheets>(m_target);
    }
    void close() override
    {
        m_target.check("Workbook.Close");
        m_target.workbook().closed = true;
    }
    void saveAs(const std::wstring &fileName, const std::wstring &formatCode) override
    {
        m_target.check("Workbook.SaveAs");
        if (formatCode.empty() || !std::all_of(formatCode.begin(), formatCode.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
            throw AutomationError("Workbook.SaveAs", "the format is no number");
        FakeExcelOpenWorkbook &book = m_target.workbook();
        const std::wstring name = FakeExcel::savedName(fileName, formatCode);
        m_target.excel().disk[name] = book.data;
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

    void open(const std::wstring &path) override
    {
        m_target.check("Workbooks.Open");
        const auto it = m_target.excel().disk.find(path);
        if (it == m_target.excel().disk.end())
            throw AutomationError("Workbooks.Open", "the file cannot be opened");
        m_target.instance().workbooks.push_back({path, it->second, false, {}});
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
        instance.alertsOnAtQuit = instance.displayAlerts;
        instance.interactiveAtQuit = instance.interactive;
        instance.quit = true;
    }

private:
    Target m_target;
};

} // namespace

bool FakeExcelInstance::anyWorkbookOpen() const
{
    return std::any_of(workbooks.begin(), workbooks.end(), [](const FakeExcelOpenWorkbook &b) { return !b.closed; });
}

std::unique_ptr<ExcelApplication> FakeExcel::createApplication()
{
    check("createApplication");
    instances.push_back(std::make_shared<FakeExcelInstance>());
    return std::make_unique<FakeApplication>(Target(*this, instances.back()));
}

bool FakeExcel::everyInstanceQuit() const
{
    return std::all_of(instances.begin(), instances.end(), [](const auto &instance) { return instance->quit; });
}

void FakeExcel::check(const std::string &member) const
{
    if (failOn.count(member))
        throw AutomationError(member, "simulated failure");
}

int FakeExcel::lastColumn() const
{
    return std::stoi(version) > 11 ? 16384 : 256;
}

int FakeExcel::lastRow() const
{
    return std::stoi(version) > 11 ? 1048576 : 65536;
}

std::wstring FakeExcel::savedName(const std::wstring &fileName, const std::wstring &code)
{
    static const std::map<std::wstring, std::wstring> extensions = {
        {L"1", L".xls"}, {L"6", L".csv"}, {L"39", L".xls"}, {L"42", L".txt"}, {L"51", L".xlsx"}, {L"60", L".ods"}};
    const std::size_t slash = fileName.find_last_of(L"/\\");
    const std::size_t dot = fileName.rfind(L'.');
    const bool hasExtension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    const auto it = extensions.find(code);
    return hasExtension || it == extensions.end() ? fileName : fileName + it->second;
}
