#include "UndoCommand.h"

#include "KeptRuns.h"
#include "RunUndo.h"

namespace UndoCommand {

namespace {

QString startText(const QDateTime &started)
{
    return started.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

int list(QTextStream &out)
{
    const QList<KeptRuns::Run> runs = KeptRuns::list();
    const std::optional<KeptRuns::Run> next = KeptRuns::lastUndoable();
    for (const KeptRuns::Run &run : runs) {
        QString state;
        if (run.summary.undone)
            state = QStringLiteral("undone");
        else if (run.inProgress)
            state = QStringLiteral("in progress");
        else if (!run.summary.ended)
            state = QStringLiteral("interrupted");
        if (next && next->folder == run.folder)
            state += state.isEmpty() ? QStringLiteral("next to undo") : QStringLiteral(", next to undo");
        out << startText(run.summary.started) << "  " << run.summary.documentsWritten() << " documents  "
            << KeptRuns::keptBytes(run.folder) << " bytes kept"
            << (state.isEmpty() ? QString() : QStringLiteral("  (") + state + QLatin1Char(')')) << "  " << run.folder
            << Qt::endl;
    }
    if (runs.isEmpty())
        out << "Tablevane: no runs are kept in " << KeptRuns::folder() << Qt::endl;
    return next ? AllRestored : NothingToUndo;
}

int undoLast(QTextStream &out, QTextStream &err)
{
    const std::optional<KeptRuns::Run> run = KeptRuns::lastUndoable();
    if (!run) {
        err << "Tablevane: " << UndoTexts::text(UndoText::NothingToUndo) << Qt::endl;
        return NothingToUndo;
    }
    out << "Tablevane: undoing the run of " << startText(run->summary.started) << " ("
        << run->summary.documentsWritten() << " documents)" << Qt::endl;
    const UndoReport report = RunUndo(*run).undo();
    for (const QString &path : report.restored)
        out << "restored: " << path << Qt::endl;
    for (const QString &path : report.resultsTrashed)
        out << "moved to the trash: " << path << Qt::endl;
    for (const QString &path : report.putBack)
        out << "put back from the trash: " << path << Qt::endl;
    for (const UndoReport::LeftAlone &entry : report.leftAlone)
        err << "left alone: " << UndoReport::describe(entry) << Qt::endl;
    out << "Tablevane: " << report.restored.size() << " restored, " << report.resultsTrashed.size()
        << " moved to the trash, " << report.putBack.size() << " put back, " << report.leftAlone.size()
        << " left alone" << Qt::endl;
    return report.complete() ? AllRestored : SomeLeftAlone;
}

} // namespace

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QStringList rest = arguments;
    rest.removeOne(QStringLiteral("--undo"));
    const bool listing = rest.removeOne(QStringLiteral("--list"));
    if (!rest.isEmpty()) {
        err << "Tablevane: unexpected argument: " << rest.constFirst() << Qt::endl
            << "usage: tablevane --undo [--list]" << Qt::endl;
        return NothingToUndo;
    }
    return listing ? list(out) : undoLast(out, err);
}

} // namespace UndoCommand
