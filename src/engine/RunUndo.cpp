#include "RunUndo.h"

#include "DocumentStore.h"
#include "OfficeLockFile.h"
#include "StoreFailure.h"
#include "StoreTarget.h"
#include "TrashRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

QString UndoReport::describe(const LeftAlone &entry)
{
    QString why = UndoTexts::text(entry.reason);
    if (why.contains(QStringLiteral("%1")))
        why = why.arg(entry.detail);
    if (!entry.original.isEmpty())
        why += QStringLiteral("; ") + UndoTexts::text(UndoText::OriginalKept).arg(entry.original);
    return entry.path + QStringLiteral(": ") + why;
}

QString UndoReport::message(const QString &startText, int maxListed) const
{
    QStringList lines{UndoTexts::text(UndoText::Undone).arg(startText)};
    if (!restored.isEmpty())
        lines.append(UndoTexts::text(UndoText::Restored).arg(restored.size()));
    if (!resultsTrashed.isEmpty())
        lines.append(UndoTexts::text(UndoText::ResultsTrashed).arg(resultsTrashed.size()));
    if (!putBack.isEmpty())
        lines.append(UndoTexts::text(UndoText::PutBack).arg(putBack.size()));
    if (!leftAlone.isEmpty()) {
        lines.append(QString());
        lines.append(UndoTexts::text(UndoText::LeftAlone));
        for (qsizetype i = 0; i < leftAlone.size() && i < maxListed; ++i)
            lines.append(describe(leftAlone.at(i)));
        if (leftAlone.size() > maxListed)
            lines.append(UndoTexts::text(UndoText::More).arg(leftAlone.size() - maxListed));
    }
    return lines.join(QLatin1Char('\n'));
}

RunUndo::RunUndo(const KeptRuns::Run &run)
    : m_run(run)
    , m_manifest(run.folder)
{
    m_report.started = run.summary.started;
    m_report.runFolder = run.folder;
}

UndoReport RunUndo::undo()
{
    for (const DocumentHistory &history : std::as_const(m_run.summary.documents))
        undoDocument(history);
    close();
    return m_report;
}

void RunUndo::undoDocument(const DocumentHistory &history)
{
    const FileContent current = FileContent::of(history.path);
    const bool asWritten = history.written && current.readable() && current == history.after;
    switch (history.origin) {
    case DocumentHistory::Origin::Kept:
        if (asWritten)
            restoreOriginal(history);
        else if (current != history.before)   // equal: never replaced, or put back already
            leaveAlone(history, UndoText::Changed);
        return;
    case DocumentHistory::Origin::Absent:
        if (asWritten)
            trashResult(history);
        else if (current.exists)
            leaveAlone(history, UndoText::Changed);
        return;
    case DocumentHistory::Origin::Trashed:
        if (!QFileInfo(history.trashedTo).exists() && !QFileInfo(history.trashedTo).isSymLink()) {
            // Emptied from the trash, or taken out by the user: what is in place stays.
            if (asWritten || !current.exists)
                leaveAlone(history, UndoText::GoneFromTrash);
        } else if (asWritten) {
            if (trashResult(history))
                putBack(history);
        } else if (!current.exists) {
            putBack(history);
        } else {
            leaveAlone(history, UndoText::PlaceTaken, history.trashedTo);
        }
        return;
    }
}

void RunUndo::restoreOriginal(const DocumentHistory &history)
{
    const QString original = m_manifest.originalPath(history.kept);
    // Only a file of the run's own folder is ever put back, whatever the manifest says.
    const QString originals = QFileInfo(m_manifest.originalPath(QString())).absolutePath();
    const bool ownFile = QFileInfo(original).absolutePath() == originals;
    if (!ownFile || FileContent::of(original) != history.before) {
        leaveAlone(history, UndoText::KeptDamaged);
        return;
    }
    // The original goes back as a run's result goes in: locked, written whole beside the
    // document, renamed over it only if nobody changed it meanwhile.
    DocumentStore store(history.path, history.path);
    std::optional<QString> failure = store.begin();
    if (!failure && FileContent::of(history.path) != history.after) {
        leaveAlone(history, UndoText::Changed);
        return;
    }
    if (!failure)
        failure = store.prepareResult();
    if (!failure) {
        const std::filesystem::path from = QFileInfo(original).filesystemAbsoluteFilePath();
        const std::filesystem::path to = QFileInfo(store.resultPath()).filesystemAbsoluteFilePath();
        std::error_code error;
        // The kept link is the original's own file, down to its time and permissions.
        std::filesystem::create_hard_link(from, to, error);
        if (error) {
            error.clear();
            std::filesystem::copy_file(from, to, error);
            if (!error)
                std::filesystem::last_write_time(to, std::filesystem::last_write_time(from, error), error);
        }
        if (error)
            failure = StoreFailure::reasonOf(error);
        else if (FileContent::of(store.resultPath()) != history.before)
            failure = QStringLiteral("its copy came out different (the disk may be full)");
    }
    if (!failure)
        failure = store.place(true);
    if (failure) {
        leaveAlone(history, UndoText::NotWritten, *failure);
        return;
    }
    QFile::remove(original);
    m_report.restored.append(history.path);
}

bool RunUndo::trashResult(const DocumentHistory &history)
{
    const QString lock = OfficeLockFile::pathFor(history.path);
    if (QFileInfo::exists(lock) && !OfficeLockFile::isLeftover(lock)) {
        leaveAlone(history, UndoText::NotWritten, StoreTarget::lockRefusal(lock));
        return false;
    }
    QString error;
    if (!StoreTarget::moveToTrash(history.path, &error)) {
        leaveAlone(history, UndoText::NotWritten, error);
        return false;
    }
    if (history.origin == DocumentHistory::Origin::Absent)
        m_report.resultsTrashed.append(history.path);
    return true;
}

void RunUndo::putBack(const DocumentHistory &history)
{
    // Only onto a free place: a rename that never replaces.
    if (TrashRecord::restore(history.trashedTo, history.path))
        m_report.putBack.append(history.path);
    else
        leaveAlone(history, UndoText::PlaceTaken, history.trashedTo);
}

void RunUndo::leaveAlone(const DocumentHistory &history, UndoText reason, const QString &detail)
{
    UndoReport::LeftAlone entry{history.path, reason, detail, QString()};
    // Named only while it is the original: a user may look for it there.
    const QString original = m_manifest.originalPath(history.kept);
    if (history.origin == DocumentHistory::Origin::Kept && FileContent::of(original) == history.before)
        entry.original = original;
    m_report.leftAlone.append(entry);
}

void RunUndo::close()
{
    // A run undone whole has nothing left to keep; one with documents left alone keeps
    // their originals until the limits drop it.
    if (m_report.complete()) {
        QDir(m_run.folder).removeRecursively();
        return;
    }
    RunRecord undone;
    undone.kind = RunRecord::Kind::Undone;
    m_manifest.append(undone);
}
