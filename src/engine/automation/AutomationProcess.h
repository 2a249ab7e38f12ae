#pragma once

#include <chrono>
#include <optional>

// The operating-system process an Excel or Word instance runs in, as far as a watchdog
// needs it. Calls may come from the watchdog's thread while the operation's thread is
// blocked in a call to the instance.
class AutomationProcess
{
public:
    virtual ~AutomationProcess() = default;

    // The processor time the process has used so far; nothing once it has ended or when
    // it cannot be read.
    virtual std::optional<std::chrono::nanoseconds> processorTime() = 0;
    // Ends the process at once; a call of the instance that was waiting for it fails.
    virtual void end() = 0;
};
