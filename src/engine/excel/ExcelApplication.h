#pragma once

#include <memory>
#include <string>

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
    // The version text, such as "16.0"; the part before the first "." is the major version.
    virtual std::wstring version() = 0;
    virtual std::unique_ptr<ExcelWorkbooks> workbooks() = 0;
    // Ends the instance.
    virtual void quit() = 0;
};
