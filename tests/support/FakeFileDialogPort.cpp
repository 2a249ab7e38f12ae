#include "FakeFileDialogPort.h"

QString FakeFileDialogPort::openFile(const FileDialogSpec &request)
{
    openedSpecs.append(request);
    return next();
}

QString FakeFileDialogPort::saveFile(const FileDialogSpec &request)
{
    savedSpecs.append(request);
    return next();
}

QString FakeFileDialogPort::chooseFolder(const QString &prompt, const QString &)
{
    folderPrompts.append(prompt);
    return next();
}

QString FakeFileDialogPort::next()
{
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}
