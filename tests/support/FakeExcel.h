#pragma once

#include "ExcelOffice.h"
#include "ExcelWorkbooks.h"
#include "FakeClipboard.h"
#include "FakeExcelWorkbook.h"
#include "FakeOfficeProcess.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

// A workbook open in a simulated instance, and what the instance did with it.
struct FakeExcelOpenWorkbook
{
    std::wstring path;
    FakeExcelWorkbook data;
    ExcelOpenArguments arguments;
    bool closed = false;
    std::vector<std::pair<std::wstring, std::wstring>> saves;   // SaveAs (file name, code)

    bool operator==(const FakeExcelOpenWorkbook &) const = default;
};

// One simulated Excel instance as the back-end left it.
struct FakeExcelInstance
{
    bool visible = true;   // so that a test sees the instance hidden
    bool displayAlerts = true;
    bool interactive = true;
    int automationSecurity = 1;   // msoAutomationSecurityLow, Excel's own for automation
    bool cutCopyMode = false;     // cells copied and still held on the clipboard
    bool quit = false;
    // What alerts and input were when Quit came.
    bool alertsOnAtQuit = false;
    bool interactiveAtQuit = false;
    std::vector<FakeExcelOpenWorkbook> workbooks;
    std::shared_ptr<FakeOfficeProcess> process = std::make_shared<FakeOfficeProcess>();

    bool anyWorkbookOpen() const;
    // Quit, or its process ended.
    bool ended() const { return quit || process->ended(); }
    bool operator==(const FakeExcelInstance &other) const;
};

// A simulated Excel for the Excel back-end, as strict as Excel's documented object model
// where the back-end depends on it. Workbooks.Open copies a workbook into the instance,
// SaveAs copies it back under the name given. Where a document's folder exists on the
// real disk, each file SaveAs writes there is a small stand-in ("FAKE-EXCEL-WORKBOOK
// <n>") naming its workbook, and Open reads the stand-in, so that the program's own file
// handling (the store, its fingerprints, locks, renames and the trash) works on real
// files; elsewhere (and for a real file that is no stand-in) the workbooks live in
// "disk". Every instance created is kept for inspection.
//
// Members named in failOn ("Workbooks.Open", "Font.Bold", "Range.Copy",
// "createApplication", ...) throw AutomationError on every call, as a failing automation
// call would; so does any call on an instance that has quit or whose process has ended,
// or on a workbook that is closed. A member named in promptOn shows a prompt instead: the
// call waits until the watchdog ends the process (FakeOfficeProcess). Excel's own
// prompts come as Excel asks them: Open of a protected workbook without a password, of
// one with links without UpdateLinks, of one recommended read-only without
// IgnoreReadOnlyRecommended; SaveAs over an existing file while alerts are on; Quit while
// copied cells are still held (CutCopyMode). Values outside the documented ones are
// refused: alignments, line styles, colour indexes, border indexes, column widths over
// 255, SaveAs format numbers. A sheet's grid follows its workbook's format.
class FakeExcel : public ExcelOffice
{
public:
    explicit FakeExcel(FakeClipboard &clipboard) : clipboard(clipboard) {}

    bool classRegistered() override { return registered; }
    std::unique_ptr<ExcelApplication> createApplication() override;
    ProcessProgress::Limits watchLimits() const override { return limits; }

    // Puts a workbook at a path: as a stand-in file where its folder exists, else in
    // "disk". A real file already there keeps its bytes: Open reads the workbook for it.
    void addFile(const std::wstring &path, const FakeExcelWorkbook &workbook);
    // The workbook Open reads at a path; nothing when there is none.
    std::optional<FakeExcelWorkbook> read(const std::wstring &path) const;
    // Writes a workbook at a path, as SaveAs does.
    void write(const std::wstring &path, const FakeExcelWorkbook &workbook);
    bool exists(const std::wstring &path) const;

    bool registered = true;
    std::wstring version = L"16.0";
    std::map<std::wstring, FakeExcelWorkbook> disk;
    std::set<std::string> failOn;
    std::set<std::string> promptOn;
    std::vector<std::shared_ptr<FakeExcelInstance>> instances;
    FakeClipboard &clipboard;
    // The workbooks of the stand-in files, by their number.
    std::vector<FakeExcelWorkbook> written;
    // Files SaveAs wrote over (with alerts off Excel replaces a file without asking).
    std::vector<std::wstring> overwritten;
    // Short enough for a test to see a prompt ended, long enough for a loaded machine
    // (a test of a question shortens it further).
    ProcessProgress::Limits limits{std::chrono::seconds(5), std::chrono::minutes(5), std::chrono::milliseconds(25)};

    FakeExcelInstance &lastInstance() { return *instances.back(); }
    bool everyInstanceQuit() const;
    void check(const std::string &member) const;
    int majorVersion() const;
};
