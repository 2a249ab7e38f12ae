#pragma once

#include "ShellPort.h"

#include <QObject>
#include <QPointer>
#include <QString>

class HelpWindow;
class LogViewerWindow;
class QWidget;

// The desktop's default applications. A text file the desktop cannot open (no opener,
// no application for text, or the opener fails) is shown in the program's own log
// window instead, so that the log of a run with failures is always seen.
class QtShellPort : public QObject, public ShellPort
{
public:
    // The opener the desktop provides; tests name one that fails.
    explicit QtShellPort(const QString &opener = QStringLiteral("xdg-open"));
    ~QtShellPort() override;
    void setParentWindow(QWidget *parent) { m_parent = parent; }

    void openInEditor(const QString &path) override;
    void showHelpContents(const QString &helpFile) override;
    void closeAllHelp() override;

    // The own log window, once it has been needed.
    LogViewerWindow *logWindow() const;
    // The help window, once a help file has been shown.
    HelpWindow *helpWindow() const;

private:
    void showInOwnWindow(const QString &path);

    QString m_opener;
    QWidget *m_parent = nullptr;
    QPointer<LogViewerWindow> m_logWindow;
    QPointer<HelpWindow> m_helpWindow;
};
