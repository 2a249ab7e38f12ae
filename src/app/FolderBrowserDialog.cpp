#include "FolderBrowserDialog.h"

#include <QFileDialog>
#include <QLabel>
#include <QVBoxLayout>

FolderBrowserDialog::FolderBrowserDialog(const QString &prompt, const QString &startFolder, QWidget *parent)
    : QDialog(parent)
    , m_prompt(new QLabel(prompt, this))
    , m_folders(new QFileDialog(this, QString(), startFolder))
{
    setObjectName(QStringLiteral("FolderBrowser"));
    setWindowTitle(QStringLiteral("Tablevane"));
    m_prompt->setObjectName(QStringLiteral("lblPrompt"));
    m_prompt->setWordWrap(true);
    m_prompt->setTextFormat(Qt::PlainText);
    // The file dialog is embedded as a plain widget; a native dialog cannot be.
    m_folders->setOption(QFileDialog::DontUseNativeDialog);
    m_folders->setOption(QFileDialog::ShowDirsOnly);
    m_folders->setFileMode(QFileDialog::Directory);
    m_folders->setWindowFlags(Qt::Widget);
    connect(m_folders, &QFileDialog::accepted, this, &QDialog::accept);
    connect(m_folders, &QFileDialog::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_folders, 1);
}

QString FolderBrowserDialog::selectedFolder() const
{
    const QStringList chosen = m_folders->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.constFirst();
}
