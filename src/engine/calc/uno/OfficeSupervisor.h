#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// A thread that lives as long as the office object. It starts the office process (a
// process started by a thread is killed when that thread ends, so the starting thread
// must outlive every office) and it is the watchdog: an armed deadline that passes
// runs the expiry action there, while the thread of the operation is blocked in a call
// to an office that no longer answers.
class OfficeSupervisor
{
public:
    using Clock = std::chrono::steady_clock;

    OfficeSupervisor();
    ~OfficeSupervisor();

    OfficeSupervisor(const OfficeSupervisor &) = delete;
    OfficeSupervisor &operator=(const OfficeSupervisor &) = delete;

    // Runs a task on the supervisor's thread and waits for it.
    void run(const std::function<void()> &task);

    // Runs onExpiry once when the deadline passes before disarm().
    void arm(Clock::time_point deadline, std::function<void()> onExpiry);
    void disarm();
    // How many times a deadline has passed.
    int expiries() const;

private:
    void loop();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::deque<std::function<void()>> m_tasks;
    unsigned m_tasksRun = 0;
    unsigned m_tasksQueued = 0;
    std::optional<Clock::time_point> m_deadline;
    std::function<void()> m_onExpiry;
    int m_expiries = 0;
    bool m_stop = false;
    std::thread m_thread;
};
