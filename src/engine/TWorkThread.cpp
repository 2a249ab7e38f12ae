#include "TWorkThread.h"

#include <QMetaObject>

TWorkThread::TWorkThread(QObject *target, std::function<void(TWorkThread *)> step)
    : m_target(target)
    , m_step(std::move(step))
{
}

TWorkThread::~TWorkThread()
{
    terminateWorker();
    wait();
}

bool TWorkThread::isSuspended() const
{
    QMutexLocker lock(&m_mutex);
    return m_suspended;
}

void TWorkThread::suspendWorker()
{
    QMutexLocker lock(&m_mutex);
    m_suspended = true;
}

void TWorkThread::resumeWorker()
{
    {
        QMutexLocker lock(&m_mutex);
        m_suspended = false;
        m_gate.wakeAll();
    }
    if (!isRunning() && !isFinished())
        start();
}

void TWorkThread::terminateWorker()
{
    QMutexLocker lock(&m_mutex);
    m_terminated = true;
    m_gate.wakeAll();
}

bool TWorkThread::waitAtGate()
{
    QMutexLocker lock(&m_mutex);
    while (m_suspended && !m_terminated)
        m_gate.wait(&m_mutex);
    return !m_terminated;
}

void TWorkThread::run()
{
    while (waitAtGate()) {
        QMetaObject::invokeMethod(
            m_target, [this] { m_step(this); }, Qt::BlockingQueuedConnection);
    }
}
