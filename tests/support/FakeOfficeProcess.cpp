#include "FakeOfficeProcess.h"

#include "AutomationError.h"

std::optional<std::chrono::nanoseconds> FakeOfficeProcess::processorTime()
{
    if (m_ended)
        return std::nullopt;
    // A millisecond of processor time per call.
    return std::chrono::nanoseconds(m_ticks.load() * 1000000);
}

void FakeOfficeProcess::prompt(const std::string &member, const std::string &question)
{
    m_prompts.push_back(question);
    while (!m_ended.load()) {
    }
    throw AutomationError(member, "the remote procedure call failed: the server process has ended");
}
