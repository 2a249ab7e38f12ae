#pragma once

#include <memory>
#include <string>

class ExcelApplication;
class ExcelOffice;
class ExcelWorkbook;
class ExcelWorksheet;
class ProcessWatch;

// The Excel instance of one operation. It starts hidden with alerts and user input off
// and macros disabled, watched by the watchdog from its first call to its last; the
// document is opened read-only with every question Open could ask answered by its
// arguments. Whatever way the operation ends, the clipboard is let go, the workbook it
// opened is closed unsaved, alerts and input are switched back on and the instance
// quits (each step tried even when an earlier one fails, none of their failures passed
// on). Quitting with alerts back on never asks about the document: it is closed first.
class ExcelSession
{
public:
    // Throws AutomationError when no instance can be created or set up; an instance
    // that was created is ended first.
    explicit ExcelSession(ExcelOffice &office);
    ~ExcelSession();

    ExcelSession(const ExcelSession &) = delete;
    ExcelSession &operator=(const ExcelSession &) = delete;

    ExcelApplication &application() { return *m_application; }

    // Workbooks.Open; the document becomes Workbooks(1). Reads the format Excel read
    // it in.
    void open(const std::wstring &path);
    bool opened() const { return m_opened; }
    int fileFormat() const { return m_fileFormat; }
    // The grid of the open document's sheets: 256 x 65,536 for a binary workbook of
    // Excel 97-2003 in any version, else the given bounds.
    int lastColumn(int bound) const;
    int lastRow(int bound) const;
    // Workbooks(1) and Workbooks(1).Sheets(number), fetched anew at each call.
    std::unique_ptr<ExcelWorkbook> workbook();
    std::unique_ptr<ExcelWorksheet> sheet(int number);
    // Closes the workbook unsaved now (Excel lets go of the file).
    void closeWorkbook();

    // Ends the operation now (also done by the destructor).
    void end();
    // Whether the watchdog ended the instance (it stopped making progress).
    bool endedByWatchdog() const;

private:
    std::unique_ptr<ExcelApplication> m_application;
    std::unique_ptr<ProcessWatch> m_watch;
    bool m_opened = false;
    int m_fileFormat = 0;
    bool m_ended = false;
};
