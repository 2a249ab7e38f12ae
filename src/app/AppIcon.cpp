#include "AppIcon.h"

#include <QDir>
#include <QGuiApplication>

namespace AppIcon {

QIcon icon()
{
    QIcon result;
    const QDir images(QStringLiteral(":/appicon"));
    for (const QString &name : images.entryList(QDir::Files))
        result.addFile(images.filePath(name));
    return result;
}

void identifyApplication()
{
    QGuiApplication::setWindowIcon(icon());
    QGuiApplication::setDesktopFileName(QStringLiteral(TABLEVANE_APP_ID));
}

} // namespace AppIcon
