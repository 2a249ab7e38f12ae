#pragma once

#include <QString>

#include <optional>

class IniFile;
class PreferencesModel;

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

// The preferences file Tablevane.ini in the program's data folder.
namespace ProgramSettingsFile {

QString path(const QString &appDataFolder);

// LoadProgramSettings: when the folder is missing it is created and nothing is read
// (nothing returned); otherwise the Preferences choices are read into the model in
// their order and the window's part is returned for the caller to apply.
std::optional<ProgramWindowState> LoadProgramSettings(const QString &appDataFolder, PreferencesModel &prefs);
// The reading steps alone, from ini text already read.
ProgramWindowState LoadProgramSettings(const IniFile &ini, PreferencesModel &prefs);

// SaveProgramSettings: writes every key in its order, keeping keys it does not know.
// False when the folder could not be created or the file not written; the old file
// then stays as it was. The caller then shows the settings summary.
bool SaveProgramSettings(const QString &appDataFolder, const PreferencesModel &prefs, const ProgramWindowState &window);

} // namespace ProgramSettingsFile
