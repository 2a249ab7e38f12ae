#include "PeriodicTask.h"

#include <windows.h>

struct PeriodicTask::Impl
{
    std::chrono::milliseconds interval;
    std::function<bool()> task;
    HANDLE stop = nullptr;
    HANDLE thread = nullptr;

    static DWORD WINAPI run(void *self)
    {
        Impl &impl = *static_cast<Impl *>(self);
        while (WaitForSingleObject(impl.stop, DWORD(impl.interval.count())) == WAIT_TIMEOUT) {
            if (!impl.task())
                break;
        }
        return 0;
    }
};

PeriodicTask::PeriodicTask(std::chrono::milliseconds interval, std::function<bool()> task)
    : m_impl(std::make_unique<Impl>())
{
    m_impl->interval = interval;
    m_impl->task = std::move(task);
    m_impl->stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_impl->stop)
        m_impl->thread = CreateThread(nullptr, 0, &Impl::run, m_impl.get(), 0, nullptr);
}

PeriodicTask::~PeriodicTask()
{
    if (m_impl->thread) {
        SetEvent(m_impl->stop);
        WaitForSingleObject(m_impl->thread, INFINITE);
        CloseHandle(m_impl->thread);
    }
    if (m_impl->stop)
        CloseHandle(m_impl->stop);
}
