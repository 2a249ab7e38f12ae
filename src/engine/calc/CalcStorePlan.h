#pragma once

#include "CalcFilterArgs.h"

#include <QString>

struct SaveAsChoice;

// How a formatted document is stored: the target path of the chosen save-as entry (the
// document's own path when the entry keeps its extension), its filter and options.
// Whether the result may replace the document is decided at the store, by the format
// the office read the document in (DocumentStore).
struct CalcStorePlan
{
    static constexpr int DBaseEntry = 1;
    static constexpr int DifEntry = 6;
    static constexpr int TextCsvEntry = 16;

    QString targetPath;
    CalcFilterArgs args;

    // Throws CalcError when the choice lacks what the store needs: a save-as entry, or
    // the character set (and for text CSV the delimiters) of the filter options.
    static CalcStorePlan make(const QString &path, const SaveAsChoice &saveAs);

    // The "FilterOptions" of text CSV: field part, text part, character set, ",1".
    static QString csvOptions(const SaveAsChoice &saveAs);
};
