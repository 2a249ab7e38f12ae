#pragma once

#include "FormatSet.h"
#include "SaveAsChoice.h"

#include <QVector>

class FormatSetModel;
class PreferencesModel;

// Everything a formatting back-end reads, taken from the window at the moment of the
// call: the formatting choices, the save-as choices, the scan bounds and the widths
// of the last pattern read.
struct FormatJob
{
    FormatSet set;
    SaveAsChoice saveAs;
    int maxScanColumns = 256;
    int maxScanRows = 65536;
    QVector<int> patternWidths;   // used from position 1
    int patternColumnCount = 0;

    // The choices as the window (or the batch) holds them at this moment.
    static FormatJob snapshot(const FormatSetModel &formatSet, const PreferencesModel &preferences);
};
