#pragma once

#include <QString>
#include <QStringList>

// The documents of a run and where the run stands. Read and written only in the
// window's thread.
struct RunState
{
    QString WorkFolder;
    QStringList Files{QString()};   // 1-based: index 0 exists and holds nothing
    int Count = 0;
    int Position = 1;
    bool RunInProgress = false;
    bool ProblemLogged = false;

    QString fileAt(int position) const { return position > 0 && position < Files.size() ? Files.at(position) : QString(); }
};
