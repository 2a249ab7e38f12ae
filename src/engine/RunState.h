#pragma once

#include <QSet>
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
    // Positions in Files of names the system's encoding cannot decode, shown escaped:
    // no office can open them, so each fails as a document.
    QSet<int> Undecodable;

    QString fileAt(int position) const { return position > 0 && position < Files.size() ? Files.at(position) : QString(); }
};
