#include "RunLog.h"

#include <QFile>
#include <QLocale>

namespace RunLog {

bool emptyLog(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool WriteLogLine(const QString &path, const QString &first, const QString &second)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = (first + QLatin1Char(' ') + second).toLocal8Bit() + "\r\n";
    return file.write(line) == line.size() && file.flush();
}

QString excelLineStart(const QString &path, const QDateTime &now)
{
    const QLocale locale = QLocale::system();
    QString stamp = locale.toString(now.date(), QLocale::ShortFormat);
    if (now.time() != QTime(0, 0))
        stamp += QLatin1Char(' ') + locale.toString(now.time(), QLocale::LongFormat);
    return stamp + QStringLiteral(" - ") + path;
}

QString excelLineEnd(const QString &message)
{
    return QStringLiteral(" - ") + message;
}

} // namespace RunLog
