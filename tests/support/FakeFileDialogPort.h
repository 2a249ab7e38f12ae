#pragma once

#include "FileDialogPort.h"

#include <QList>
#include <QStringList>

// Answers each dialog with the next queued path (an empty text is a cancel) and
// records what each dialog was asked to show.
class FakeFileDialogPort : public FileDialogPort
{
public:
    QString openFile(const FileDialogSpec &request) override;
    QString saveFile(const FileDialogSpec &request) override;
    QString chooseFolder(const QString &prompt, const QString &rootFolder) override;

    void setNextFileName(const QString &path) { m_answers.append(path); }

    QList<FileDialogSpec> openedSpecs;
    QList<FileDialogSpec> savedSpecs;
    QStringList folderPrompts;

private:
    QString next();
    QStringList m_answers;
};
