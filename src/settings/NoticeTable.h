#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The texts the program shows besides the message table: refusals and warnings about
// files, runs and preferences, and the captions of the help and log windows. Like the
// message table they have built-in English texts and language-file keys (9001 on); a
// "|" in a language file's text stands for a line break. There is one table for the
// program; the batch never applies a language and so reports in English.
enum class Notice {
    RunBusyChoice,           // 9001 a document chosen during a run
    RunStillFinishing,       // 9002 Start while a stopped run finishes its document
    SetFileNotWritten,       // 9003 + line break + path
    LogNotWritten,           // 9004 + line break + path
    SetFileRefused,          // 9005 %1 file, %2 reason
    SetFileMissing,          // 9006
    SetFileUnreadable,       // 9007
    SetFileNotASet,          // 9008
    PreferencesUnusable,     // 9009 %1 file, %2 problems, %3 choices taken
    PreferencesNoOffice,     // 9010
    PreferencesUnreadable,   // 9011
    PreferencesNoOfficeChoice,  // 9012
    PreferencesBadOfficeChoice, // 9013 %1 value
    PreferencesNoFormat,     // 9014 %1 value, %2 office
    PreferencesXlsxNeedsExcel, // 9015
    PreferencesOfficeMissing,  // 9016 %1 office
    PreferencesNamesNoOffice,  // 9017
    PreferencesKindUnusable,   // 9018
    HelpWindowTitle,         // 9019
    HelpContents,            // 9020
    HelpFileUnreadable,      // 9021 %1 file
    AboutPurpose,            // 9022
    LogWindowClose,          // 9023
    LanguageFileNotes,       // 9024 %1 file, %2 what was noted
    LanguageEncodingGuessed, // 9025 %1 code page
    LanguageTextsCut,        // 9026 %1 length, %2 keys
    LanguageKeysMissing,     // 9027 %1 keys
    LanguageKeysDoubled,     // 9028 %1 keys
    PreferencesNoKindChoice,   // 9029
    PreferencesBadKindChoice,  // 9030 %1 value
    SaveAsUnwritable,        // 9031 %1 format
    PreferencesRefused,      // 9032 %1 file, %2 problems
    SetFileBadValue,         // 9033 %1 key, %2 value
};

namespace NoticeTable {

constexpr int FirstKey = 9001;

QString text(Notice notice);
// The text with its places filled, each argument taken as it stands (a "%1" inside an
// argument is not filled again).
QString text(Notice notice, const QStringList &arguments);
// Replaces the text of the notice that a language-file key names; false for a key that
// names none.
bool setTextOfKey(int key, const QString &text);
// Puts every built-in English text back.
void SetDefaultNotices();
// The keys of every notice, in order.
QList<int> keys();

} // namespace NoticeTable
