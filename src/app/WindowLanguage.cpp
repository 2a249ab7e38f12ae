#include "WindowLanguage.h"

#include "LanguageTargets.h"
#include "MessageTable.h"
#include "NoticeTable.h"
#include "PreferencesModel.h"
#include "SaveAsNameKeys.h"
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
    for (const LanguageLine &line : m_file.lines())
        applyKey(line);
    const SaveAsNameKeys::Faults faults = SaveAsNameKeys::apply(m_file.lines(), m_preferences.tables());
    m_notes = {m_file.encoding(), m_file.cutKeys(), faults};
    // A file whose language cannot be told leaves Qt's texts as they are, as it leaves
    // every other text it does not name.
    const QLocale::Language language = LanguageFile::languageOf(m_file.displayName(), path);
    if (language != QLocale::AnyLanguage)
        m_qt.use(language);
    refreshPreferences();
    m_targets.announceLanguageChange();
    return status;
}

void WindowLanguage::ApplyEnglishTexts()
{
    for (const auto &[target, creation] : std::as_const(m_creationTexts)) {
        if (LanguageKeyTable::keepsTextOnEnglish(target))
            continue;
        const QString english = LanguageKeyTable::englishDifference(target);
        m_targets.setText(target, english.isNull() ? creation : english);
    }
    m_preferences.BuildSaveAsTables();
    m_qt.useEnglish();
    m_notes = {};
    refreshPreferences();
    m_targets.announceLanguageChange();
}

void WindowLanguage::SetDefaultMessages()
{
    m_messages.SetDefaultMessages();
    NoticeTable::SetDefaultNotices();
    UndoTexts::setDefaults();
}

void WindowLanguage::applyKey(const LanguageLine &line)
{
    for (const TextTarget &target : LanguageKeyTable::targetsOf(line.key))
        m_targets.setText(target, target.kind == TextKind::DialogTitle ? kDialogTitlePrefix + line.text : line.text);
    applyMessages(line);
    NoticeTable::setTextOfKey(line.key, line.text);
    UndoTexts::setTextOfKey(line.key, line.text);
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

void WindowLanguage::refreshPreferences()
{
    // The office reaction fills the save-as list with the new names; the user's
    // choices in the Preferences stay as they were.
    const PreferencesModel::Snapshot snapshot = m_preferences.takeSnapshot();
    m_preferences.rgbSelectOfficeClick();
    m_preferences.clearOfficeChanged();
    m_preferences.restoreSnapshot(snapshot);
}
