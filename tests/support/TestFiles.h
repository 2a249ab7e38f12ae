#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Whole files for tests that compare what lies on disk before and after.
namespace TestFiles {

inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// "(missing)" for a file that cannot be read, so that a missing file never equals one.
inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace TestFiles
