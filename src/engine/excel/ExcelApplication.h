#pragma once

#include <memory>
#include <string>

class AutomationProcess;
class ExcelWorkbooks;

// One running Excel instance. Every call may throw AutomationError.
class ExcelApplication
{
public:
    virtual ~ExcelApplication() = default;

    virtual void setVisible(bool visible) = 0;
    // While false, SaveAs overwrites and Close discards changes without asking.
    virtual void setDisplayAlerts(bool on) = 0;
    // While false, the instance takes no input from the user.
    virtual void setInteractive(bool on) = 0;
    // AutomationSecurity (MsoAutomationSecurity): 3 opens every document with its
    // macros disabled, without asking.
    virtual void setAutomationSecurity(int level) = 0;
    // CutCopyMode put false: Excel lets go of the cells it holds on the clipboard, so
    // that Quit never asks whether to keep them (a question alerts-off does not answer).
    virtual void setCutCopyMode(bool on) = 0;
    // The version text, such as "16.0"; the part before the first "." is the major version.
    virtual std::wstring version() = 0;
    virtual std::unique_ptr<ExcelWorkbooks> workbooks() = 0;
    // Ends the instance.
    virtual void quit() = 0;

    // The process the instance runs in, for the watchdog; null where it is not known
    // (an instance inside this program's own process is never watched).
    virtual std::shared_ptr<AutomationProcess> process() = 0;
};
