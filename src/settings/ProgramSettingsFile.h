#pragma once

#include "NoticeTable.h"
#include "PreferencesModel.h"

#include <QString>
#include <QStringList>

#include <optional>

class IniFile;

// The part of the preferences that the main window and the Language and help window
// hold: their keys are read and written here, applied by the window.
struct ProgramWindowState
{
    int Left = 100;
    int Top = 100;
    bool APAStyle = false;
    QString LanguageFile;
    QString HelpFile;
};

// One thing wrong with a preferences file: a notice and what fills its places.
struct PreferencesProblem
{
    Notice notice;
    QStringList arguments;
};

// What reading an existing preferences file had to put in place of its own choices of
// office, extension and save-as format. A run must not store with choices the file did
// not hold (an unreadable file would otherwise turn into "store every document in
// place"), so the window warns about them and the batch refuses to start. The problems
// are kept as notices and worded when the warning is: the window reads the file before
// it applies the stored language, and the whole warning must be in that language.
struct PreferencesReadNotes
{
    bool fileExists = false;
    QList<PreferencesProblem> problems;

    bool clean() const { return problems.isEmpty(); }
    // One message naming the file, what was wrong and the choices taken instead.
    QString warning(const QString &file, const QString &choicesTaken) const;
    // The same for a run that stops on it: nothing is taken instead.
    QString refusal(const QString &file) const;
    // The problems, worded and joined.
    QString reasons() const;
};

// The preferences file Tablevane.ini in the program's data folder.
namespace ProgramSettingsFile {

QString path(const QString &appDataFolder);

// LoadProgramSettings: when the folder is missing it is created and nothing is read
// (nothing returned); otherwise the Preferences choices are read into the model in
// their order and the window's part is returned for the caller to apply.
std::optional<ProgramWindowState> LoadProgramSettings(const QString &appDataFolder, PreferencesModel &prefs,
                                                     PreferencesReadNotes *notes = nullptr);
// The reading steps alone, from ini text already read.
ProgramWindowState LoadProgramSettings(const IniFile &ini, PreferencesModel &prefs,
                                       PreferencesReadNotes *notes = nullptr);
// Adds to notes what the office availability rule changed in the choices read (before
// is the model's state ahead of the rule). Nothing when no file was read.
void noteAvailabilityChanges(const PreferencesModel::Snapshot &before, const PreferencesModel &after,
                             PreferencesReadNotes &notes);

// SaveProgramSettings: writes every key in its order, keeping keys it does not know.
// False when the folder could not be created or the file not written; the old file
// then stays as it was. The caller then shows the settings summary.
bool SaveProgramSettings(const QString &appDataFolder, const PreferencesModel &prefs, const ProgramWindowState &window);

} // namespace ProgramSettingsFile
