#pragma once

#include <memory>
#include <string>

class ExcelApplication;
class ExcelOffice;
class ExcelWorkbook;
class ExcelWorksheet;

// The Excel instance of one operation. It starts hidden with alerts and user input off;
// whatever way the operation ends, the workbook it opened is closed unsaved, alerts and
// input are switched back on and the instance quits (each step tried even when an
// earlier one fails, none of their failures passed on). Quitting with alerts back on
// never asks about the document: it is closed first.
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

    // Workbooks.Open; the document becomes Workbooks(1).
    void open(const std::wstring &path);
    bool opened() const { return m_opened; }
    // Workbooks(1) and Workbooks(1).Sheets(number), fetched anew at each call.
    std::unique_ptr<ExcelWorkbook> workbook();
    std::unique_ptr<ExcelWorksheet> sheet(int number);

    // Ends the operation now (also done by the destructor).
    void end();

private:
    std::unique_ptr<ExcelApplication> m_application;
    bool m_opened = false;
};
