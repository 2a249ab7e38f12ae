#pragma once

#include "CalcOffice.h"

#include <QString>

#include <chrono>
#include <memory>

// The LibreOffice that serves every Calc operation of the program. The program makes
// one and keeps it for its whole life: the office process starts on the first
// operation (a headless soffice with a private profile and a pipe of its own) and stays
// for the next ones; each operation still gets its own service manager and Desktop.
//
// An office that dies fails the operation under way, and the next operation starts a
// fresh one. A watchdog bounds every operation: an operation that takes longer than
// the limit (an office that hangs) has its office killed, fails, and the next operation
// again starts a fresh office. Shutting down (or destroying the object) ends the office
// and leaves no process, pipe, temporary file or profile behind.
//
// Operations come from one thread at a time (the program's user-interface thread).
class UnoOffice : public CalcOffice
{
public:
    struct Options
    {
        // The soffice to run; empty: the usual install locations, then the PATH.
        QString soffice;
        // The longest one operation (one document) may take.
        std::chrono::milliseconds watchdog = std::chrono::minutes(2);
        // The longest an office start may take.
        std::chrono::milliseconds startTimeout = std::chrono::seconds(60);
        // Where the private folder of this instance goes; empty: the cache folder.
        QString instanceBase;
    };

    UnoOffice();
    explicit UnoOffice(const Options &options);
    ~UnoOffice() override;

    UnoOffice(const UnoOffice &) = delete;
    UnoOffice &operator=(const UnoOffice &) = delete;

    // Starts the office when none runs (or the last one died). Throws CalcError when no
    // office is installed or it does not start.
    std::unique_ptr<CalcDesktop> createDesktop() override;

    // Whether an installed office was found.
    bool available() const;
    // The start test of the office detection: false when no office is installed or a
    // hidden new spreadsheet cannot be opened and closed.
    bool calcStartTest();
    // Starts the office ahead of the first operation when an office is installed; a
    // failure is left for that operation. It may run on another thread as long as no
    // other call is made meanwhile.
    void startEarly();
    // Ends the office now; the next operation would start a fresh one.
    void shutdown();

    void setWatchdogLimit(std::chrono::milliseconds limit);

    // For tests and diagnostics: the office process (0 when none runs), how many times
    // an office was started, how often a starting office asked to be started again,
    // and how often the watchdog has killed one.
    qint64 processId() const;
    int officeStarts() const;
    int restartRequests() const;
    int watchdogKills() const;
    QString instanceFolder() const;

private:
    struct Impl;
    std::shared_ptr<Impl> m_impl;
};
