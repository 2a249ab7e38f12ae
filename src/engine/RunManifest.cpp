#include "RunManifest.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char *, 7> kKinds = {"run", "replaced", "placed", "trashed", "withdrawn", "ended", "undone"};

QString kindName(RunRecord::Kind kind)
{
    return QString::fromLatin1(kKinds.at(static_cast<size_t>(kind)));
}

std::optional<RunRecord::Kind> kindOf(const QString &name)
{
    for (size_t i = 0; i < kKinds.size(); ++i) {
        if (name == QLatin1String(kKinds.at(i)))
            return static_cast<RunRecord::Kind>(i);
    }
    return std::nullopt;
}

QByteArray encode(const RunRecord &record)
{
    QJsonObject json{{QStringLiteral("kind"), kindName(record.kind)}};
    if (!record.path.isEmpty())
        json.insert(QStringLiteral("path"), record.path);
    if (!record.kept.isEmpty())
        json.insert(QStringLiteral("kept"), record.kept);
    if (!record.where.isEmpty())
        json.insert(QStringLiteral("where"), record.where);
    if (record.kind == RunRecord::Kind::Replaced)
        json.insert(QStringLiteral("before"), record.before.toJson());
    if (record.kind == RunRecord::Kind::Replaced || record.kind == RunRecord::Kind::Placed)
        json.insert(QStringLiteral("after"), record.after.toJson());
    if (record.kind == RunRecord::Kind::Run) {
        json.insert(QStringLiteral("started"), record.started.toString(Qt::ISODateWithMs));
        json.insert(QStringLiteral("pid"), double(record.pid));
    }
    return QJsonDocument(json).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<RunRecord> decode(const QByteArray &line)
{
    const QJsonObject json = QJsonDocument::fromJson(line).object();
    const std::optional<RunRecord::Kind> kind = kindOf(json.value(QStringLiteral("kind")).toString());
    if (!kind)
        return std::nullopt;
    RunRecord record;
    record.kind = *kind;
    record.path = json.value(QStringLiteral("path")).toString();
    record.kept = json.value(QStringLiteral("kept")).toString();
    record.where = json.value(QStringLiteral("where")).toString();
    record.before = FileContent::fromJson(json.value(QStringLiteral("before")).toObject());
    record.after = FileContent::fromJson(json.value(QStringLiteral("after")).toObject());
    record.started = QDateTime::fromString(json.value(QStringLiteral("started")).toString(), Qt::ISODateWithMs);
    record.pid = qint64(json.value(QStringLiteral("pid")).toDouble());
    return record;
}

bool announces(const RunRecord &record)
{
    return record.kind == RunRecord::Kind::Replaced || record.kind == RunRecord::Kind::Placed;
}

// Drops every change a later "withdrawn" took back: the last announcement for its path
// and whatever followed it for that path.
QList<RunRecord> effective(const QList<RunRecord> &records)
{
    QList<RunRecord> kept;
    for (const RunRecord &record : records) {
        if (record.kind != RunRecord::Kind::Withdrawn) {
            kept.append(record);
            continue;
        }
        for (qsizetype i = kept.size() - 1; i >= 0; --i) {
            if (kept.at(i).path != record.path)
                continue;
            const bool announcement = announces(kept.at(i));
            kept.removeAt(i);
            if (announcement)
                break;
        }
    }
    return kept;
}

} // namespace

RunManifest::RunManifest(const QString &runFolder)
    : m_folder(runFolder)
{
}

QString RunManifest::originalPath(const QString &keptName) const
{
    return QDir(m_folder).filePath(originalsFolderName() + QLatin1Char('/') + keptName);
}

bool RunManifest::append(const RunRecord &record) const
{
    // One write of one whole line: a process killed around it leaves the line whole
    // or absent, never half of it among the others.
    QFile file(QDir(m_folder).filePath(QStringLiteral("manifest.jsonl")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = encode(record);
    return file.write(line) == line.size() && file.flush();
}

QList<RunRecord> RunManifest::read() const
{
    QList<RunRecord> records;
    QFile file(QDir(m_folder).filePath(QStringLiteral("manifest.jsonl")));
    if (!file.open(QIODevice::ReadOnly))
        return records;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (const std::optional<RunRecord> record = decode(line))
            records.append(*record);
    }
    return records;
}

RunManifest::Summary RunManifest::summary() const
{
    Summary summary;
    QHash<QString, qsizetype> index;
    QHash<QString, int> announcements;
    for (const RunRecord &record : effective(read())) {
        switch (record.kind) {
        case RunRecord::Kind::Run:
            summary.started = record.started;
            summary.pid = record.pid;
            continue;
        case RunRecord::Kind::Ended:
            summary.ended = true;
            continue;
        case RunRecord::Kind::Undone:
            summary.undone = true;
            continue;
        case RunRecord::Kind::Withdrawn:
            continue;
        default:
            break;
        }
        // The first placing of a path says what was there before the run: nothing, the
        // document (kept), or a file that went to the trash for it. A file the run had
        // written itself and then moved to the trash changes nothing of that.
        auto found = index.constFind(record.path);
        if (found == index.constEnd()) {
            DocumentHistory history;
            history.path = record.path;
            if (record.kind == RunRecord::Kind::Replaced) {
                history.origin = DocumentHistory::Origin::Kept;
                history.kept = record.kept;
                history.before = record.before;
            }
            found = index.insert(record.path, summary.documents.size());
            summary.documents.append(history);
        }
        DocumentHistory &history = summary.documents[*found];
        int &placings = announcements[record.path];
        if (announces(record)) {
            ++placings;
            history.after = record.after;
            history.written = true;
        } else if (placings <= 1 && history.origin == DocumentHistory::Origin::Absent && history.trashedTo.isEmpty()) {
            history.origin = DocumentHistory::Origin::Trashed;
            history.trashedTo = record.where;
        }
    }
    return summary;
}

int RunManifest::Summary::documentsWritten() const
{
    return int(std::count_if(documents.cbegin(), documents.cend(),
                             [](const DocumentHistory &history) { return history.written; }));
}
