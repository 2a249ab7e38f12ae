#pragma once

#include <QObject>
#include <QString>

class FileDialogPort;
class FileDialogTexts;
class FormatSetModel;
class MainWindowUi;
class OfficeQueries;
class PreferencesModel;

// The column widths ("Width of columns"): fitted automatically, or copied from a sheet
// of a pattern document picked in a file dialog.
class PatternWidthGroup : public QObject
{
    Q_OBJECT

public:
    PatternWidthGroup(MainWindowUi &ui, FormatSetModel &formatSet, OfficeQueries &queries, FileDialogPort &files,
                      const PreferencesModel &preferences, const FileDialogTexts &dialogs,
                      const QString &dialogStartFolder, QObject *parent = nullptr);

    void rbAutoClick();
    void rbByPatternClick();
    void cmbSheetNumberChange(int index);

private:
    FormatSetModel &m_formatSet;
    OfficeQueries &m_queries;
    FileDialogPort &m_files;
    const PreferencesModel &m_preferences;
    const FileDialogTexts &m_dialogs;
    QString m_dialogStartFolder;
};
