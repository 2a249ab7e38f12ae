#pragma once

#include <QList>
#include <QString>

// The windows whose texts a language file sets.
enum class TextWindow { Main, Preferences, LanguageAndHelp, About };

// What a key's text sets on its object.
enum class TextKind {
    Caption,      // a button's, label's, group's or menu item's caption
    Hint,         // the tool tip
    Item,         // item `index` of a radio group or a list
    WindowTitle,  // the caption of the window itself (object is empty)
    DialogFilter, // the filter of a file dialog, "Description|*.ext"
    DialogTitle,  // the title of a file dialog: "Tablevane-" followed by the text
    RunCaption,   // run-control caption `index` (0 "Start!", 1 "Pause")
};

// One place a key's text goes to.
struct TextTarget
{
    TextWindow window = TextWindow::Main;
    QString object;
    TextKind kind = TextKind::Caption;
    int index = 0;

    bool operator==(const TextTarget &) const = default;
};

// What the program does with each key of a language file: the table is data, one row
// per target, so that a key setting several targets has several rows. The message
// table's keys (7001 to 7037), the notice keys and the save-as walks (3301, 3401, 3501)
// are looked up by their own tables.
namespace LanguageKeyTable {

// The first keys of the save-as names: table A's rows are keyed 3300 plus their codes,
// table B's 3500 plus theirs, table C's first twenty positions 3401 to 3420.
constexpr int TableAWalk = 3301;
constexpr int TableCRun = 3401;
constexpr int TableBWalk = 3501;
constexpr int TableCRunRows = 20;

// Table C rows named one key each, after the run of 3401: the key and the 0-based row.
struct TableCName
{
    int key = 0;
    int position = 0;
};
QList<TableCName> tableCNames();

// The targets of a key; empty for a key the table does not name.
QList<TextTarget> targetsOf(int key);
// Every target of the table, each once, in table order.
QList<TextTarget> allTargets();
// Every key of the table, in table order.
QList<int> keys();

// The built-in English text of a target where it differs from the text the window
// shows when created; nothing (a null text) where the creation text is the English one.
QString englishDifference(const TextTarget &target);
// The targets that have no built-in text to go back to when English is chosen.
bool keepsTextOnEnglish(const TextTarget &target);

} // namespace LanguageKeyTable
