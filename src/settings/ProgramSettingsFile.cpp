#include "ProgramSettingsFile.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "NoticeTable.h"
#include "TextLimits.h"

#include <QDir>
#include <QFileInfo>

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
// the first Calc entry of positions 5 and 7 that the office can write.
void selectFallbackSaveAs(PreferencesModel &prefs)
{
    if (prefs.office() == kExcel)
        prefs.setSaveAs(0);
    else if (prefs.office() == kCalc)
        prefs.setSaveAs(prefs.calcFallbackSaveAs());
}

// Notes a stored choice that is missing, not a number or outside [minimum, maximum].
void checkChoice(const IniFile &ini, const QString &section, const QString &key, int minimum, int maximum,
                 Notice none, Notice invalid, PreferencesReadNotes *notes)
{
    if (!notes)
        return;
    if (!ini.contains(section, key)) {
        notes->problems.append({none, {}});
        return;
    }
    const QString text = ini.readString(section, key, QString());
    const std::optional<int> value = IniFile::parseInteger(text);
    if (!value || *value < minimum || *value > maximum)
        notes->problems.append({invalid, {TextLimits::clip(text)}});
}

void readOfficeChoices(const IniFile &ini, PreferencesModel &prefs, PreferencesReadNotes *notes)
{
    checkChoice(ini, kOffice, QStringLiteral("Office"), -1, 1, Notice::PreferencesNoOfficeChoice,
                Notice::PreferencesBadOfficeChoice, notes);
    prefs.setOffice(readChoice(ini, kOffice, QStringLiteral("Office"), -1, -1, 1));
    if (prefs.office() == kCalc)
        prefs.setDocTableEnabled(false);
    if (prefs.office() == kExcel)
        prefs.setDocTable(ini.readBool(kSaveAs, QStringLiteral("Doc"), false));

    prefs.setSaveAs(ini.readInteger(kSaveAs, QStringLiteral("Save as"), -1));
    const int storedSaveAs = prefs.saveAs();
    if (prefs.saveAs() < 0) {
        if (notes && prefs.office() >= 0)
            notes->problems.append(
                {Notice::PreferencesNoFormat,
                 {TextLimits::clip(ini.readString(kSaveAs, QStringLiteral("Save as"), QString())),
                  prefs.officeItems().at(prefs.office())}});
        selectFallbackSaveAs(prefs);
    }

    // Choosing XLSX in the dialog selects its save-as entry; a file that holds its own
    // entry keeps it: the user chose it after XLSX, and replacing it at the next start
    // would store every workbook over itself instead of as the format chosen. An Excel
    // older than 12 cannot open XLSX, so that choice falls back to XLS; Calc opens it.
    checkChoice(ini, kExtension, QStringLiteral("Extension"), -1, 2, Notice::PreferencesNoKindChoice,
                Notice::PreferencesBadKindChoice, notes);
    prefs.setExtension(readChoice(ini, kExtension, QStringLiteral("Extension"), 0, -1, 2));
    if (storedSaveAs >= 0)
        prefs.setSaveAs(storedSaveAs);
    if (prefs.extension() == kXlsx && prefs.office() != kCalc && prefs.detection().ExcelMajorVersion < 12) {
        if (notes)
            notes->problems.append({Notice::PreferencesXlsxNeedsExcel, {}});
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

QString PreferencesReadNotes::reasons() const
{
    QStringList texts;
    for (const PreferencesProblem &problem : problems)
        texts.append(NoticeTable::text(problem.notice, problem.arguments));
    return texts.join(QStringLiteral("; "));
}

QString PreferencesReadNotes::warning(const QString &file, const QString &choicesTaken) const
{
    return NoticeTable::text(Notice::PreferencesUnusable,
                             {TextLimits::clip(file), reasons(),
                              choicesTaken.isEmpty() ? NoticeTable::text(Notice::PreferencesNoOffice) : choicesTaken});
}

QString PreferencesReadNotes::refusal(const QString &file) const
{
    return NoticeTable::text(Notice::PreferencesRefused, {TextLimits::clip(file), reasons()});
}

namespace ProgramSettingsFile {

QString path(const QString &appDataFolder)
{
    return AppPaths::joinPath(appDataFolder, QStringLiteral("Tablevane.ini"));
}

std::optional<ProgramWindowState> LoadProgramSettings(const QString &appDataFolder, PreferencesModel &prefs,
                                                     PreferencesReadNotes *notes)
{
    if (!QDir(appDataFolder).exists()) {
        QDir().mkpath(appDataFolder);
        return std::nullopt;
    }
    // A missing or unreadable file reads as an empty one: every key takes its default.
    // Only a missing one (a first start) takes them without a word.
    const QString file = path(appDataFolder);
    IniFile ini;
    const bool readable = ini.load(file);
    const bool exists = QFileInfo::exists(file) || QFileInfo(file).isSymLink();
    if (notes)
        notes->fileExists = exists;
    if (exists && !readable) {
        if (notes)
            notes->problems.append({Notice::PreferencesUnreadable, {}});
        return LoadProgramSettings(ini, prefs, nullptr);
    }
    return LoadProgramSettings(ini, prefs, exists ? notes : nullptr);
}

ProgramWindowState LoadProgramSettings(const IniFile &ini, PreferencesModel &prefs, PreferencesReadNotes *notes)
{
    ProgramWindowState window;
    window.Left = ini.readInteger(kPosition, QStringLiteral("Left"), 100);
    window.Top = ini.readInteger(kPosition, QStringLiteral("Top"), 100);
    window.APAStyle = ini.readBool(kApaStyle, QStringLiteral("APAStyle"), false);
    readOfficeChoices(ini, prefs, notes);
    readTextOutput(ini, prefs);
    prefs.setKeptRunLimits(KeptRunLimits::read(ini));
    window.LanguageFile = ini.readString(kLanguage, QStringLiteral("LanguageFile"), QString());
    window.HelpFile = ini.readString(kHelp, QStringLiteral("HelpFile"), QString());
    return window;
}

void noteAvailabilityChanges(const PreferencesModel::Snapshot &before, const PreferencesModel &after,
                             PreferencesReadNotes &notes)
{
    if (!notes.fileExists)
        return;
    if (before.office != after.office()) {
        if (before.office >= 0)
            notes.problems.append({Notice::PreferencesOfficeMissing, {after.officeItems().value(before.office)}});
        else if (notes.clean())   // a missing or bad "Office" value is noted already
            notes.problems.append({Notice::PreferencesNamesNoOffice, {}});
    } else if (before.extension != after.extension() || before.saveAs != after.saveAs()) {
        notes.problems.append({Notice::PreferencesKindUnusable, {}});
    }
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
    prefs.keptRunLimits().write(ini);
    return ini.save(file);
}

} // namespace ProgramSettingsFile
