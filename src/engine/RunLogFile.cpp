#include "RunLogFile.h"

#include "AppPaths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>

RunLogFile::RunLogFile() = default;

RunLogFile::~RunLogFile() = default;

void RunLogFile::acquire()
{
    release();
    m_lines = 0;
    const QString shared = AppPaths::logFile();
    m_lock = std::make_unique<QLockFile>(shared + QStringLiteral(".lock"));
    // A run can take hours: the lock is stale only when its process is gone.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        m_path = shared;
        return;
    }
    m_lock.reset();
    m_path = QFileInfo(shared).absolutePath() + QStringLiteral("/Tablevane-")
        + QString::number(QCoreApplication::applicationPid()) + QStringLiteral(".log");
}

void RunLogFile::release()
{
    m_lock.reset();
}

QString RunLogFile::path() const
{
    return m_path.isEmpty() ? AppPaths::logFile() : m_path;
}
