#include "StoreFailure.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace StoreFailure {

namespace {

// Below this the office cannot write even a small document with its temporary copy.
constexpr qint64 NearlyFull = 1024 * 1024;

} // namespace

QString reason(const QString &resultPath)
{
    const QString folder = QFileInfo(resultPath).absolutePath();
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.isReadOnly())
        return QStringLiteral("the disk is read-only");
    if (disk.isValid() && disk.bytesAvailable() < NearlyFull)
        return QStringLiteral("the disk is full");
    if (!QFileInfo(folder).isWritable())
        return QStringLiteral("permission denied: the folder cannot be written");
    return QStringLiteral("the office could not write the document in the chosen format");
}

QString reasonOf(const std::error_code &error)
{
    if (error == std::errc::no_space_on_device)
        return QStringLiteral("the disk is full");
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return QStringLiteral("permission denied");
    if (error == std::errc::read_only_file_system)
        return QStringLiteral("the disk is read-only");
    return QString::fromStdString(error.message()).toLower();
}

} // namespace StoreFailure
