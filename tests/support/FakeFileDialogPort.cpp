#include "FakeFileDialogPort.h"

QString FakeFileDialogPort::openFile(const FileDialogSpec &spec)
{
    openedSpecs.append(spec);
    return next();
}

QString FakeFileDialogPort::saveFile(const FileDialogSpec &spec)
{
    savedSpecs.append(spec);
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
