#include "QtShellPort.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void QtShellPort::openInEditor(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void QtShellPort::showHelpContents(const QString &helpFile)
{
    // Only compiled help files are shown, by the desktop's viewer for them.
    if (!helpFile.endsWith(QStringLiteral(".chm"), Qt::CaseInsensitive) || !QFileInfo::exists(helpFile))
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath()));
}
