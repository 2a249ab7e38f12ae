#pragma once

#include "DocumentKeeper.h"
#include "KeptRunLimits.h"
#include "RunManifest.h"

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QString>

#include <memory>

// What one run keeps so that it can be undone: its folder under KeptRuns::folder(),
// made at the first change the run announces, with the manifest and the originals of
// the documents it stores over (a hard link where the document's disk allows, which
// costs nothing until the document is replaced, else a copy checked against the
// original). A run that changed nothing leaves no folder.
class RunKeeper : public DocumentKeeper
{
public:
    RunKeeper(const KeptRunLimits &limits, const QDateTime &started);
    ~RunKeeper() override;
    RunKeeper(const RunKeeper &) = delete;
    RunKeeper &operator=(const RunKeeper &) = delete;

    std::optional<QString> keepOriginal(const QString &document, const QString &result) override;
    std::optional<QString> placing(const QString &target, const QString &result) override;
    std::optional<QString> movedToTrash(const QString &path, const QString &where) override;
    void withdrawn(const QString &path) override;

    // The run has ended: the manifest says so, a run that changed nothing leaves no
    // folder, and the oldest runs go where the limits are passed.
    void finish();
    QString folder() const;

private:
    std::optional<QString> open();
    std::optional<QString> makeRoom(qint64 bytes);
    std::optional<QString> keepFile(const QString &document, const FileContent &original, QString *name);
    std::optional<QString> record(const RunRecord &record);

    mutable QMutex m_mutex;
    KeptRunLimits m_limits;
    QDateTime m_started;
    QString m_folder;
    std::unique_ptr<RunManifest> m_manifest;
    QHash<QString, QString> m_kept;   // document -> its original's name
    qint64 m_keptBytes = 0;
    qint64 m_otherBytes = 0;           // kept by earlier runs
    int m_counter = 0;
    bool m_finished = false;
};
