#pragma once

#include "LanguageFile.h"
#include "LanguageKeyTable.h"

#include <QList>
#include <QPair>

class LanguageTargets;
class MessageTable;
class PreferencesModel;

// Puts a language on every window: the texts of the key table, the message table, the
// notices and the display names of the save-as tables. The texts the windows show when
// created are kept, so that English can be put back (with the few spellings in which
// the built-in English differs from them).
class WindowLanguage
{
public:
    WindowLanguage(LanguageTargets &targets, MessageTable &messages, PreferencesModel &preferences);

    // Reads a language file and, when it was read, applies it over English: a target the
    // file does not name shows English, whatever language was applied before. When the
    // file cannot be opened or read nothing changes; the caller reports it.
    LanguageFile::Status ChangeLang(const QString &path);
    // The built-in English texts on every target but the message table; the targets
    // without a built-in text keep theirs. The save-as tables are built afresh and the
    // Preferences' list shows them, keeping its choices.
    void ApplyEnglishTexts();
    // The message table and the notices in English.
    void SetDefaultMessages();

    // The key lines of the last file read.
    const QList<LanguageLine> &lines() const { return m_file.lines(); }

private:
    void putEnglish(bool alsoWithoutBuiltIn);
    void applyLines(const QList<LanguageLine> &lines);
    void applyKey(const QList<LanguageLine> &lines, int at);
    void applyMessages(const LanguageLine &line);
    void walkExcelTable(const QList<LanguageLine> &lines, int at, bool tableB);
    void runTableC(const QList<LanguageLine> &lines, int at);
    void refreshPreferences();

    LanguageTargets &m_targets;
    MessageTable &m_messages;
    PreferencesModel &m_preferences;
    LanguageFile m_file;
    QList<QPair<TextTarget, QString>> m_creationTexts;
};
