#include "StoreTarget.h"

#include "TrashRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace StoreTarget {

namespace {

bool writableByUser(const QFileInfo &document)
{
    const QFileDevice::Permissions writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    // root may write anything; a file nobody may write is still meant to stay as it is.
    if (!(document.permissions() & writeBits))
        return false;
    return document.isWritable();   // the system's own access check for this user
}

} // namespace

std::optional<QString> readOnlyRefusal(const QString &path)
{
    const QFileInfo document(path);
    if (document.exists() && !writableByUser(document))
        return QStringLiteral("the document is read-only");
    return std::nullopt;
}

QString lockRefusal(const QString &lockPath)
{
    return QStringLiteral("the document is open in another program (lock file %1)").arg(QFileInfo(lockPath).fileName());
}

std::optional<QString> ownerFileRefusal(const QString &document)
{
    const QFileInfo info(document);
    const QFileInfo owner(info.absoluteDir(), QStringLiteral("~$") + info.fileName());
    if (!owner.exists() && !owner.isSymLink())
        return std::nullopt;
    return QStringLiteral("the document is open in Excel (owner file %1)").arg(owner.fileName());
}

std::optional<QString> moveToTrash(const QString &path, QString *error)
{
    const QFileInfo existing(path);
    if (!existing.exists() && !existing.isSymLink())
        return std::nullopt;
    // Qt makes the home trash only inside an existing data folder; without one (a new
    // account, or a data folder that cannot be made) it files the document under the
    // working folder instead.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!QDir().mkpath(data) || !QFileInfo(data).isDir()) {
        *error = QStringLiteral("%1 exists and cannot be moved to the trash (no data folder %2)").arg(path, data);
        return std::nullopt;
    }
    QString trashed;
    if (!QFile::moveToTrash(path, &trashed)) {
        *error = QStringLiteral("%1 exists and cannot be moved to the trash").arg(path);
        return std::nullopt;
    }
    if (QDir::isRelativePath(trashed)) {
        // Not a trash at all: put the file back where it was and refuse the store.
        TrashRecord::restore(QFileInfo(trashed).absoluteFilePath(), path);
        *error = QStringLiteral("%1 exists and cannot be moved to the trash").arg(path);
        return std::nullopt;
    }
    // A disk that filled up while the trash wrote its record leaves a file nobody can
    // put back from the trash: it is taken out again.
    if (!TrashRecord::complete(trashed)) {
        TrashRecord::restore(trashed, path);
        *error = QStringLiteral("%1 exists and cannot be moved to the trash (the disk may be full)").arg(path);
        return std::nullopt;
    }
    return trashed;
}

} // namespace StoreTarget
