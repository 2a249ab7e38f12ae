#include "FileContent.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

FileContent FileContent::of(const QString &path)
{
    FileContent content;
    const QFileInfo info(path);
    content.exists = info.exists() || info.isSymLink();
    if (!content.exists || !info.isFile())
        return content;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return content;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return content;
    content.size = file.size();
    content.sha256 = hash.result().toHex();
    return content;
}

QJsonObject FileContent::toJson() const
{
    return QJsonObject{{QStringLiteral("size"), double(size)}, {QStringLiteral("sha256"), QString::fromLatin1(sha256)}};
}

FileContent FileContent::fromJson(const QJsonObject &json)
{
    FileContent content;
    content.sha256 = json.value(QStringLiteral("sha256")).toString().toLatin1();
    content.exists = !content.sha256.isEmpty();
    content.size = qint64(json.value(QStringLiteral("size")).toDouble(-1));
    return content;
}
