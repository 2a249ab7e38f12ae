#pragma once

#include "KeptRunLimits.h"
#include "RunManifest.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The runs kept for "Undo last run": one folder each under the user's data folder
// ($XDG_DATA_HOME/Tablevane/runs/<start time>), holding the run's manifest and the
// originals of the documents it stored over. Only folders named as a run names them
// are ever read or removed.
namespace KeptRuns {

QString folder();
// A new run's folder name for its start (local time, sortable, valid on every disk).
QString folderName(const QDateTime &started);

struct Run
{
    QString folder;
    RunManifest::Summary summary;
    bool inProgress = false;   // its program still runs and the run has not ended

    bool undoable() const { return !summary.undone && !inProgress && !summary.documents.isEmpty(); }
};
// Newest first.
QList<Run> list();
// The newest run an undo may take; nothing when there is none.
std::optional<Run> lastUndoable();

// Bytes a run's originals take: copies, and links whose file exists nowhere else.
qint64 keptBytes(const QString &runFolder);
// Drops the oldest runs until at most limits.runs - 1 others remain and their kept
// bytes and currentBytes fit limits.bytes(); never current, never a run still at work.
// Returns the bytes the runs left keep.
qint64 prune(const KeptRunLimits &limits, const QString &current, qint64 currentBytes);

} // namespace KeptRuns
