#pragma once

#include "LanguageFile.h"
#include "SaveAsNameKeys.h"

#include <QString>

// What loading a language file found worth telling the user: a code page guessed
// without certainty, texts cut to the bound, save-as runs with keys missing or doubled.
// The file is applied all the same; the window shows the note.
struct LanguageNotes
{
    LanguageFile::Encoding encoding;
    QList<int> cutKeys;
    SaveAsNameKeys::Faults faults;

    bool clean() const { return (!encoding.guessed || encoding.certain) && cutKeys.isEmpty() && faults.clean(); }
    // One line in the language now applied, naming the file; empty when clean.
    QString text(const QString &fileName) const;
};
