#pragma once

#include <QtGlobal>

// Whether a process still exists, for telling the leftovers of a program that ended
// (a killed run) from the files of one that is still at work.
namespace ProcessPresence {

qint64 currentProcessId();
// True also when the answer is unsure (no permission to ask): a file of a process that
// may still run is never taken for a leftover.
bool exists(qint64 pid);

} // namespace ProcessPresence
