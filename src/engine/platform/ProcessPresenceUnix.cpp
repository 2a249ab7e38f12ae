#include "ProcessPresence.h"

#include <cerrno>
#include <signal.h>
#include <unistd.h>

namespace ProcessPresence {

qint64 currentProcessId()
{
    return qint64(::getpid());
}

bool exists(qint64 pid)
{
    if (pid <= 0)
        return false;
    // Signal 0 only asks; EPERM means a process of another user holds the number.
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

} // namespace ProcessPresence
