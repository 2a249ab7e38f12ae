#include "OfficeProcess.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// Everything the child needs is prepared before fork: after it only async-signal-safe
// calls may run.
struct ChildArguments
{
    std::vector<QByteArray> storage;
    std::vector<char *> argv;
    std::vector<char *> envp;
};

ChildArguments prepare(const QString &binary, const QStringList &arguments,
                       const QStringList &environment)
{
    ChildArguments child;
    QStringList names;
    for (const QString &entry : environment)
        names.append(entry.section(QLatin1Char('='), 0, 0) + QLatin1Char('='));
    child.storage.push_back(QFile::encodeName(binary));
    for (const QString &argument : arguments)
        child.storage.push_back(argument.toLocal8Bit());
    const size_t argc = child.storage.size();
    for (char **e = environ; *e; ++e) {
        const QString entry = QString::fromLocal8Bit(*e);
        bool replaced = false;
        for (const QString &name : names)
            replaced = replaced || entry.startsWith(name);
        if (!replaced)
            child.storage.push_back(QByteArray(*e));
    }
    for (const QString &entry : environment)
        child.storage.push_back(entry.toLocal8Bit());
    for (size_t i = 0; i < child.storage.size(); ++i)
        (i < argc ? child.argv : child.envp).push_back(child.storage[i].data());
    child.argv.push_back(nullptr);
    child.envp.push_back(nullptr);
    return child;
}

[[noreturn]] void execChild(const ChildArguments &child, pid_t parent, int devNull, long maxFd)
{
    // Killed with the thread that started it, even when the program dies unexpectedly.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(127);
    // Its own process group: a terminal's Ctrl+C reaches the program, which ends it.
    ::setpgid(0, 0);
    ::dup2(devNull, 0);
    ::dup2(devNull, 1);
    ::dup2(devNull, 2);
    if (::syscall(SYS_close_range, 3U, ~0U, 0U) != 0) {
        for (long fd = 3; fd < maxFd; ++fd)
            ::close(int(fd));
    }
    ::execve(child.argv[0], child.argv.data(), child.envp.data());
    ::_exit(127);
}

// The inodes of the sockets the process holds open ("socket:[inode]" links).
QSet<QByteArray> socketInodes(pid_t pid)
{
    QSet<QByteArray> inodes;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        char target[64] = {};
        const ssize_t n = ::readlink(QFile::encodeName(fds.filePath(fd)).constData(), target,
                                     sizeof target - 1);
        if (n > 9 && qstrncmp(target, "socket:[", 8) == 0)
            inodes.insert(QByteArray(target + 8, int(n) - 9));
    }
    return inodes;
}

} // namespace

OfficeProcess::~OfficeProcess()
{
    if (running()) {
        kill();
        waitForExit(std::chrono::seconds(5));
    }
}

bool OfficeProcess::start(const QString &binary, const QStringList &arguments,
                          const QStringList &environment)
{
    std::lock_guard lock(m_mutex);
    const ChildArguments child = prepare(binary, arguments, environment);
    const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (devNull < 0)
        return false;
    const long maxFd = ::sysconf(_SC_OPEN_MAX);
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0)
        execChild(child, parent, devNull, maxFd);
    ::close(devNull);
    if (pid < 0)
        return false;
    m_pid = pid;
    m_ended = false;
    m_status = 0;
    return true;
}

pid_t OfficeProcess::pid() const
{
    std::lock_guard lock(m_mutex);
    return m_pid;
}

void OfficeProcess::reap(bool block)
{
    if (m_ended || m_pid <= 0)
        return;
    int status = 0;
    const pid_t result = ::waitpid(m_pid, &status, block ? 0 : WNOHANG);
    if (result == m_pid || (result < 0 && errno == ECHILD)) {
        m_ended = true;
        m_status = status;
    }
}

bool OfficeProcess::running()
{
    std::lock_guard lock(m_mutex);
    reap(false);
    return !m_ended;
}

std::optional<int> OfficeProcess::exitCode()
{
    std::lock_guard lock(m_mutex);
    reap(false);
    if (!m_ended || !WIFEXITED(m_status))
        return std::nullopt;
    return WEXITSTATUS(m_status);
}

bool OfficeProcess::waitForExit(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    // An office that was asked to end takes about 25 ms: checked often, the program
    // ends soon after it.
    while (running()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

void OfficeProcess::kill()
{
    std::lock_guard lock(m_mutex);
    // Only a process not yet reaped: its pid cannot have been given to another one.
    if (!m_ended && m_pid > 0)
        ::kill(m_pid, SIGKILL);
}

QStringList OfficeProcess::listeningPipes() const
{
    const QSet<QByteArray> inodes = socketInodes(pid());
    QStringList pipes;
    QFile table(QStringLiteral("/proc/net/unix"));
    if (inodes.isEmpty() || !table.open(QIODevice::ReadOnly))
        return pipes;
    table.readLine();   // header
    while (!table.atEnd()) {
        // Num RefCount Protocol Flags Type St Inode Path
        const QList<QByteArray> fields = table.readLine().simplified().split(' ');
        // An accepted connection shows the path of its listening socket again.
        if (fields.size() >= 8 && inodes.contains(fields.at(6)) && fields.at(7).startsWith('/')
            && !pipes.contains(QFile::decodeName(fields.at(7))))
            pipes.append(QFile::decodeName(fields.at(7)));
    }
    return pipes;
}
