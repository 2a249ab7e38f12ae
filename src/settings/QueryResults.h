#pragma once

#include <QStringList>
#include <QVector>

// What the last pattern read and the last sheet query left behind. The Excel query
// numbers sheet names from 1, the Calc query from 0; readers index by the office.
struct QueryResults
{
    int SheetCount = 0;
    QStringList SheetNames;
    QVector<int> PatternWidths;   // used from position 1; position 0 holds nothing
    int PatternColumnCount = 0;
};
