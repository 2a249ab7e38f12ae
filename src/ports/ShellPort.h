#pragma once

#include <QString>

// Actions handed to the desktop.
class ShellPort
{
public:
    virtual ~ShellPort() = default;
    // Opens a text file (the log) in the desktop's editor.
    virtual void openInEditor(const QString &path) = 0;
    // Shows the table of contents of a help file.
    virtual void showHelpContents(const QString &helpFile) = 0;
    // Closes every help window (at exit).
    virtual void closeAllHelp() = 0;
};
