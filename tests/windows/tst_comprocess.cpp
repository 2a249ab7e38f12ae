#include "ComProcess.h"
#include "ProcessWatch.h"

#include <doctest.h>

#include <string>

namespace {

// This test program started again with --idle: a process that uses no processor time.
PROCESS_INFORMATION startIdle()
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --idle";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    return process;
}

} // namespace

TEST_CASE("the watchdog ends a process that makes no progress, through the processes of Windows")
{
    CHECK(ComProcess::open(GetCurrentProcessId()) == nullptr);   // never this program itself
    const PROCESS_INFORMATION idle = startIdle();
    REQUIRE(idle.hProcess != nullptr);
    const std::shared_ptr<ComProcess> process = ComProcess::open(idle.dwProcessId);
    REQUIRE(process != nullptr);
    CHECK(process->processorTime().has_value());
    {
        using namespace std::chrono_literals;
        ProcessWatch watch(process, ProcessProgress::Limits{300ms, 60s, 20ms});
        for (int waited = 0; waited < 10000 && !watch.endedProcess(); waited += 20)
            Sleep(20);
        CHECK(watch.endedProcess());
    }
    CHECK(WaitForSingleObject(idle.hProcess, 5000) == WAIT_OBJECT_0);
    CHECK(!process->processorTime().has_value());
    CloseHandle(idle.hThread);
    CloseHandle(idle.hProcess);
}
