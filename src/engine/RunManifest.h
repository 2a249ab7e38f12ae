#pragma once

#include "FileContent.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One line of a run's manifest.
struct RunRecord
{
    enum class Kind { Run, Replaced, Placed, Trashed, Withdrawn, Ended, Undone };

    Kind kind = Kind::Run;
    QString path;          // the document or result
    QString kept;          // Replaced: the original's name in the run's folder
    QString where;         // Trashed: where the file lies in the trash
    FileContent before;    // Replaced: the original
    FileContent after;     // Replaced, Placed: what the run wrote
    QDateTime started;     // Run
    qint64 pid = 0;        // Run: the process that made the run
};

// What a run did to one path, its records taken together: what was there before the
// run and what the run left there.
struct DocumentHistory
{
    enum class Origin {
        Absent,    // nothing: the run created the file
        Trashed,   // a file the run moved to the trash (trashedTo)
        Kept,      // a document stored over itself, its original kept (kept, before)
    };

    QString path;
    Origin origin = Origin::Absent;
    QString trashedTo;
    QString kept;
    FileContent before;
    FileContent after;
    bool written = false;   // the run left a result of its own at path
};

// The record of one run in its folder: every change is appended as one complete line
// before (or, for the trash, right after) it happens, so that a run that is stopped or
// killed can still be undone for what it did. A line cut short by a crash is ignored.
class RunManifest
{
public:
    explicit RunManifest(const QString &runFolder);

    static QString originalsFolderName() { return QStringLiteral("originals"); }
    QString folder() const { return m_folder; }
    QString originalPath(const QString &keptName) const;

    bool append(const RunRecord &record) const;
    QList<RunRecord> read() const;

    struct Summary
    {
        QDateTime started;
        qint64 pid = 0;
        bool ended = false;
        bool undone = false;
        QList<DocumentHistory> documents;   // in the order the run first touched them

        int documentsWritten() const;
    };
    Summary summary() const;

private:
    QString m_folder;
};
