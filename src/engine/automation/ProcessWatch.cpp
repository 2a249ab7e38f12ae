#include "ProcessWatch.h"

#include "AutomationProcess.h"
#include "PeriodicTask.h"

ProcessWatch::ProcessWatch(std::shared_ptr<AutomationProcess> process, const ProcessProgress::Limits &limits)
    : m_process(std::move(process))
    , m_progress(limits, ProcessProgress::Clock::now())
{
    if (m_process)
        m_task = std::make_unique<PeriodicTask>(limits.interval, [this] { return check(); });
}

ProcessWatch::~ProcessWatch()
{
    m_task.reset();
}

bool ProcessWatch::check()
{
    const ProcessProgress::Verdict verdict = m_progress.sample(ProcessProgress::Clock::now(), m_process->processorTime());
    if (verdict == ProcessProgress::Verdict::Working)
        return true;
    m_ended = true;
    m_process->end();
    return false;
}
