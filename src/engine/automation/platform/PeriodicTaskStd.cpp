#include "PeriodicTask.h"

#include <condition_variable>
#include <mutex>
#include <thread>

struct PeriodicTask::Impl
{
    std::mutex mutex;
    std::condition_variable wake;
    bool stop = false;
    std::thread thread;
};

PeriodicTask::PeriodicTask(std::chrono::milliseconds interval, std::function<bool()> task)
    : m_impl(std::make_unique<Impl>())
{
    Impl &impl = *m_impl;
    impl.thread = std::thread([&impl, interval, task = std::move(task)] {
        std::unique_lock lock(impl.mutex);
        while (!impl.wake.wait_for(lock, interval, [&] { return impl.stop; })) {
            lock.unlock();
            const bool again = task();
            lock.lock();
            if (!again)
                return;
        }
    });
}

PeriodicTask::~PeriodicTask()
{
    {
        std::lock_guard lock(m_impl->mutex);
        m_impl->stop = true;
    }
    m_impl->wake.notify_all();
    m_impl->thread.join();
}
