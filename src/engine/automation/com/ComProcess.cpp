#include "ComProcess.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace {

constexpr DWORD Access = PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE;

// The executable's file name in the class's LocalServer32 registration, such as
// "EXCEL.EXE" from "C:\...\EXCEL.EXE" /automation; empty when there is none.
std::wstring localServerName(const CLSID &id)
{
    wchar_t clsid[64] = {};
    if (StringFromGUID2(id, clsid, 64) == 0)
        return {};
    const std::wstring key = std::wstring(L"CLSID\\") + clsid + L"\\LocalServer32";
    wchar_t command[1024] = {};
    DWORD size = sizeof(command);
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ, nullptr, command,
                     &size)
        != ERROR_SUCCESS)
        return {};
    std::wstring path = command;
    if (!path.empty() && path.front() == L'"') {
        path = path.substr(1, path.find(L'"', 1) - 1);
    } else {
        const std::size_t exe = path.find(L".exe");
        const std::size_t EXE = path.find(L".EXE");
        const std::size_t end = std::min(exe, EXE);
        if (end != std::wstring::npos)
            path = path.substr(0, end + 4);
    }
    return path.substr(path.find_last_of(L"\\/") + 1);
}

std::vector<DWORD> processesNamed(const std::wstring &name)
{
    std::vector<DWORD> ids;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(name.c_str(), entry.szExeFile) == 0)
            ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

} // namespace

std::shared_ptr<ComProcess> ComProcess::open(DWORD id)
{
    if (id == 0 || id == GetCurrentProcessId())
        return nullptr;
    const HANDLE process = OpenProcess(Access, FALSE, id);
    if (!process)
        return nullptr;
    return std::shared_ptr<ComProcess>(new ComProcess(process));
}

std::optional<std::vector<DWORD>> ComProcess::processesOf(const CLSID &id)
{
    const std::wstring name = localServerName(id);
    if (name.empty())
        return std::nullopt;
    return processesNamed(name);
}

std::shared_ptr<ComProcess> ComProcess::startedFor(const CLSID &id, const std::vector<DWORD> &before)
{
    std::vector<DWORD> started;
    for (const DWORD process : processesNamed(localServerName(id))) {
        if (std::find(before.begin(), before.end(), process) == before.end())
            started.push_back(process);
    }
    // Two new ones (a user starting Excel at the same moment): neither is watched.
    return started.size() == 1 ? open(started.front()) : nullptr;
}

ComProcess::~ComProcess()
{
    CloseHandle(m_process);
}

std::optional<std::chrono::nanoseconds> ComProcess::processorTime()
{
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(m_process, &exitCode) || exitCode != STILL_ACTIVE)
        return std::nullopt;
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(m_process, &created, &exited, &kernel, &user))
        return std::nullopt;
    auto ticks = [](const FILETIME &time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    // FILETIME counts in units of 100 ns.
    return std::chrono::nanoseconds((ticks(kernel) + ticks(user)) * 100);
}

void ComProcess::end()
{
    TerminateProcess(m_process, 1);
}
