#pragma once

#include "ExcelOffice.h"
#include "FakeClipboard.h"
#include "FakeExcelWorkbook.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// A workbook open in a simulated instance, and what the instance did with it.
struct FakeExcelOpenWorkbook
{
    std::wstring path;
    FakeExcelWorkbook data;
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
    bool quit = false;
    // What alerts and input were when Quit came.
    bool alertsOnAtQuit = false;
    bool interactiveAtQuit = false;
    std::vector<FakeExcelOpenWorkbook> workbooks;

    bool anyWorkbookOpen() const;
    bool operator==(const FakeExcelInstance &) const = default;
};

// A simulated Excel for the Excel back-end. Its "disk" maps paths to workbooks:
// Workbooks.Open copies one into the instance, SaveAs copies it back under the name
// Excel would give the file. Every instance created is kept for inspection. Members
// named in failOn ("Workbooks.Open", "Font.Bold", "Range.Copy", "createApplication",
// ...) throw AutomationError on every call, as a failing automation call would; so
// does any call on an instance that has quit or a workbook that is closed. The grid is
// that of the version: 256 x 65536 up to Excel 11, 16384 x 1048576 above.
class FakeExcel : public ExcelOffice
{
public:
    explicit FakeExcel(FakeClipboard &clipboard) : clipboard(clipboard) {}

    bool classRegistered() override { return registered; }
    std::unique_ptr<ExcelApplication> createApplication() override;

    bool registered = true;
    std::wstring version = L"16.0";
    std::map<std::wstring, FakeExcelWorkbook> disk;
    std::set<std::string> failOn;
    std::vector<std::shared_ptr<FakeExcelInstance>> instances;
    FakeClipboard &clipboard;

    FakeExcelInstance &lastInstance() { return *instances.back(); }
    bool everyInstanceQuit() const;
    void check(const std::string &member) const;
    int lastColumn() const;
    int lastRow() const;
    // The file SaveAs writes: a name whose file part has no dot gets the extension of
    // the format (as far as this simulation knows it).
    static std::wstring savedName(const std::wstring &fileName, const std::wstring &code);
};
