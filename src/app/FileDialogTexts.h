#pragma once

#include "FileDialogPort.h"

#include <QHash>
#include <QString>

// The titles and filters of the main window's file dialogs, by dialog name
// (OpenDlgTVX, SaveDlgTVX, OpenDlgXLS, OpenDlgODS, OpenDlgXLSX and the three
// OpenDlgPattern... dialogs). A language replaces them; a dialog reads them when it opens.
class FileDialogTexts
{
public:
    FileDialogTexts();

    // The title and filter of a dialog; empty for a name that is not one.
    FileDialogSpec request(const QString &dialog) const;
    QString title(const QString &dialog) const;
    QString filter(const QString &dialog) const;
    // A name that is not one of the dialogs is ignored.
    void setTitle(const QString &dialog, const QString &title);
    void setFilter(const QString &dialog, const QString &filter);

private:
    QHash<QString, FileDialogSpec> m_dialogs;
};
