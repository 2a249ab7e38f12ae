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
#include "ResultStore.h"
#include "ServerFixture.h"

#include <objbase.h>

#include <algorithm>
#include <functional>
#include <optional>
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
    application->setAutomationSecurity(3);
    read.push_back(application->version());
    ExcelOpenArguments arguments;
    arguments.UpdateLinks = 0;
    arguments.ReadOnly = true;
    arguments.Password = L"none";
    arguments.IgnoreReadOnlyRecommended = true;
    application->workbooks()->open(Book, arguments);
    application->workbooks()->open(EmptyBook, ExcelOpenArguments());
    const std::unique_ptr<ExcelWorkbook> book = application->workbooks()->item(1);
    read.push_back(std::to_wstring(book->fileFormat()));
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
    range->setHorizontalAlignment(-4108);
    range->setVerticalAlignment(-4108);
    range->setWrapText(true);
    const std::unique_ptr<ExcelBorders> borders = range->borders();
    borders->setLineStyle(1);
    borders->setItemLineStyle(1, -4142);
    borders->setItemLineStyle(3, 0);
    borders->setItemLineStyle(11, 1);
    range->interior()->setColor(0x00CCFFEE);
    sheet->range(L"C3:C3")->interior()->setColorIndex(AutomationValue::null());
    sheet->range(L"B3:B3")->interior()->setColorIndex(AutomationValue::fromNumber(L"-4142"));
    range->columns()->autoFit();

    const std::unique_ptr<ExcelPageSetup> page = sheet->pageSetup();
    page->setOrientation(2);
    page->setLeftHeader(L"&F");
    read.push_back(page->centerHeader());
    page->setCenterHeader(L"&P");
    page->setCenterHorizontally(true);
    page->setLeftMargin(72);
    page->setRightMargin(72.5);
    page->setTopMargin(36);
    page->setBottomMargin(18.25);

    sheet->range(L"A1:B2")->copy();
    application->setCutCopyMode(false);
    book->saveAs(L"C:\\work\\out", L"51");
    book->saveAs(L"C:\\work\\old.xls", L"-4143");
    book->close();
    application->workbooks()->item(1)->close();
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
    for (const char *member : {"Application.AutomationSecurity", "Workbooks.Open", "Workbook.FileFormat",
                               "Sheets.Count", "Range.Value", "Font.Bold", "Interior.ColorIndex",
                               "Columns.ColumnWidth", "PageSetup.CenterHeader", "PageSetup.LeftMargin", "Range.Copy",
                               "Application.CutCopyMode", "Workbook.SaveAs", "Workbook.Close"}) {
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

// The program's store as this build can have it without Qt, over the simulated disk: the
// result is written under a private folder first and then moved to its target; a file
// in the way goes to a trash of the simulation.
class SimulatedStore : public ResultStore
{
public:
    SimulatedStore(Simulation &simulation, std::wstring target)
        : m_simulation(&simulation)
        , m_target(std::move(target))
    {
    }
    SimulatedStore(TestServerState &server, std::wstring target)
        : m_excel(&server.excel)
        , m_word(&server.word)
        , m_target(std::move(target))
    {
    }

    std::wstring prepareResult() override
    {
        const std::size_t slash = m_target.rfind(L'\\');
        m_result = m_target.substr(0, slash) + L"\\.~tablevane-1-0" + m_target.substr(slash);
        return m_result;
    }
    void place(bool ownFormat) override
    {
        placedInOwnFormat = ownFormat;
        moveTo(excel().disk, ownFormat);
        moveTo(word().disk, ownFormat);
    }
    std::string writeFailure() override { return "the office could not write the document"; }

    std::vector<std::wstring> trashed;
    std::optional<bool> placedInOwnFormat;

private:
    FakeExcel &excel() { return m_simulation ? m_simulation->excel : *m_excel; }
    FakeWord &word() { return m_simulation ? m_simulation->word : *m_word; }
    // The document itself is replaced only by a result of its own format.
    template <typename Disk>
    void moveTo(Disk &disk, bool ownFormat)
    {
        const auto result = disk.find(m_result);
        if (result == disk.end())
            return;
        if (disk.count(m_target) && !ownFormat)
            trashed.push_back(m_target);
        disk[m_target] = result->second;
        disk.erase(m_result);
    }

    Simulation *m_simulation = nullptr;
    FakeExcel *m_excel = nullptr;
    FakeWord *m_word = nullptr;
    std::wstring m_target;
    std::wstring m_result;
};

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
        std::wstring target;
        bool everySheet = false;
        bool fileInTheWay = false;
    };
    const std::wstring xls = L"C:\\work\\book.xls";
    const Case cases[] = {
        {"the default choices, in place", [](ExcelJob &) {}, Kind::Stored, Book, "", xls},
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
         Kind::Stored, Book, "", L"C:\\work\\book.txt"},
        {"a range from the combos, columns interleaved, bold edges, to .xlsx over a file in the way",
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
         Kind::Stored, Book, "", L"C:\\work\\book.xlsx", false, true},
        {"every sheet in one opening, to .xlsx", [](ExcelJob &job) { job.SaveAsCode = 51; }, Kind::Stored, Book, "",
         L"C:\\work\\book.xlsx", true},
        {"the tables of every sheet into Word with APA style",
         [](ExcelJob &job) {
             job.DocTable = true;
             job.APAStyle = true;
             job.Orientation = 0;
         },
         Kind::Exported, Book, "", L"C:\\work\\book.doc", true},
        {"an empty A1", [](ExcelJob &) {}, Kind::NothingToFormat, EmptyBook, "", L"C:\\work\\empty.xls"},
        {"a failing call", [](ExcelJob &job) { job.InterLeave = 1; }, Kind::Failed, Book, "Interior.Color", xls},
        {"a failing Word", [](ExcelJob &job) { job.DocTable = true; }, Kind::Failed, Book, "Selection.Paste",
         L"C:\\work\\book.doc"},
    };
    for (const Case &test : cases) {
        const std::string name = test.name;
        CAPTURE(name);
        fresh();
        prepare([&](FakeExcel &excel, FakeWord &word) {
            putDocuments(excel, word);
            excel.disk[Book].sheet(2).fill({{L"Notes"}, {L"one"}});
            if (test.fileInTheWay)
                excel.disk[test.target] = FakeExcelWorkbook::withSheets({L"the user's"});
            excel.failOn = {test.failOn};
            word.failOn = {test.failOn};
        });
        ExcelJob job;
        job.SaveAsCode = 1;
        test.choose(job);
        ExcelFormatter::Pass pass;
        if (!test.everySheet)
            pass.sheet = 1;

        SimulatedStore throughComStore(server, test.target);
        SimulatedStore calledStore(*direct, test.target);
        const ExcelFormatOutcome throughCom = ExcelFormatter(job, &word).formatSheets(excel, test.path, pass, throughComStore);
        const ExcelFormatOutcome called =
            ExcelFormatter(job, &direct->word).formatSheets(direct->excel, test.path, pass, calledStore);
        CHECK(int(throughCom.kind) == int(test.outcome));
        CHECK(int(throughCom.kind) == int(called.kind));
        CHECK(throughCom.failure == called.failure);
        CHECK(throughComStore.trashed == calledStore.trashed);
        CHECK(throughComStore.trashed.size() == std::size_t(test.fileInTheWay));
        CHECK(throughComStore.placedInOwnFormat == calledStore.placedInOwnFormat);
        if (test.outcome == Kind::Stored || test.outcome == Kind::Exported)
            CHECK(throughComStore.placedInOwnFormat == std::optional<bool>(test.target == xls));
        CHECK(sameState(server, direct));
        CHECK(server.excel.everyInstanceQuit());
        CHECK(server.excel.instances.size() == std::size_t(test.failOn == "createApplication" ? 0 : 1));
        CHECK(server.excel.overwritten.empty());
        for (const auto &instance : server.excel.instances) {
            CHECK(instance->process->prompts().empty());
            CHECK(!instance->cutCopyMode);
        }
        if (test.outcome == Kind::Stored || test.outcome == Kind::Exported) {
            CHECK((server.excel.disk.count(test.target) + server.word.disk.count(test.target)) == 1);
            if (test.everySheet && test.outcome == Kind::Stored)
                CHECK(server.excel.disk[test.target].sheet(2).cell(1, 1).wrapText);
        }
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
