#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <chrono>
#include <mutex>
#include <optional>

// The office's own process, started directly (not through the soffice script and its
// launcher, whose child would escape the program). It is killed when the thread that
// started it ends, so an office never outlives a program that dies.
class OfficeProcess
{
public:
    OfficeProcess() = default;
    ~OfficeProcess();

    OfficeProcess(const OfficeProcess &) = delete;
    OfficeProcess &operator=(const OfficeProcess &) = delete;

    // Starts binary with arguments, environment additions (NAME=value) and the
    // standard streams on /dev/null. False when it cannot be started.
    bool start(const QString &binary, const QStringList &arguments, const QStringList &environment);

    pid_t pid() const;
    // Whether the process still runs; reaps it once it has ended.
    bool running();
    // The exit code of an ended process (nothing while it runs or after a signal).
    std::optional<int> exitCode();
    // Waits until the process has ended or the time is up.
    bool waitForExit(std::chrono::milliseconds timeout);
    // SIGKILL; safe from any thread, also on a stopped process.
    void kill();

    // The pipe files (Unix sockets with a path) the process listens on.
    QStringList listeningPipes() const;

private:
    void reap(bool block);

    mutable std::mutex m_mutex;
    pid_t m_pid = -1;
    bool m_ended = true;
    int m_status = 0;
};
