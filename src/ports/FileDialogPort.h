#pragma once

#include <QString>

// What an open or save dialog shows. The filter uses the "Description|*.ext" form of
// the set and document dialogs; an implementation turns it into its own syntax.
struct FileDialogSpec
{
    QString title;
    QString filter;
    QString initialFolder;
    QString defaultSuffix;
    bool confirmOverwrite = false;
};

// File and folder choice. Each call returns the chosen absolute path, or an empty
// text when the user cancels.
class FileDialogPort
{
public:
    virtual ~FileDialogPort() = default;
    virtual QString openFile(const FileDialogSpec &request) = 0;
    virtual QString saveFile(const FileDialogSpec &request) = 0;
    virtual QString chooseFolder(const QString &prompt, const QString &rootFolder) = 0;
};
