#pragma once

#include "FileDialogPort.h"

class QWidget;

// Open, save and folder dialogs through QFileDialog.
class QtFileDialogPort : public FileDialogPort
{
public:
    explicit QtFileDialogPort(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParentWindow(QWidget *parent) { m_parent = parent; }

    QString openFile(const FileDialogSpec &request) override;
    QString saveFile(const FileDialogSpec &request) override;
    QString chooseFolder(const QString &prompt, const QString &rootFolder) override;

    // "Description|*.ext" (a Windows filter) as Qt's "Description (*.ext)".
    static QString qtFilter(const QString &windowsFilter);

private:
    QWidget *m_parent;
};
