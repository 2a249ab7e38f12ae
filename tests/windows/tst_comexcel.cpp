#include "AutomationError.h"
#include "ComApartment.h"
#include "ComVariant.h"
#include "ExcelApplication.h"
#include "ExcelBorders.h"
#include "ExcelColumns.h"
#include "ExcelFont.h"
#include "ExcelFormatter.h"
#include "ExcelInterior.h"
#include "ExcelPageSetup.h"
#include "ExcelPresence.h"
#include "ExcelRange.h"
#include "ExcelSheets.h"
#include "ExcelWorkbook.h"
#include "ExcelWorkbooks.h"
#include "ExcelWorksheet.h"
#include "ServerFixture.h"

#include <objbase.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

const std::wstring Book = L"C:\\work\\book.xls";
const std::wstring EmptyBook = L"C:\\work\\empty.xls";

// Two sheets; on the first a header row over texts in column A and numbers in B and C,
// column B widened.
FakeExcelWorkbook table()
{
    FakeExcelWorkbook book = FakeExcelWorkbook::withSheets({L"Data", L"Notes"});
    book.sheet(1).fill({{L"Name", L"Count", L"Share"}, {L"x", 2.5, 1}, {L"y", 3, 2}, {L"z", 4, 3}});
    book.sheet(1).widths[2] = 12.5;
    return book;
}

void putDocuments(FakeExcel &excel, FakeWord &)
{
    excel.disk[Book] = table();
    excel.disk[EmptyBook] = FakeExcelWorkbook::withSheets();
}

// Every member of the Excel surface once, in the order an operation makes them, with
// what the reading ones return. The decimal separator of a number's text is the
// locale's, so it is read as a point.
std::vector<std::wstring> everyExcelMember(ExcelOffice &office)
{
    std::vector<std::wstring> read;
    const std::unique_ptr<ExcelApplication> application = office.createApplication();
    application->setVisible(false);
    application->setDisplayAlerts(false);
    application->setInteractive(false);
    read.push_back(application->version());
    application->workbooks()->open(Book);
    const std::unique_ptr<ExcelWorkbook> book = application->workbooks()->item(1);
    read.push_back(std::to_wstring(book->sheets()->count()));
    read.push_back(book->sheets()->item(2)->name());

    const std::unique_ptr<ExcelWorksheet> sheet = book->sheets()->item(1);
    for (const auto &[row, column] : {std::pair{1, 2}, {2, 1}, {2, 2}, {1, 4}}) {
        AutomationValue value = sheet->cells(row, column)->value();
        std::replace(value.text.begin(), value.text.end(), L',', L'.');
        read.push_back(std::to_wstring(int(value.type)) + L" " + value.text);
    }
    read.push_back(std::to_wstring(sheet->columns(2)->columnWidth()));
    sheet->columns(3)->setColumnWidth(20);

    const std::unique_ptr<ExcelRange> range = sheet->range(L"B2:C4");
    const std::unique_ptr<ExcelFont> font = range->font();
    font->setName(L"Arial Narrow");
    font->setSize(14);
    font->setBold(true);
    font->setItalic(true);
    font->setColor(0x00336699);
    sheet->range(L"C4:C3")->font()->setBold(false);
    range->setHorizontalAlignment(3);
    range->setVerticalAlignment(2);
    range->setWrapText(true);
    const std::unique_ptr<ExcelBorders> borders = range->borders();
    borders->setLineStyle(1);
    borders->setItemLineStyle(1, 0);
    borders->setItemLineStyle(3, 0);
    range->interior()->setColor(0x00CCFFEE);
    sheet->range(L"C3:C3")->interior()->setColorIndex(AutomationValue::null());
    range->columns()->autoFit();

    const std::unique_ptr<ExcelPageSetup> page = sheet->pageSetup();
    page->setOrientation(2);
    page->setLeftHeader(L"&F");
    page->setCenterHeader(L"");
    page->setCenterHorizontally(true);
    page->setLeftMargin(72);
    page->setRightMargin(72.5);
    page->setTopMargin(36);
    page->setBottomMargin(18.25);

    sheet->range(L"A1:B2")->copy();
    book->saveAs(L"C:\\work\\out", L"51");
    book->close();
    application->setDisplayAlerts(true);
    application->setInteractive(true);
    application->quit();
    return read;
}

} // namespace

