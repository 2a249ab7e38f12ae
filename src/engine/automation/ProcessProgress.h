#pragma once

#include <chrono>
#include <optional>

// Tells a hung office process from a busy one, from samples of the processor time it
// has used: a process that uses none for the no-progress limit (waiting for a prompt
// nobody sees, deadlocked, stopped), or that is still at work past the total limit
// however busy it is, is to be ended.
class ProcessProgress
{
public:
    using Clock = std::chrono::steady_clock;

    struct Limits
    {
        // A busy Excel or Word keeps using the processor; one waiting for an answer to a
        // prompt uses none at all.
        std::chrono::milliseconds noProgress = std::chrono::seconds(60);
        // The longest one operation (one document) may take: far beyond the largest
        // documents, only so that an office spinning in a loop is ended at last.
        std::chrono::milliseconds total = std::chrono::minutes(30);
        // How often the processor time is sampled.
        std::chrono::milliseconds interval = std::chrono::seconds(1);
    };

    enum class Verdict { Working, Stalled, TooLong };

    ProcessProgress(const Limits &limits, Clock::time_point start);

    // One sample: nothing when the time could not be read (a process that ended is no
    // hang of it).
    Verdict sample(Clock::time_point now, std::optional<std::chrono::nanoseconds> processorTime);

private:
    Limits m_limits;
    Clock::time_point m_start;
    Clock::time_point m_lastProgress;
    std::optional<std::chrono::nanoseconds> m_lastTime;
};
