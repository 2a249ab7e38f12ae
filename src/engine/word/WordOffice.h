#pragma once

#include "ProcessProgress.h"

#include <memory>

class WordApplication;

// Word as this program reaches it through automation ("Word.Application"). Every
// operation creates its own application instance and ends it before it returns.
class WordOffice
{
public:
    virtual ~WordOffice() = default;

    // Whether the automation class is registered (Word is installed).
    virtual bool classRegistered() = 0;
    // A new application instance; throws AutomationError when none can be created.
    virtual std::unique_ptr<WordApplication> createApplication() = 0;
    // When the watchdog ends an instance that stopped making progress.
    virtual ProcessProgress::Limits watchLimits() const { return {}; }
};
