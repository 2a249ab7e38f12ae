#include "TrashRecord.h"

#include <QFile>

namespace TrashRecord {

// The Recycle Bin writes its record in the same shell operation that moves the file:
// a file that went in can be put back.
bool complete(const QString &)
{
    return true;
}

bool restore(const QString &trashedPath, const QString &originalPath)
{
    return QFile::rename(trashedPath, originalPath);
}

} // namespace TrashRecord
