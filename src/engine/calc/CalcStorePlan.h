#pragma once

#include "CalcFilterArgs.h"

#include <QString>

struct SaveAsChoice;

// How a formatted document is stored: in place with Store(), or to a target URL with
// the filter of the chosen save-as entry and its options.
struct CalcStorePlan
{
    static constexpr int DBaseEntry = 1;
    static constexpr int DifEntry = 6;
    static constexpr int Excel97Entry = 7;
    static constexpr int Excel2007Entry = 21;
    static constexpr int TextCsvEntry = 16;

    // Store(): the document's own format is the one chosen (.xls as MS Excel 97 from an
    // XLS run, .xlsx as Excel 2007-365 from an XLSX run).
    bool inPlace = false;
    QString targetPath;
    QString targetUrl;
    CalcFilterArgs args;

    // Throws CalcError when the choice lacks what the store needs: a save-as entry, or
    // the character set (and for text CSV the delimiters) of the filter options.
    static CalcStorePlan make(const QString &path, const SaveAsChoice &saveAs);

    // The store writes over the document at path itself.
    bool overwrites(const QString &path) const { return inPlace || targetPath == path; }

    // The "FilterOptions" of text CSV: field part, text part, character set, ",1".
    static QString csvOptions(const SaveAsChoice &saveAs);
};
