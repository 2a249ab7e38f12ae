#pragma once

#include <QString>

// The texts of "Undo last run": its menu item, the Preferences group that bounds what is
// kept, and the report of an undo. A language file gives each its own key, from 9201 in
// this order; a key it lacks keeps its text. The batch reports in English.
enum class UndoText {
    MenuItem,        // "Undo last run"
    MenuHint,        // %1 the run's start, %2 its number of documents
    NothingToUndo,
    Group,
    KeepOriginals,
    KeptRuns,
    KeptSize,
    KeepingOff,
    Undone,          // %1 the run's start
    Restored,        // %1 count
    ResultsTrashed,  // %1 count
    PutBack,         // %1 count
    LeftAlone,
    More,            // %1 count
    Changed,
    OriginalKept,    // %1 where
    KeptDamaged,
    PlaceTaken,      // %1 where in the trash
    GoneFromTrash,
    NotWritten,      // %1 reason
};

namespace UndoTexts {

constexpr int FirstKey = 9201;

QString text(UndoText which);
int count();
// Takes a language file's text for its key ("|" a line break); false for a key that
// names none.
bool setTextOfKey(int key, const QString &text);
// Puts every built-in English text back.
void setDefaults();

} // namespace UndoTexts
