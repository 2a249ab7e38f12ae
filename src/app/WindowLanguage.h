#pragma once

#include "LanguageFile.h"
#include "LanguageKeyTable.h"
#include "LanguageNotes.h"
#include "QtTranslations.h"

#include <QList>
#include <QPair>

class LanguageTargets;
class MessageTable;
class PreferencesModel;

// Puts a language on every window: the texts of the key table, the message table, the
// notices, the display names of the save-as tables, and Qt's own texts. The texts the
// windows show when created are kept, so that English can be put back (with the few
// spellings in which the built-in English differs from them).
class WindowLanguage
{
public:
    WindowLanguage(LanguageTargets &targets, MessageTable &messages, PreferencesModel &preferences);

    // Reads a language file and, when it was read, applies it: each target the file
    // names takes its text, every other target keeps the one it shows (the language
    // before, or English). When the file cannot be opened or read nothing changes; the
    // caller reports it.
    LanguageFile::Status ChangeLang(const QString &path);
    // The built-in English texts on every target but the message table; the targets
    // without a built-in text keep theirs. The save-as tables are built afresh and the
    // Preferences' list shows them, keeping its choices. Qt's own texts in English.
    void ApplyEnglishTexts();
    // The message table and the notices in English.
    void SetDefaultMessages();

    // The key lines of the last file read.
    const QList<LanguageLine> &lines() const { return m_file.lines(); }
    // What loading the last file read found wrong with it.
    const LanguageNotes &notes() const { return m_notes; }

private:
    void applyKey(const LanguageLine &line);
    void applyMessages(const LanguageLine &line);
    void refreshPreferences();

    LanguageTargets &m_targets;
    MessageTable &m_messages;
    PreferencesModel &m_preferences;
    LanguageFile m_file;
    LanguageNotes m_notes;
    QtTranslations m_qt;
    QList<QPair<TextTarget, QString>> m_creationTexts;
};
