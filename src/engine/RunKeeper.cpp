#include "RunKeeper.h"

#include "KeptRuns.h"
#include "ProcessPresence.h"
#include "StoreFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <filesystem>

RunKeeper::RunKeeper(const KeptRunLimits &limits, const QDateTime &started)
    : m_limits(limits)
    , m_started(started)
{
}

RunKeeper::~RunKeeper()
{
    finish();
}

QString RunKeeper::folder() const
{
    const QMutexLocker lock(&m_mutex);
    return m_folder;
}

std::optional<QString> RunKeeper::open()
{
    if (m_manifest)
        return std::nullopt;
    const QDir root(KeptRuns::folder());
    if (!QDir().mkpath(root.path()))
        return QStringLiteral("the folder %1 cannot be made").arg(root.path());
    // Two programs starting in the same millisecond get a folder each.
    QString name = KeptRuns::folderName(m_started);
    for (int n = 1; !root.mkdir(name); ++n) {
        if (!root.exists(name) || n > 99)
            return QStringLiteral("the folder %1 cannot be written").arg(root.path());
        name = KeptRuns::folderName(m_started) + QLatin1Char('-') + QString::number(n);
    }
    const QString folder = root.filePath(name);
    // Originals are the user's data: nobody else looks into them.
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    auto manifest = std::make_unique<RunManifest>(folder);
    RunRecord header;
    header.kind = RunRecord::Kind::Run;
    header.started = m_started.toUTC();
    header.pid = ProcessPresence::currentProcessId();
    if (!QDir(folder).mkdir(RunManifest::originalsFolderName()) || !manifest->append(header)) {
        QDir(folder).removeRecursively();
        return QStringLiteral("the folder %1 cannot be written").arg(root.path());
    }
    m_folder = folder;
    m_manifest = std::move(manifest);
    m_otherBytes = KeptRuns::prune(m_limits, m_folder, 0);
    return std::nullopt;
}

std::optional<QString> RunKeeper::makeRoom(qint64 bytes)
{
    // Earlier runs are measured when the run's folder is made; the oldest go only
    // when this run needs their room.
    if (m_otherBytes + m_keptBytes + bytes > m_limits.bytes())
        m_otherBytes = KeptRuns::prune(m_limits, m_folder, m_keptBytes + bytes);
    if (m_otherBytes + m_keptBytes + bytes <= m_limits.bytes())
        return std::nullopt;
    return QStringLiteral("it would pass the %1 MB the preferences allow for kept originals")
        .arg(QLocale::c().toString(m_limits.megabytes));
}

std::optional<QString> RunKeeper::keepFile(const QString &document, const FileContent &original, QString *name)
{
    *name = QStringLiteral("%1-%2").arg(++m_counter, 4, 10, QLatin1Char('0')).arg(QFileInfo(document).fileName());
    // Within the length a disk allows for a name: shortened at the front, the
    // number and the extension kept.
    while (QFile::encodeName(*name).size() > 240)
        name->remove(5, 1);
    const std::filesystem::path from = QFileInfo(document).filesystemAbsoluteFilePath();
    const std::filesystem::path to = QFileInfo(m_manifest->originalPath(*name)).filesystemAbsoluteFilePath();
    std::error_code error;
    // The store renames the result over the document: the link then holds the
    // original's bytes and costs no copy.
    std::filesystem::create_hard_link(from, to, error);
    if (!error)
        return std::nullopt;
    // Another disk, or one without links: a copy, as it was down to its time.
    std::filesystem::copy_file(from, to, error);
    if (!error)
        std::filesystem::last_write_time(to, std::filesystem::last_write_time(from, error), error);
    if (error) {
        QFile::remove(m_manifest->originalPath(*name));
        return StoreFailure::reasonOf(error);
    }
    if (FileContent::of(m_manifest->originalPath(*name)) != original) {
        QFile::remove(m_manifest->originalPath(*name));
        return QStringLiteral("its copy came out different (the disk may be full)");
    }
    return std::nullopt;
}

std::optional<QString> RunKeeper::record(const RunRecord &record)
{
    if (!m_manifest->append(record))
        return QStringLiteral("the record of the run cannot be written in %1").arg(m_folder);
    return std::nullopt;
}

std::optional<QString> RunKeeper::keepOriginal(const QString &document, const QString &result)
{
    const QMutexLocker lock(&m_mutex);
    if (const std::optional<QString> refusal = open())
        return refusal;
    RunRecord replaced;
    replaced.kind = RunRecord::Kind::Replaced;
    replaced.path = document;
    replaced.before = FileContent::of(document);
    replaced.after = FileContent::of(result);
    if (!replaced.before.readable() || !replaced.after.readable())
        return QStringLiteral("the document or its result cannot be read");
    // Stored over again in the same run (sheet by sheet): the first original stays.
    const bool first = !m_kept.contains(document);
    if (first) {
        if (const std::optional<QString> refusal = makeRoom(replaced.before.size))
            return refusal;
        if (const std::optional<QString> refusal = keepFile(document, replaced.before, &replaced.kept))
            return refusal;
    }
    if (const std::optional<QString> refusal = record(replaced)) {
        if (first)
            QFile::remove(m_manifest->originalPath(replaced.kept));
        return refusal;
    }
    if (first) {
        m_kept.insert(document, replaced.kept);
        m_keptBytes += replaced.before.size;
    }
    return std::nullopt;
}

std::optional<QString> RunKeeper::placing(const QString &target, const QString &result)
{
    const QMutexLocker lock(&m_mutex);
    if (const std::optional<QString> refusal = open())
        return refusal;
    RunRecord placed;
    placed.kind = RunRecord::Kind::Placed;
    placed.path = target;
    placed.after = FileContent::of(result);
    if (!placed.after.readable())
        return QStringLiteral("the result cannot be read");
    return record(placed);
}

std::optional<QString> RunKeeper::movedToTrash(const QString &path, const QString &where)
{
    const QMutexLocker lock(&m_mutex);
    if (const std::optional<QString> refusal = open())
        return refusal;
    RunRecord trashed;
    trashed.kind = RunRecord::Kind::Trashed;
    trashed.path = path;
    trashed.where = where;
    return record(trashed);
}

void RunKeeper::withdrawn(const QString &path)
{
    const QMutexLocker lock(&m_mutex);
    if (!m_manifest)
        return;
    RunRecord withdrawn;
    withdrawn.kind = RunRecord::Kind::Withdrawn;
    withdrawn.path = path;
    record(withdrawn);
}

void RunKeeper::finish()
{
    const QMutexLocker lock(&m_mutex);
    if (m_finished)
        return;
    m_finished = true;
    if (!m_manifest)
        return;
    if (m_manifest->summary().documents.isEmpty()) {
        QDir(m_folder).removeRecursively();
        return;
    }
    RunRecord ended;
    ended.kind = RunRecord::Kind::Ended;
    m_manifest->append(ended);
    KeptRuns::prune(m_limits, m_folder, KeptRuns::keptBytes(m_folder));
}
