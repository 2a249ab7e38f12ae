#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a document on disk was at one moment: enough to tell whether anyone changed or
// replaced it since (its size, its modification time and, up to a size a store is not
// slowed by, a checksum of its bytes).
struct DocumentFingerprint
{
    bool exists = false;
    qint64 size = -1;
    QDateTime modified;
    QByteArray checksum;   // empty above the size limit

    static DocumentFingerprint of(const QString &path);

    bool operator==(const DocumentFingerprint &other) const = default;
};
