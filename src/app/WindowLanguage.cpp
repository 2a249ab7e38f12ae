#include "WindowLanguage.h"

#include "LanguageTargets.h"
#include "MessageTable.h"
#include "NoticeTable.h"
#include "PreferencesModel.h"
#include "UndoTexts.h"

namespace {

const QString kDialogTitlePrefix = QStringLiteral("Tablevane-");

} // namespace

WindowLanguage::WindowLanguage(LanguageTargets &targets, MessageTable &messages, PreferencesModel &preferences)
    : m_targets(targets)
    , m_messages(messages)
    , m_preferences(preferences)
{
    for (const TextTarget &target : LanguageKeyTable::allTargets())
        m_creationTexts.append({target, m_targets.text(target)});
}

LanguageFile::Status WindowLanguage::ChangeLang(const QString &path)
{
    LanguageFile file;
    const LanguageFile::Status status = file.read(path);
    if (status != LanguageFile::Status::Read)
        return status;
    m_file = file;
    // English first: what this file does not name must not stay in the language before.
    putEnglish(true);
    m_preferences.BuildSaveAsTables();
    SetDefaultMessages();
    applyLines(m_file.lines());
    refreshPreferences();
    m_targets.announceLanguageChange();
    return status;
}

void WindowLanguage::ApplyEnglishTexts()
{
    putEnglish(false);
    m_preferences.BuildSaveAsTables();
    refreshPreferences();
    m_targets.announceLanguageChange();
}

void WindowLanguage::SetDefaultMessages()
{
    m_messages.SetDefaultMessages();
    NoticeTable::SetDefaultNotices();
    UndoTexts::setDefaults();
}

void WindowLanguage::putEnglish(bool alsoWithoutBuiltIn)
{
    for (const auto &[target, creation] : std::as_const(m_creationTexts)) {
        if (!alsoWithoutBuiltIn && LanguageKeyTable::keepsTextOnEnglish(target))
            continue;
        const QString english = LanguageKeyTable::englishDifference(target);
        m_targets.setText(target, english.isNull() ? creation : english);
    }
}

void WindowLanguage::applyLines(const QList<LanguageLine> &lines)
{
    for (int i = 0; i < lines.size(); ++i)
        applyKey(lines, i);
}

void WindowLanguage::applyKey(const QList<LanguageLine> &lines, int at)
{
    const LanguageLine &line = lines.at(at);
    switch (line.key) {
    case LanguageKeyTable::TableAWalk:
        walkExcelTable(lines, at, false);
        return;
    case LanguageKeyTable::TableBWalk:
        walkExcelTable(lines, at, true);
        return;
    case LanguageKeyTable::TableCRun:
        runTableC(lines, at);
        return;
    default:
        break;
    }
    if (const int position = LanguageKeyTable::tableCPositionOfKey(line.key); position >= 0) {
        m_preferences.tables().setTableCDisplayName(position, line.text);
        return;
    }
    for (const TextTarget &target : LanguageKeyTable::targetsOf(line.key))
        m_targets.setText(target, target.kind == TextKind::DialogTitle ? kDialogTitlePrefix + line.text : line.text);
    applyMessages(line);
    NoticeTable::setTextOfKey(line.key, line.text);
    UndoTexts::setTextsOfKey(line.key, line.text);
}

void WindowLanguage::applyMessages(const LanguageLine &line)
{
    // A key carrying several messages holds their texts separated by "|"; parts that
    // are missing leave their messages as they are, extra parts are ignored.
    const QList<int> entries = MessageTable::entriesOfKey(line.key);
    if (entries.isEmpty())
        return;
    const QStringList parts = entries.size() > 1 ? line.text.split(QLatin1Char('|')) : QStringList{line.text};
    for (int number : entries) {
        const int part = MessageTable::keyPart(number);
        if (part < parts.size())
            m_messages.setText(number, parts.at(part));
    }
}

void WindowLanguage::walkExcelTable(const QList<LanguageLine> &lines, int at, bool tableB)
{
    // Going down the lines from this one, a line whose key ends in the code of the
    // current row names that row; the walk ends with the table, or with the lines.
    SaveAsTables &tables = m_preferences.tables();
    const QVector<ExcelFormat> &table = tableB ? tables.tableB() : tables.tableA();
    const int rows = qMin<int>(table.size(), tableB ? LanguageKeyTable::TableBWalkRows : LanguageKeyTable::TableAWalkRows);
    int row = 0;
    for (int i = at; i < lines.size() && row < rows; ++i) {
        if (lines.at(i).key % 100 != table.at(row).code)
            continue;
        if (tableB)
            tables.setTableBDisplayName(row, lines.at(i).text);
        else
            tables.setTableADisplayName(row, lines.at(i).text);
        ++row;
    }
}

void WindowLanguage::runTableC(const QList<LanguageLine> &lines, int at)
{
    SaveAsTables &tables = m_preferences.tables();
    for (int position = 0; position < LanguageKeyTable::TableCRunRows && at + position < lines.size(); ++position)
        tables.setTableCDisplayName(position, lines.at(at + position).text);
}

void WindowLanguage::refreshPreferences()
{
    // The office reaction fills the save-as list with the new names; the user's
    // choices in the Preferences stay as they were.
    const PreferencesModel::Snapshot snapshot = m_preferences.takeSnapshot();
    m_preferences.rgbSelectOfficeClick();
    m_preferences.clearOfficeChanged();
    m_preferences.restoreSnapshot(snapshot);
}
