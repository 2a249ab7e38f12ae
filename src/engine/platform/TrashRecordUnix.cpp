#include "TrashRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TrashRecord {

namespace {

// A freedesktop trash keeps "files/NAME" and beside it "info/NAME.trashinfo".
QString infoPath(const QString &trashedPath)
{
    const QFileInfo trashed(trashedPath);
    QDir trash = trashed.absoluteDir();
    trash.cdUp();
    return trash.filePath(QStringLiteral("info/") + trashed.fileName() + QStringLiteral(".trashinfo"));
}

} // namespace

bool complete(const QString &trashedPath)
{
    QFile info(infoPath(trashedPath));
    if (!info.open(QIODevice::ReadOnly))
        return false;
    return info.readAll().contains("Path=");
}

bool restore(const QString &trashedPath, const QString &originalPath)
{
    if (!QFile::rename(trashedPath, originalPath))
        return false;
    QFile::remove(infoPath(trashedPath));
    return true;
}

} // namespace TrashRecord