TEST_CASE_FIXTURE(ServerFixture, "Excel is found by its ProgID and its version is read through COM")
{
    ComExcelOffice absent(L"TablevaneTest.Absent");
    CHECK_FALSE(absent.classRegistered());
    CHECK(failureOf([&] { absent.createApplication(); }).rfind("TablevaneTest.Absent: ", 0) == 0);
    CHECK_FALSE(ComExcelOffice().classRegistered());

    REQUIRE(excel.classRegistered());
    prepare([](FakeExcel &excel, FakeWord &) { excel.version = L"11.0"; });
    CHECK(ExcelPresenceCheck(excel) == std::optional<std::wstring>(L"11.0"));
    ExcelPresenceCheck(direct->excel);
    CHECK(sameState(server, direct));
    CHECK(server.excel.lastInstance().quit);
}

TEST_CASE_FIXTURE(ServerFixture, "every Excel member reaches Excel with its arguments in order and its values typed")
{
    prepare(putDocuments);
    const std::vector<std::wstring> throughCom = everyExcelMember(excel);
    const std::vector<std::wstring> called = everyExcelMember(direct->excel);
    CHECK(throughCom == called);
    CHECK(sameState(server, direct));
    CHECK(server.excel.disk.count(L"C:\\work\\out.xlsx") == 1);
}

TEST_CASE_FIXTURE(ServerFixture, "a failing Excel member comes back as the error of that member")
{
    for (const char *member : {"Workbooks.Open", "Sheets.Count", "Range.Value", "Font.Bold", "Interior.ColorIndex",
                               "Columns.ColumnWidth", "PageSetup.LeftMargin", "Range.Copy", "Workbook.SaveAs"}) {
        const std::string failing = member;
        CAPTURE(failing);
        fresh();
        prepare([&](FakeExcel &excel, FakeWord &word) {
            putDocuments(excel, word);
            excel.failOn = {member};
        });
        const std::string throughCom = failureOf([&] { everyExcelMember(excel); });
        CHECK(throughCom == std::string(member) + ": simulated failure");
        CHECK(throughCom == failureOf([&] { everyExcelMember(direct->excel); }));
        CHECK(server.liveObjects == 0);
    }
}

TEST_CASE_FIXTURE(ServerFixture, "a document formatted through COM comes out as the simulation formats it")
{
    using Kind = ExcelFormatOutcome::Kind;
    struct Case
    {
        const char *name;
        std::function<void(ExcelJob &)> choose;
        Kind outcome;
        std::wstring path;
        std::string failOn;
    };
    const Case cases[] = {
        {"the default choices", [](ExcelJob &) {}, Kind::Stored, Book, ""},
        {"APA style, font, rows interleaved, pattern widths, landscape, header, Unicode text",
         [](ExcelJob &job) {
             job.APAStyle = true;
             job.FontAsIs = false;
             job.FontName = L"Arial";
             job.FontSize = L"12";
             job.Bold = true;
             job.Italic = true;
             job.FontColor = 0x00102030;
             job.InterLeave = 1;
             job.InterLeaveColor = 0x00E0F0FF;
             job.WidthByPattern = true;
             job.PatternWidths = {0, 10, 20};
             job.PatternColumnCount = 2;
             job.Orientation = 1;
             job.FName = true;
             job.PageNumeration = true;
             job.SaveAsCode = 42;
         },
         Kind::Stored, Book, ""},
        {"a range from the combos, columns interleaved, bold edges",
         [](ExcelJob &job) {
             job.RangeAuto = false;
             job.LeftColumn = L"C";
             job.RightColumn = L"A";
             job.TopDigit = L"5";
             job.BottomDigit = L"2";
             job.InterLeave = 2;
             job.BoldLeftFirst = true;
             job.BoldLastRight = true;
             job.BoldLastLine = true;
             job.WordWrap = false;
             job.Borders = false;
             job.Orientation = 2;
             job.SaveAsCode = 51;
         },
         Kind::Stored, Book, ""},
        {"the table into Word with APA style",
         [](ExcelJob &job) {
             job.DocTable = true;
             job.APAStyle = true;
             job.Orientation = 0;
         },
         Kind::Exported, Book, ""},
        {"an empty A1", [](ExcelJob &) {}, Kind::NothingToFormat, EmptyBook, ""},
        {"a failing call", [](ExcelJob &job) { job.InterLeave = 1; }, Kind::Failed, Book, "Interior.Color"},
        {"a failing Word", [](ExcelJob &job) { job.DocTable = true; }, Kind::Failed, Book, "Selection.Paste"},
    };
    for (const Case &test : cases) {
        const std::string name = test.name;
        CAPTURE(name);
        fresh();
        prepare([&](FakeExcel &excel, FakeWord &word) {
            putDocuments(excel, word);
            excel.failOn = {test.failOn};
            word.failOn = {test.failOn};
        });
        ExcelJob job;
        job.SaveAsCode = 1;
        test.choose(job);

        const ExcelFormatOutcome throughCom = ExcelFormatter(job, &word).formatDocument(excel, test.path, 1);
        const ExcelFormatOutcome called = ExcelFormatter(job, &direct->word).formatDocument(direct->excel, test.path, 1);
        CHECK(int(throughCom.kind) == int(test.outcome));
        CHECK(int(throughCom.kind) == int(called.kind));
        CHECK(throughCom.failure == called.failure);
        CHECK(sameState(server, direct));
        CHECK(server.excel.everyInstanceQuit());
        CHECK(server.liveObjects == 0);
    }
}

