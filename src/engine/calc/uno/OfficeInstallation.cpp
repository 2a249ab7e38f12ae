#include "OfficeInstallation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QStringList usualLocations()
{
    QStringList locations = {QStringLiteral("/usr/lib/libreoffice/program/soffice"),
                             QStringLiteral("/usr/lib64/libreoffice/program/soffice"),
                             QStringLiteral("/usr/local/lib/libreoffice/program/soffice")};
    // Installations of the project's own packages, newest version first.
    QStringList opt = QDir(QStringLiteral("/opt")).entryList({QStringLiteral("libreoffice*")},
                                                              QDir::Dirs, QDir::Name | QDir::Reversed);
    for (const QString &dir : opt)
        locations.append(QStringLiteral("/opt/") + dir + QStringLiteral("/program/soffice"));
    return locations;
}

} // namespace

std::optional<OfficeInstallation> OfficeInstallation::find()
{
    for (const QString &location : usualLocations()) {
        if (auto installation = fromSoffice(location))
            return installation;
    }
    for (const QString &name : {QStringLiteral("soffice"), QStringLiteral("libreoffice")}) {
        const QString onPath = QStandardPaths::findExecutable(name);
        if (!onPath.isEmpty()) {
            if (auto installation = fromSoffice(onPath))
                return installation;
        }
    }
    return std::nullopt;
}

std::optional<OfficeInstallation> OfficeInstallation::fromSoffice(const QString &soffice)
{
    const QFileInfo script(soffice);
    if (!script.exists())
        return std::nullopt;
    const QString programDir = QFileInfo(script.canonicalFilePath()).absolutePath();
    const QFileInfo binary(programDir + QStringLiteral("/soffice.bin"));
    if (!binary.isFile() || !binary.isExecutable())
        return std::nullopt;
    return OfficeInstallation{programDir, binary.absoluteFilePath(), readVersion(programDir)};
}

QString OfficeInstallation::readVersion(const QString &programDir)
{
    QFile registry(programDir + QStringLiteral("/../share/registry/main.xcd"));
    if (!registry.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression pattern(
        QStringLiteral("<prop oor:name=\"ooSetupVersion\">\\s*<value>([0-9.]+)</value>"));
    const QRegularExpressionMatch match = pattern.match(QString::fromUtf8(registry.readAll()));
    return match.hasMatch() ? match.captured(1) : QString();
}
