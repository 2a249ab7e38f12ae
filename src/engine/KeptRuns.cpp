#include "KeptRuns.h"

#include "ProcessPresence.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>

namespace KeptRuns {

namespace {

bool isRunName(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d-\\d\\d-\\d\\d-\\d{3}(-\\d+)?$"));
    return pattern.match(name).hasMatch();
}

Run runOf(const QString &runFolder)
{
    Run run;
    run.folder = runFolder;
    run.summary = RunManifest(runFolder).summary();
    run.inProgress = !run.summary.ended && ProcessPresence::exists(run.summary.pid);
    return run;
}

// Oldest first: the start the manifest gives, else the folder's name.
bool older(const Run &a, const Run &b)
{
    if (a.summary.started.isValid() && b.summary.started.isValid() && a.summary.started != b.summary.started)
        return a.summary.started < b.summary.started;
    return QFileInfo(a.folder).fileName() < QFileInfo(b.folder).fileName();
}

} // namespace

QString folder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Tablevane/runs"));
}

QString folderName(const QDateTime &started)
{
    return started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd'T'HH-mm-ss-zzz"));
}

QList<Run> list()
{
    QList<Run> runs;
    const QDir root(folder());
    const QStringList names = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString &name : names) {
        if (isRunName(name))
            runs.append(runOf(root.filePath(name)));
    }
    std::sort(runs.begin(), runs.end(), [](const Run &a, const Run &b) { return older(b, a); });
    return runs;
}

std::optional<Run> lastUndoable()
{
    for (const Run &run : list()) {
        if (run.undoable())
            return run;
    }
    return std::nullopt;
}

qint64 keptBytes(const QString &runFolder)
{
    qint64 bytes = 0;
    QDirIterator files(RunManifest(runFolder).originalPath(QString()), QDir::Files | QDir::Hidden);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        std::error_code error;
        const auto links = std::filesystem::hard_link_count(file.filesystemFilePath(), error);
        if (error || links <= 1)
            bytes += file.size();
    }
    return bytes;
}

qint64 prune(const KeptRunLimits &limits, const QString &current, qint64 currentBytes)
{
    QList<Run> others = list();
    others.removeIf([&](const Run &run) {
        return QFileInfo(run.folder).absoluteFilePath() == QFileInfo(current).absoluteFilePath() || run.inProgress;
    });
    std::sort(others.begin(), others.end(), older);
    QList<qint64> bytes;
    qint64 total = 0;
    for (const Run &run : std::as_const(others)) {
        bytes.append(keptBytes(run.folder));
        total += bytes.last();
    }
    qsizetype first = 0;
    while (first < others.size()
           && (others.size() - first > limits.runs - 1 || total + currentBytes > limits.bytes())) {
        if (QDir(others.at(first).folder).removeRecursively())
            total -= bytes.at(first);
        ++first;
    }
    return total;
}

} // namespace KeptRuns