// The test server holds the adapters to the calling conventions; these calls break them.
TEST_CASE_FIXTURE(ServerFixture, "the test server refuses calls that Excel would not take")
{
    const std::shared_ptr<ComApartment> apartment = ComApartment::enter();
    CLSID id;
    REQUIRE(SUCCEEDED(CLSIDFromProgID(TABLEVANE_TESTSERVER_EXCEL, &id)));
    IDispatch *application = nullptr;
    REQUIRE(SUCCEEDED(CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                       reinterpret_cast<void **>(&application))));
    auto variant = [](VARTYPE type, LONG value) {
        VARIANT v;
        VariantInit(&v);
        v.vt = type;
        v.lVal = value;
        return v;
    };
    struct Call
    {
        const wchar_t *member;
        WORD flags;
        std::vector<VARIANT> arguments;
        bool namedPut;
        HRESULT expected;
    };
    const Call calls[] = {
        {L"vErSiOn", DISPATCH_PROPERTYGET, {}, false, S_OK},
        {L"NoSuchMember", DISPATCH_PROPERTYGET, {}, false, DISP_E_UNKNOWNNAME},
        {L"Visible", DISPATCH_PROPERTYPUT, {variant(VT_BOOL, VARIANT_FALSE)}, false, DISP_E_PARAMNOTFOUND},
        {L"Visible", DISPATCH_PROPERTYPUT, {variant(VT_I4, 0)}, true, DISP_E_TYPEMISMATCH},
        {L"Visible", DISPATCH_PROPERTYPUT, {variant(VT_BOOL, 1)}, true, DISP_E_TYPEMISMATCH},
        {L"Version", DISPATCH_PROPERTYGET, {variant(VT_I4, 1)}, false, DISP_E_BADPARAMCOUNT},
        {L"Quit", DISPATCH_PROPERTYGET, {}, false, DISP_E_MEMBERNOTFOUND},
        {L"Version", DISPATCH_PROPERTYPUT, {variant(VT_BSTR, 0)}, true, DISP_E_MEMBERNOTFOUND},
    };
    for (const Call &call : calls) {
        CAPTURE(call.member);
        LPOLESTR name = const_cast<LPOLESTR>(call.member);
        DISPID member = DISPID_UNKNOWN;
        HRESULT result = application->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &member);
        if (SUCCEEDED(result)) {
            std::vector<VARIANT> arguments = call.arguments;
            DISPID named = DISPID_PROPERTYPUT;
            DISPPARAMS parameters{arguments.data(), call.namedPut ? &named : nullptr, UINT(arguments.size()),
                                  call.namedPut ? 1U : 0U};
            ComVariant value;
            result = application->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, call.flags, &parameters,
                                         call.flags == DISPATCH_PROPERTYPUT ? nullptr : value.put(), nullptr,
                                         nullptr);
        }
        CHECK(result == call.expected);
    }
    application->Release();
}
