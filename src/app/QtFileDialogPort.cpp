#include "QtFileDialogPort.h"

#include "FolderBrowserDialog.h"

#include <QFileDialog>
#include <QStringList>

QString QtFileDialogPort::qtFilter(const QString &windowsFilter)
{
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts.at(i);
        const QString patterns = QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses of a filter; a description
        // that already ends with them is used as it stands.
        const QString suffix = QStringLiteral("(") + patterns + QLatin1Char(')');
        filters.append(description.endsWith(suffix) ? description : description + QLatin1Char(' ') + suffix);
    }
    return filters.join(QStringLiteral(";;"));
}

QString QtFileDialogPort::openFile(const FileDialogSpec &request)
{
    QFileDialog dialog(m_parent, request.title, request.initialFolder, qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogPort::saveFile(const FileDialogSpec &request)
{
    QFileDialog dialog(m_parent, request.title, request.initialFolder, qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogPort::chooseFolder(const QString &prompt, const QString &rootFolder)
{
    FolderBrowserDialog dialog(prompt, rootFolder, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFolder();
}
