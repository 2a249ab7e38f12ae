#pragma once

#include "AutomationProcess.h"

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

// A Windows process an automation server runs in, for the watchdog: its processor time
// from GetProcessTimes, its end by TerminateProcess.
class ComProcess : public AutomationProcess
{
public:
    // The process with this id; null when it cannot be opened, or when it is this
    // program's own process (a class served inside it is never ended from outside).
    static std::shared_ptr<ComProcess> open(DWORD id);
    // The ids of the running processes of the class's local server executable (such as
    // EXCEL.EXE); nothing when the class has no local server.
    static std::optional<std::vector<DWORD>> processesOf(const CLSID &id);
    // The process CoCreateInstance just started for the class: the one process of its
    // server's executable that was not among before. Null when there is not exactly one.
    static std::shared_ptr<ComProcess> startedFor(const CLSID &id, const std::vector<DWORD> &before);

    ~ComProcess() override;
    ComProcess(const ComProcess &) = delete;
    ComProcess &operator=(const ComProcess &) = delete;

    std::optional<std::chrono::nanoseconds> processorTime() override;
    void end() override;

private:
    explicit ComProcess(HANDLE process) : m_process(process) {}

    HANDLE m_process = nullptr;
};
