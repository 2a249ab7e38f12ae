#include "ProcessProgress.h"

ProcessProgress::ProcessProgress(const Limits &limits, Clock::time_point start)
    : m_limits(limits)
    , m_start(start)
    , m_lastProgress(start)
{
}

ProcessProgress::Verdict ProcessProgress::sample(Clock::time_point now,
                                                 std::optional<std::chrono::nanoseconds> processorTime)
{
    if (!processorTime || processorTime != m_lastTime) {
        m_lastTime = processorTime;
        m_lastProgress = now;
    }
    if (now - m_lastProgress >= m_limits.noProgress)
        return Verdict::Stalled;
    if (now - m_start >= m_limits.total)
        return Verdict::TooLong;
    return Verdict::Working;
}
