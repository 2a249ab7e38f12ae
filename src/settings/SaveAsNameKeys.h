#pragma once

#include "LanguageFile.h"

#include <QList>

class SaveAsTables;

// The display names a language file gives the save-as tables. Table A's rows take the
// lines keyed 3300 plus their codes, table B's 3500 plus their codes, table C's
// positions 0 to 19 the run of keys 3401 to 3420, positions 20 to 22 keys 3421 to 3423.
// Each row takes the text of its own key, wherever the line stands, so a line missing
// or written twice inside a run shifts no other row's name (the store format chosen
// beside a name is the one the name says). A row without its line keeps its name.
class SaveAsNameKeys
{
public:
    // What was wrong with the runs a file holds: keys of a run it has with no line,
    // and keys given more than once (the last line counts, as for every key).
    struct Faults
    {
        QList<int> missing;
        QList<int> doubled;

        bool clean() const { return missing.isEmpty() && doubled.isEmpty(); }
        bool operator==(const Faults &) const = default;
    };

    static Faults apply(const QList<LanguageLine> &lines, SaveAsTables &tables);
};
