#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Which file a run logs its failed documents to. A run holds a lock on the shared log
// (Tablevane.log) while it goes; a second run at the same time (the window and a batch
// sharing the data folder, or two batches) must not empty the first one's log, so it
// logs to a file of its own beside it, named with its process id.
class RunLogFile
{
public:
    RunLogFile();
    ~RunLogFile();

    // At the start of a run: takes the shared log, or this process's own one when
    // another run holds it.
    void acquire();
    // At the end or stop of a run. The path stays, for viewing the run's log later.
    void release();

    // The log of the current or last run; the shared log before any run.
    QString path() const;
    // Lines written since acquire().
    int linesWritten() const { return m_lines; }
    void lineWritten() { ++m_lines; }

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_path;
    int m_lines = 0;
};
