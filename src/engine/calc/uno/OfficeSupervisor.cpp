#include "OfficeSupervisor.h"

OfficeSupervisor::OfficeSupervisor()
    : m_thread([this] { loop(); })
{
}

OfficeSupervisor::~OfficeSupervisor()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void OfficeSupervisor::run(const std::function<void()> &task)
{
    if (std::this_thread::get_id() == m_thread.get_id()) {
        task();
        return;
    }
    std::unique_lock lock(m_mutex);
    m_tasks.push_back(task);
    const unsigned ticket = ++m_tasksQueued;
    m_wake.notify_all();
    m_done.wait(lock, [&] { return m_tasksRun >= ticket; });
}

void OfficeSupervisor::arm(Clock::time_point deadline, std::function<void()> onExpiry)
{
    {
        std::lock_guard lock(m_mutex);
        m_deadline = deadline;
        m_onExpiry = std::move(onExpiry);
    }
    m_wake.notify_all();
}

void OfficeSupervisor::disarm()
{
    std::lock_guard lock(m_mutex);
    m_deadline.reset();
    m_onExpiry = nullptr;
}

int OfficeSupervisor::expiries() const
{
    std::lock_guard lock(m_mutex);
    return m_expiries;
}

void OfficeSupervisor::loop()
{
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        if (!m_tasks.empty()) {
            const std::function<void()> task = std::move(m_tasks.front());
            m_tasks.pop_front();
            lock.unlock();
            task();
            lock.lock();
            ++m_tasksRun;
            m_done.notify_all();
            continue;
        }
        if (m_deadline && Clock::now() >= *m_deadline) {
            const std::function<void()> expire = std::move(m_onExpiry);
            m_deadline.reset();
            m_onExpiry = nullptr;
            ++m_expiries;
            lock.unlock();
            if (expire)
                expire();
            lock.lock();
            continue;
        }
        if (m_deadline)
            m_wake.wait_until(lock, *m_deadline);
        else
            m_wake.wait(lock);
    }
}
