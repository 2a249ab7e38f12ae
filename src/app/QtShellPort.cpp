#include "QtShellPort.h"

#include "AppPaths.h"
#include "HelpWindow.h"
#include "LogViewerWindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

QtShellPort::QtShellPort(const QString &opener)
    : m_opener(opener)
{
}

QtShellPort::~QtShellPort()
{
    // A window of the main window goes with it; one without a parent goes here.
    if (m_logWindow && !m_logWindow->parent())
        delete m_logWindow.data();
    if (m_helpWindow && !m_helpWindow->parent())
        delete m_helpWindow.data();
}

void QtShellPort::openInEditor(const QString &path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    const QString opener = QDir::isAbsolutePath(m_opener) ? m_opener : QStandardPaths::findExecutable(m_opener);
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
            showInOwnWindow(file);
        return;
    }
    // The opener reports by its exit code whether an application took the file. It is
    // not waited for and, having no parent, not killed when the program ends: it may
    // run the editor itself.
    auto *process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::errorOccurred, this, [this, process, file](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        showInOwnWindow(file);
        process->deleteLater();
    });
    connect(process, &QProcess::finished, this, [this, process, file](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0)
            showInOwnWindow(file);
        process->deleteLater();
    });
    process->start(opener, {file});
}

LogViewerWindow *QtShellPort::logWindow() const
{
    return m_logWindow;
}

void QtShellPort::showInOwnWindow(const QString &path)
{
    if (!m_logWindow)
        m_logWindow = new LogViewerWindow(m_parent);
    m_logWindow->showLog(path);
}

void QtShellPort::showHelpContents(const QString &helpFile)
{
    // Only compiled help files are shown: the extension after the last dot is ".chm".
    // A name without folder is one in the program's folder.
    if (QFileInfo(helpFile).suffix().compare(QLatin1String("chm"), Qt::CaseInsensitive) != 0
        || QFileInfo(helpFile).completeBaseName().isEmpty())
        return;
    const QString file = QFileInfo(helpFile).isRelative() && !helpFile.contains(QLatin1Char('/'))
        ? AppPaths::joinPath(AppPaths::programFolder(), helpFile)
        : helpFile;
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(m_parent);
    m_helpWindow->showContents(file);
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

HelpWindow *QtShellPort::helpWindow() const
{
    return m_helpWindow;
}

void QtShellPort::closeAllHelp()
{
    if (m_helpWindow)
        m_helpWindow->close();
}
