#pragma once

#include "ShellPort.h"

#include <QStringList>

// Records the files the program asks the desktop to open.
class FakeShellPort : public ShellPort
{
public:
    void openInEditor(const QString &path) override { editorOpened.append(path); }
    void showHelpContents(const QString &helpFile) override { helpShown.append(helpFile); }
    void closeAllHelp() override { ++helpClosed; }

    QStringList editorOpened;
    QStringList helpShown;
    int helpClosed = 0;
};
