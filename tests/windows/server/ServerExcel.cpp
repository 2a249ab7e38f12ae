#include "ServerExcel.h"

#include "AutomationError.h"
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
#include "ServerObject.h"
#include "TestServerState.h"

#include <oleauto.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <memory>

// Excel's object model as far as this program uses it, each member handing its call
// to the simulated Excel, so that the state after a run through COM is the state the
// simulation reaches when called directly.

namespace {

using Arguments = ServerArguments;

class FontObject : public ServerObject
{
public:
    explicit FontObject(std::unique_ptr<ExcelFont> font) : m_font(std::move(font))
    {
        writable(L"Name", VT_BSTR, [this](const Arguments &a) { m_font->setName(a.text(0)); });
        writable(L"Size", VT_I4, [this](const Arguments &a) { m_font->setSize(a.integer(0)); });
        writable(L"Bold", VT_BOOL, [this](const Arguments &a) { m_font->setBold(a.boolean(0)); });
        writable(L"Italic", VT_BOOL, [this](const Arguments &a) { m_font->setItalic(a.boolean(0)); });
        writable(L"Color", VT_I4, [this](const Arguments &a) { m_font->setColor(std::uint32_t(a.integer(0))); });
    }

private:
    std::unique_ptr<ExcelFont> m_font;
};

// Borders(index): one edge of every cell.
class BorderObject : public ServerObject
{
public:
    BorderObject(std::shared_ptr<ExcelBorders> borders, int index) : m_borders(std::move(borders)), m_index(index)
    {
        writable(L"LineStyle", VT_I4, [this](const Arguments &a) { m_borders->setItemLineStyle(m_index, a.integer(0)); });
    }

private:
    std::shared_ptr<ExcelBorders> m_borders;
    int m_index;
};

class BordersObject : public ServerObject
{
public:
    explicit BordersObject(std::shared_ptr<ExcelBorders> borders) : m_borders(std::move(borders))
    {
        writable(L"LineStyle", VT_I4, [this](const Arguments &a) { m_borders->setLineStyle(a.integer(0)); });
        property(L"Item", {VT_I4}, [this](const Arguments &a, VARIANT *result) {
            if (a.integer(0) < 1 || a.integer(0) > 12)
                throw AutomationError("Borders.Item", "no such border");
            returnObject(result, [&] { return new BorderObject(m_borders, a.integer(0)); });
        });
    }

private:
    std::shared_ptr<ExcelBorders> m_borders;
};

class InteriorObject : public ServerObject
{
public:
    explicit InteriorObject(std::unique_ptr<ExcelInterior> interior) : m_interior(std::move(interior))
    {
        // A palette index or an XlColorIndex constant, or null.
        writable(L"ColorIndex", {VT_I4, VT_NULL}, [this](const Arguments &a) {
            m_interior->setColorIndex(a.given(0) && a.type(0) == VT_I4
                                          ? AutomationValue::fromNumber(std::to_wstring(a.integer(0)))
                                          : AutomationValue::null());
        });
        writable(L"Color", VT_I4, [this](const Arguments &a) { m_interior->setColor(std::uint32_t(a.integer(0))); });
    }

private:
    std::unique_ptr<ExcelInterior> m_interior;
};

class ColumnsObject : public ServerObject
{
public:
    explicit ColumnsObject(std::unique_ptr<ExcelColumns> columns) : m_columns(std::move(columns))
    {
        property(L"ColumnWidth", {}, [this](const Arguments &, VARIANT *result) {
            returnNumber(result, m_columns->columnWidth());
        });
        writable(L"ColumnWidth", VT_I4, [this](const Arguments &a) { m_columns->setColumnWidth(a.integer(0)); });
        method(L"AutoFit", {}, [this](const Arguments &, VARIANT *) { m_columns->autoFit(); });
    }

private:
    std::unique_ptr<ExcelColumns> m_columns;
};

// A cell's value as Excel hands it: text as VT_BSTR, a number as VT_R8, nothing as
// VT_EMPTY.
void returnValue(VARIANT *result, const AutomationValue &value)
{
    switch (value.type) {
    case VariantType::Empty:
        break;
    case VariantType::Null:
        result->vt = VT_NULL;
        break;
    case VariantType::Number:
        result->vt = VT_R8;
        result->dblVal = std::wcstod(value.text.c_str(), nullptr);
        break;
    case VariantType::Boolean:
        result->vt = VT_BOOL;
        result->boolVal = value.text.empty() || value.text == L"0" || value.text == L"False" ? VARIANT_FALSE
                                                                                             : VARIANT_TRUE;
        break;
    default:
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocStringLen(value.text.data(), UINT(value.text.size()));
        break;
    }
}

class RangeObject : public ServerObject
{
public:
    explicit RangeObject(std::unique_ptr<ExcelRange> range) : m_range(std::move(range))
    {
        property(L"Value", {}, [this](const Arguments &, VARIANT *result) { returnValue(result, m_range->value()); });
        property(L"Font", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new FontObject(m_range->font()); });
        });
        writable(L"HorizontalAlignment", VT_I4,
                 [this](const Arguments &a) { m_range->setHorizontalAlignment(a.integer(0)); });
        writable(L"VerticalAlignment", VT_I4, [this](const Arguments &a) { m_range->setVerticalAlignment(a.integer(0)); });
        writable(L"WrapText", VT_BOOL, [this](const Arguments &a) { m_range->setWrapText(a.boolean(0)); });
        property(L"Borders", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new BordersObject(m_range->borders()); });
        });
        property(L"Interior", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new InteriorObject(m_range->interior()); });
        });
        property(L"Columns", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new ColumnsObject(m_range->columns()); });
        });
        method(L"Copy", {}, [this](const Arguments &, VARIANT *) { m_range->copy(); });
    }

