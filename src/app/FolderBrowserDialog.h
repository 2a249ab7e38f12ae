#pragma once

#include <QDialog>

class QFileDialog;
class QLabel;

// The folder browser: the prompt stands whole above the folders, wrapped over as many
// lines as it needs, as a window title would cut it off.
class FolderBrowserDialog : public QDialog
{
    Q_OBJECT

public:
    FolderBrowserDialog(const QString &prompt, const QString &startFolder, QWidget *parent = nullptr);

    QString selectedFolder() const;
    QLabel *promptLabel() const { return m_prompt; }

private:
    QLabel *m_prompt;
    QFileDialog *m_folders;
};
