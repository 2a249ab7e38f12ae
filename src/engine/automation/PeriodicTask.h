#pragma once

#include <chrono>
#include <functional>
#include <memory>

// Runs a task every interval on a thread of its own, until the task returns false or
// the object is dropped; dropping it waits for a task under way. One implementation per
// platform (the Windows build's compiler has no standard threads).
class PeriodicTask
{
public:
    PeriodicTask(std::chrono::milliseconds interval, std::function<bool()> task);
    ~PeriodicTask();

    PeriodicTask(const PeriodicTask &) = delete;
    PeriodicTask &operator=(const PeriodicTask &) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