private:
    std::unique_ptr<ExcelRange> m_range;
};

class PageSetupObject : public ServerObject
{
public:
    explicit PageSetupObject(std::unique_ptr<ExcelPageSetup> page) : m_page(std::move(page))
    {
        writable(L"Orientation", VT_I4, [this](const Arguments &a) { m_page->setOrientation(a.integer(0)); });
        writable(L"LeftHeader", VT_BSTR, [this](const Arguments &a) { m_page->setLeftHeader(a.text(0)); });
        property(L"CenterHeader", {}, [this](const Arguments &, VARIANT *result) {
            returnText(result, m_page->centerHeader());
        });
        writable(L"CenterHeader", VT_BSTR, [this](const Arguments &a) { m_page->setCenterHeader(a.text(0)); });
        writable(L"CenterHorizontally", VT_BOOL, [this](const Arguments &a) { m_page->setCenterHorizontally(a.boolean(0)); });
        writable(L"LeftMargin", VT_R8, [this](const Arguments &a) { m_page->setLeftMargin(a.number(0)); });
        writable(L"RightMargin", VT_R8, [this](const Arguments &a) { m_page->setRightMargin(a.number(0)); });
        writable(L"TopMargin", VT_R8, [this](const Arguments &a) { m_page->setTopMargin(a.number(0)); });
        writable(L"BottomMargin", VT_R8, [this](const Arguments &a) { m_page->setBottomMargin(a.number(0)); });
    }

private:
    std::unique_ptr<ExcelPageSetup> m_page;
};

class WorksheetObject : public ServerObject
{
public:
    explicit WorksheetObject(std::unique_ptr<ExcelWorksheet> sheet) : m_sheet(std::move(sheet))
    {
        property(L"Name", {}, [this](const Arguments &, VARIANT *result) { returnText(result, m_sheet->name()); });
        property(L"Cells", {VT_I4, VT_I4}, [this](const Arguments &a, VARIANT *result) {
            returnObject(result, [&] { return new RangeObject(m_sheet->cells(a.integer(0), a.integer(1))); });
        });
        property(L"Range", {VT_BSTR}, [this](const Arguments &a, VARIANT *result) {
            returnObject(result, [&] { return new RangeObject(m_sheet->range(a.text(0))); });
        });
        property(L"Columns", {VT_I4}, [this](const Arguments &a, VARIANT *result) {
            returnObject(result, [&] { return new ColumnsObject(m_sheet->columns(a.integer(0))); });
        });
        property(L"PageSetup", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new PageSetupObject(m_sheet->pageSetup()); });
        });
    }

private:
    std::unique_ptr<ExcelWorksheet> m_sheet;
};

class SheetsObject : public ServerObject
{
public:
    explicit SheetsObject(std::unique_ptr<ExcelSheets> sheets) : m_sheets(std::move(sheets))
    {
        property(L"Count", {}, [this](const Arguments &, VARIANT *result) { returnInteger(result, m_sheets->count()); });
        property(L"Item", {VT_I4}, [this](const Arguments &a, VARIANT *result) {
            returnObject(result, [&] { return new WorksheetObject(m_sheets->item(a.integer(0))); });
        });
    }

private:
    std::unique_ptr<ExcelSheets> m_sheets;
};

