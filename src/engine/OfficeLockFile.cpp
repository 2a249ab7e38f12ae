#include "OfficeLockFile.h"

#include "ProcessPresence.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

namespace {

// The office reads the fields "user name, system user, host, time, profile URL;".
QByteArray lockContent()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    const QString fields = QStringLiteral("Tablevane (process %1),%2,%3,%4,;")
                               .arg(ProcessPresence::currentProcessId())
                               .arg(user, QSysInfo::machineHostName(),
                                    QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    return fields.toUtf8();
}

QByteArray readSmall(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096);
}

} // namespace

OfficeLockFile::OfficeLockFile(const QString &document)
    : m_path(pathFor(document))
{
}

OfficeLockFile::~OfficeLockFile()
{
    release();
}

QString OfficeLockFile::pathFor(const QString &document)
{
    const QFileInfo info(document);
    return info.absoluteDir().filePath(QStringLiteral(".~lock.") + info.fileName() + QLatin1Char('#'));
}

bool OfficeLockFile::isLeftover(const QString &lockPath)
{
    static const QRegularExpression own(QStringLiteral("^Tablevane \\(process (\\d+)\\),[^,]*,([^,]*),"));
    const QRegularExpressionMatch match = own.match(QString::fromUtf8(readSmall(lockPath)));
    return match.hasMatch() && match.captured(2) == QSysInfo::machineHostName()
        && !ProcessPresence::exists(match.captured(1).toLongLong());
}

OfficeLockFile::State OfficeLockFile::acquire()
{
    if (m_held)
        return State::Held;
    const QFileInfo existing(m_path);
    if ((existing.exists() || existing.isSymLink()) && isLeftover(m_path))
        QFile::remove(m_path);
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const QFileInfo now(m_path);
        return now.exists() || now.isSymLink() ? State::HeldElsewhere : State::NotWritable;
    }
    m_content = lockContent();
    file.write(m_content);
    file.close();
    m_held = true;
    return State::Held;
}

void OfficeLockFile::release()
{
    // Only the lock this object wrote: one that somebody replaced meanwhile is theirs.
    if (m_held && readSmall(m_path) == m_content)
        QFile::remove(m_path);
    m_held = false;
}
