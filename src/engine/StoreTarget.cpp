#include "StoreTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace StoreTarget {

namespace {

// The lock file another LibreOffice or OpenOffice keeps beside a document it has open.
QString officeLockFile(const QFileInfo &document)
{
    return document.absoluteDir().filePath(QStringLiteral(".~lock.") + document.fileName() + QLatin1Char('#'));
}

bool writableByUser(const QFileInfo &document)
{
    const QFileDevice::Permissions writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    // root may write anything; a file nobody may write is still meant to stay as it is.
    if (!(document.permissions() & writeBits))
        return false;
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(document.absoluteFilePath()).constData(), W_OK) == 0;
#else
    return document.isWritable();
#endif
}

} // namespace

std::optional<QString> refusalToOverwrite(const QString &path)
{
    const QFileInfo document(path);
    if (!document.exists())
        return std::nullopt;
    if (!writableByUser(document))
        return QStringLiteral("the document is read-only");
    const QFileInfo lock(officeLockFile(document));
    if (lock.exists() || lock.isSymLink())
        return QStringLiteral("the document is open in another program (lock file %1)").arg(lock.fileName());
    return std::nullopt;
}

std::optional<QString> moveToTrash(const QString &path, QString *error)
{
    const QFileInfo existing(path);
    if (!existing.exists() && !existing.isSymLink())
        return std::nullopt;
    // Qt makes the home trash only inside an existing data folder; without one (a new
    // account) it files the document under the working folder instead.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString trashed;
    if (!QFile::moveToTrash(path, &trashed)) {
        *error = QStringLiteral("%1 exists and cannot be moved to the trash").arg(path);
        return std::nullopt;
    }
    if (QDir::isRelativePath(trashed)) {
        // Not a trash at all: put the file back where it was and refuse the store.
        const QString misplaced = QFileInfo(trashed).absoluteFilePath();
        QFile::rename(misplaced, path);
        *error = QStringLiteral("%1 exists and cannot be moved to the trash").arg(path);
        return std::nullopt;
    }
    return trashed;
}

TempFiles::TempFiles(const QString &folder)
    : m_folder(folder)
    , m_before(list(folder))
{
}

QSet<QString> TempFiles::list(const QString &folder)
{
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("lu*.tmp")}, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    return QSet<QString>(names.begin(), names.end());
}

int TempFiles::removeNew() const
{
    int removed = 0;
    for (const QString &name : list(m_folder)) {
        if (!m_before.contains(name) && QFile::remove(QDir(m_folder).filePath(name)))
            ++removed;
    }
    return removed;
}

} // namespace StoreTarget
