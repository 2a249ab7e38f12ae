#include "CalcPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace CalcPaths {

QString documentUrl(const QString &path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
}

namespace {

// Index of the dot that starts the extension of the file name, -1 when there is none.
qsizetype extensionDot(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? dot : -1;
}

} // namespace

QString targetPath(const QString &path, const QString &extension)
{
    const qsizetype dot = extensionDot(path);
    if (dot < 0)
        return path + extension;
    if (path.mid(dot).compare(extension, Qt::CaseInsensitive) == 0)
        return path;
    return path.left(dot) + extension;
}

QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString extension(const QString &path)
{
    const qsizetype dot = extensionDot(path);
    return dot < 0 ? QString() : path.mid(dot + 1).toLower();
}

} // namespace CalcPaths
