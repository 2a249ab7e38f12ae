#include "ProgramSettingsFile.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "PreferencesModel.h"

#include <QDir>

namespace {

const QString kPosition = QStringLiteral("Position");
const QString kApaStyle = QStringLiteral("APAStyle");
const QString kOffice = QStringLiteral("Office");
const QString kExtension = QStringLiteral("Extension");
const QString kSaveAs = QStringLiteral("Save as");
const QString kLanguage = QStringLiteral("Language");
const QString kHelp = QStringLiteral("Help");

constexpr int kExcel = 0;
constexpr int kCalc = 1;
constexpr int kXlsx = 2;

// A stored position outside its list is as unreadable as a non-number.
int readChoice(const IniFile &ini, const QString &section, const QString &key, int defaultValue, int minimum,
               int maximum)
{
    const int value = ini.readInteger(section, key, defaultValue);
    return (value < minimum || value > maximum) ? defaultValue : value;
}

// The save-as entry a list without selection falls back to: the first Excel format, or
// the Calc filter at position 5.
void selectFallbackSaveAs(PreferencesModel &prefs)
{
    if (prefs.office() == kExcel)
        prefs.setSaveAs(0);
    else if (prefs.office() == kCalc)
        prefs.setSaveAs(5);
}

void readOfficeChoices(const IniFile &ini, PreferencesModel &prefs)
{
    prefs.setOffice(readChoice(ini, kOffice, QStringLiteral("Office"), -1, -1, 1));
    if (prefs.office() == kCalc)
        prefs.setDocTableEnabled(false);
    if (prefs.office() == kExcel)
        prefs.setDocTable(ini.readBool(kSaveAs, QStringLiteral("Doc"), false));

    prefs.setSaveAs(ini.readInteger(kSaveAs, QStringLiteral("Save as"), -1));
    if (prefs.saveAs() < 0)
        selectFallbackSaveAs(prefs);

    // Choosing XLSX selects its save-as entry, replacing the stored one. An Excel older
    // than 12 cannot open XLSX, so that choice falls back to XLS.
    prefs.setExtension(readChoice(ini, kExtension, QStringLiteral("Extension"), 0, -1, 2));
    if (prefs.extension() == kXlsx && prefs.detection().ExcelMajorVersion < 12) {
        prefs.setExtension(0);
        selectFallbackSaveAs(prefs);
    }
    if (prefs.office() < 0)
        prefs.setExtension(-1);
}

void readTextOutput(const IniFile &ini, PreferencesModel &prefs)
{
    prefs.setCoding(ini.readInteger(kSaveAs, QStringLiteral("Coding"), -1));
    const int fields = prefs.fieldDelimiterItems().size() - 1;
    prefs.setFieldDelimiter(readChoice(ini, kSaveAs, QStringLiteral("CSV field delimiter"), 0, 0, fields));
    const int texts = prefs.textDelimiterItems().size() - 1;
    prefs.setTextDelimiter(readChoice(ini, kSaveAs, QStringLiteral("CSV text delimiter"), 0, 0, texts));
    prefs.setFixedWidth(ini.readBool(kSaveAs, QStringLiteral("CSV fixed width"), false));
}

} // namespace

namespace ProgramSettingsFile {

QString path(const QString &appDataFolder)
{
    return AppPaths::joinPath(appDataFolder, QStringLiteral("Tablevane.ini"));
}

std::optional<ProgramWindowState> LoadProgramSettings(const QString &appDataFolder, PreferencesModel &prefs)
{
    if (!QDir(appDataFolder).exists()) {
        QDir().mkpath(appDataFolder);
        return std::nullopt;
    }
    // A missing or unreadable file reads as an empty one: every key takes its default.
    IniFile ini;
    ini.load(path(appDataFolder));
    return LoadProgramSettings(ini, prefs);
}

ProgramWindowState LoadProgramSettings(const IniFile &ini, PreferencesModel &prefs)
{
    ProgramWindowState window;
    window.Left = ini.readInteger(kPosition, QStringLiteral("Left"), 100);
    window.Top = ini.readInteger(kPosition, QStringLiteral("Top"), 100);
    window.APAStyle = ini.readBool(kApaStyle, QStringLiteral("APAStyle"), false);
    readOfficeChoices(ini, prefs);
    readTextOutput(ini, prefs);
    window.LanguageFile = ini.readString(kLanguage, QStringLiteral("LanguageFile"), QString());
    window.HelpFile = ini.readString(kHelp, QStringLiteral("HelpFile"), QString());
    return window;
}

bool SaveProgramSettings(const QString &appDataFolder, const PreferencesModel &prefs, const ProgramWindowState &window)
{
    if (!QDir().mkpath(appDataFolder))
        return false;
    // An existing file that cannot be read is not overwritten: its other keys would be lost.
    const QString file = path(appDataFolder);
    IniFile ini;
    if (!ini.load(file))
        return false;
    ini.writeInteger(kPosition, QStringLiteral("Left"), window.Left);
    ini.writeInteger(kPosition, QStringLiteral("Top"), window.Top);
    ini.writeBool(kApaStyle, QStringLiteral("APAStyle"), window.APAStyle);
    ini.writeInteger(kOffice, QStringLiteral("Office"), prefs.office());
    ini.writeInteger(kExtension, QStringLiteral("Extension"), prefs.extension());
    ini.writeInteger(kSaveAs, QStringLiteral("Save as"), prefs.saveAs());
    ini.writeBool(kSaveAs, QStringLiteral("Doc"), prefs.docTable());
    ini.writeInteger(kSaveAs, QStringLiteral("Coding"), prefs.coding());
    ini.writeInteger(kSaveAs, QStringLiteral("CSV field delimiter"), prefs.fieldDelimiter());
    ini.writeInteger(kSaveAs, QStringLiteral("CSV text delimiter"), prefs.textDelimiter());
    ini.writeBool(kSaveAs, QStringLiteral("CSV fixed width"), prefs.fixedWidth());
    ini.writeString(kLanguage, QStringLiteral("LanguageFile"), window.LanguageFile);
    ini.writeString(kHelp, QStringLiteral("HelpFile"), window.HelpFile);
    return ini.save(file);
}

} // namespace ProgramSettingsFile
