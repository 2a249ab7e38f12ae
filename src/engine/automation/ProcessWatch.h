#pragma once

#include "ProcessProgress.h"

#include <atomic>
#include <memory>

class AutomationProcess;
class PeriodicTask;

// The watchdog of one Excel or Word instance while an operation uses it: on a thread
// of its own it samples the processor time of the instance's process and ends the
// process when it has stopped making progress (a prompt nobody can see or answer, a
// hang) or has worked past the total limit. The call the operation was blocked in then
// fails, and so the document; the next operation starts a fresh instance.
class ProcessWatch
{
public:
    ProcessWatch(std::shared_ptr<AutomationProcess> process, const ProcessProgress::Limits &limits);
    ~ProcessWatch();

    ProcessWatch(const ProcessWatch &) = delete;
    ProcessWatch &operator=(const ProcessWatch &) = delete;

    // Whether the watch ended the process.
    bool endedProcess() const { return m_ended; }

private:
    bool check();

    std::shared_ptr<AutomationProcess> m_process;
    ProcessProgress m_progress;   // used on the watch's thread only
    std::atomic<bool> m_ended{false};
    // Declared last: dropped first, so no check runs on a half-destroyed watch.
    std::unique_ptr<PeriodicTask> m_task;
};
