#include "DocumentFingerprint.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

// Reading 256 MiB takes well under a second from a warm cache; a spreadsheet that size
// takes the office minutes to open, so the checksum never weighs on a run.
constexpr qint64 ChecksumLimit = qint64(256) * 1024 * 1024;

QByteArray checksumOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("unreadable");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QByteArrayLiteral("unreadable");
    return hash.result();
}

} // namespace

DocumentFingerprint DocumentFingerprint::of(const QString &path)
{
    const QFileInfo info(path);
    DocumentFingerprint print;
    if (!info.exists())
        return print;
    print.exists = true;
    print.size = info.size();
    print.modified = info.lastModified().toUTC();
    if (print.size <= ChecksumLimit)
        print.checksum = checksumOf(path);
    return print;
}