class WorkbookObject : public ServerObject
{
public:
    explicit WorkbookObject(std::unique_ptr<ExcelWorkbook> book) : m_book(std::move(book))
    {
        property(L"Sheets", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new SheetsObject(m_book->sheets()); });
        });
        property(L"FileFormat", {}, [this](const Arguments &, VARIANT *result) {
            returnInteger(result, m_book->fileFormat());
        });
        // Close(SaveChanges): a hidden instance must never be left asking whether to save.
        method(L"Close", {VT_BOOL}, [this](const Arguments &a, VARIANT *) {
            if (a.boolean(0))
                throw AutomationError("Workbook.Close", "would save the document");
            m_book->close();
        });
        method(L"SaveAs", {VT_BSTR, VT_BSTR}, [this](const Arguments &a, VARIANT *) {
            m_book->saveAs(a.text(0), a.text(1));
        });
    }

private:
    std::unique_ptr<ExcelWorkbook> m_book;
};

class WorkbooksObject : public ServerObject
{
public:
    WorkbooksObject(std::unique_ptr<ExcelWorkbooks> books, std::shared_ptr<FakeExcelInstance> instance)
        : m_books(std::move(books))
        , m_instance(std::move(instance))
    {
        // Open hands back the workbook it opened, the last of the open ones.
        // Open(FileName, UpdateLinks, ReadOnly, Format, Password, WriteResPassword,
        // IgnoreReadOnlyRecommended), as far as this program passes them.
        method(L"Open",
               {VT_BSTR, optional(VT_I4), optional(VT_BOOL), optional(VT_I4), optional(VT_BSTR), optional(VT_BSTR),
                optional(VT_BOOL)},
               [this](const Arguments &a, VARIANT *result) {
            if (a.given(3) || a.given(5))
                throw AutomationError("Workbooks.Open", "an argument this program never passes");
            ExcelOpenArguments arguments;
            if (a.given(1))
                arguments.UpdateLinks = a.integer(1);
            if (a.given(2))
                arguments.ReadOnly = a.boolean(2);
            if (a.given(4))
                arguments.Password = a.text(4);
            if (a.given(6))
                arguments.IgnoreReadOnlyRecommended = a.boolean(6);
            m_books->open(a.text(0), arguments);
            const auto &books = m_instance->workbooks;
            const int open = int(std::count_if(books.begin(), books.end(), [](const auto &b) { return !b.closed; }));
            returnObject(result, [&] { return new WorkbookObject(m_books->item(open)); });
        });
        property(L"Item", {VT_I4}, [this](const Arguments &a, VARIANT *result) {
            returnObject(result, [&] { return new WorkbookObject(m_books->item(a.integer(0))); });
        });
    }

private:
    std::unique_ptr<ExcelWorkbooks> m_books;
    std::shared_ptr<FakeExcelInstance> m_instance;
};

class ApplicationObject : public ServerObject
{
public:
    ApplicationObject(std::unique_ptr<ExcelApplication> application, std::shared_ptr<FakeExcelInstance> instance)
        : m_application(std::move(application))
        , m_instance(std::move(instance))
    {
        writable(L"Visible", VT_BOOL, [this](const Arguments &a) { m_application->setVisible(a.boolean(0)); });
        writable(L"DisplayAlerts", VT_BOOL, [this](const Arguments &a) { m_application->setDisplayAlerts(a.boolean(0)); });
        writable(L"InterActive", VT_BOOL, [this](const Arguments &a) { m_application->setInteractive(a.boolean(0)); });
        writable(L"AutomationSecurity", VT_I4,
                 [this](const Arguments &a) { m_application->setAutomationSecurity(a.integer(0)); });
        writable(L"CutCopyMode", VT_BOOL, [this](const Arguments &a) { m_application->setCutCopyMode(a.boolean(0)); });
        property(L"Version", {}, [this](const Arguments &, VARIANT *result) {
            returnText(result, m_application->version());
        });
        property(L"Workbooks", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new WorkbooksObject(m_application->workbooks(), m_instance); });
        });
        method(L"Quit", {}, [this](const Arguments &, VARIANT *) { m_application->quit(); });
    }

private:
    std::unique_ptr<ExcelApplication> m_application;
    std::shared_ptr<FakeExcelInstance> m_instance;
};

} // namespace

IDispatch *newServerExcelApplication(TestServerState &state)
{
    std::unique_ptr<ExcelApplication> application = state.excel.createApplication();
    return new ApplicationObject(std::move(application), state.excel.instances.back());
}
