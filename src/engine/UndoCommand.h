#pragma once

#include <QStringList>
#include <QTextStream>

// tablevane --undo [--list]: puts back what the last run changed, or lists the kept
// runs. Reports on the terminal in English; the exit code says how it went.
namespace UndoCommand {

enum ExitCode { AllRestored = 0, SomeLeftAlone = 1, NothingToUndo = 2 };

int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace UndoCommand
