#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <functional>

// The run's worker. It does no formatting: as long as it is not told to terminate, it
// asks the window's thread to run the next step and blocks until that step has run.
// It is created suspended; between steps it waits on a gate that Pause closes and
// Resume opens. Terminate is a flag seen between steps.
class TWorkThread : public QThread
{
    Q_OBJECT

public:
    // step runs in the thread of 'target' (the window's thread).
    TWorkThread(QObject *target, std::function<void(TWorkThread *)> step);
    ~TWorkThread() override;

    bool isSuspended() const;
    void suspendWorker();
    void resumeWorker();     // starts the thread at the first resume
    void terminateWorker();
    bool isTerminated() const { return m_terminated.load(); }

protected:
    void run() override;

private:
    bool waitAtGate();

    QObject *m_target;
    std::function<void(TWorkThread *)> m_step;
    mutable QMutex m_mutex;
    QWaitCondition m_gate;
    bool m_suspended = true;
    std::atomic<bool> m_terminated{false};
};
