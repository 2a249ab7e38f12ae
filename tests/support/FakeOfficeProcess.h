#pragma once

#include "AutomationProcess.h"

#include <atomic>
#include <string>
#include <vector>

// The process a simulated Excel or Word instance runs in. Every call the instance takes
// uses processor time; a call that shows a prompt (a question nobody can see in a hidden
// instance) waits, using none, until the process is ended, and then fails as a call to
// a dead process does. Plain standard C++ without threads (the simulation is built for
// Windows too): the waiting call spins on the ended flag.
class FakeOfficeProcess : public AutomationProcess
{
public:
    std::optional<std::chrono::nanoseconds> processorTime() override;
    void end() override { m_ended = true; }

    bool ended() const { return m_ended; }
    // One call taken.
    void tick() { ++m_ticks; }
    // Shows the question and waits until the process is ended; then throws
    // AutomationError named by member.
    [[noreturn]] void prompt(const std::string &member, const std::string &question);
    // The questions shown, in order (written by the calling thread only).
    const std::vector<std::string> &prompts() const { return m_prompts; }

private:
    std::atomic<long long> m_ticks{0};
    std::atomic<bool> m_ended{false};
    std::vector<std::string> m_prompts;
};
