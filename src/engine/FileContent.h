#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The bytes of a file, by size and SHA-256: what tells a file a run wrote from one that
// anybody changed since. A file that cannot be read equals nothing but another
// unreadable one.
struct FileContent
{
    bool exists = false;
    qint64 size = -1;
    QByteArray sha256;   // hexadecimal; empty when the file could not be read

    static FileContent of(const QString &path);
    bool readable() const { return exists && !sha256.isEmpty(); }
    bool operator==(const FileContent &) const = default;

    QJsonObject toJson() const;
    static FileContent fromJson(const QJsonObject &json);
};
