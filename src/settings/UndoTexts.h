#pragma once

#include <QString>

// The texts of "Undo last run": its menu item, the Preferences group that bounds what is
// kept, and the report of an undo. A language file gives them all in one key line, the
// parts in this order separated by "|" (a file may hold few key lines); parts it lacks
// keep their text. The batch reports in English.
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

constexpr int Key = 9201;

QString text(UndoText which);
int count();
// Takes the parts of a language file's line for Key; false for any other key.
bool setTextsOfKey(int key, const QString &line);
// Puts every built-in English text back.
void setDefaults();

} // namespace UndoTexts
