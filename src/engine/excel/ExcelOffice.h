#pragma once

#include "ProcessProgress.h"

#include <memory>

class ExcelApplication;

// Excel as this program reaches it through automation ("Excel.Application"). Every
// operation creates its own application instance and ends it before it returns.
class ExcelOffice
{
public:
    virtual ~ExcelOffice() = default;

    // Whether the automation class is registered (Excel is installed).
    virtual bool classRegistered() = 0;
    // A new application instance; throws AutomationError when none can be created.
    virtual std::unique_ptr<ExcelApplication> createApplication() = 0;
    // When the watchdog ends an instance that stopped making progress.
    virtual ProcessProgress::Limits watchLimits() const { return {}; }
};
