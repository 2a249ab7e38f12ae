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
// fresh one. A watchdog tells a hung office from a busy one: an office that uses no
// processor time for the no-progress limit during an operation (stopped, deadlocked,
// waiting for a dialog nobody sees), or an operation past the generous total limit,
// has its office killed; the operation fails and the next one starts a fresh office. Shutting down (or destroying the object) ends the office
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
        // How long an office may use no processor time during an operation. Busy offices
        // never pause that long: storing 1,048,576 interleaved rows as .ods (about 35 s)
        // and a 65,000 x 10 sheet on a loaded machine (33 s) used the processor the whole
        // time, sampled every second; a stopped or deadlocked office uses none at all.
        std::chrono::milliseconds noProgressLimit = std::chrono::seconds(60);
        // The longest one operation (one document) may take however busy the office is:
        // far beyond the largest documents measured (under a minute), only so that an
        // office spinning in a loop is ended at last.
        std::chrono::milliseconds totalLimit = std::chrono::minutes(30);
        // How often the watchdog looks at the office's processor time.
        std::chrono::milliseconds checkInterval = std::chrono::seconds(1);
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
    // The spreadsheet export filters the office offers, read from its filter
    // configuration; empty when the office cannot be asked.
    QStringList exportFilters();
    // Starts the office ahead of the first operation when an office is installed; a
    // failure is left for that operation. It may run on another thread as long as no
    // other call is made meanwhile.
    void startEarly();
    // Ends the office now; the next operation would start a fresh one.
    void shutdown();

    // For tests: the watchdog's limits and how often it looks.
    void setWatchdogLimits(std::chrono::milliseconds noProgress, std::chrono::milliseconds total,
                           std::chrono::milliseconds checkInterval);

    // For tests and diagnostics: the office process (0 when none runs), how many times
    // an office was started, how often a starting office asked to be started again,
    // and how often the watchdog has killed one.
    qint64 processId() const;
    int officeStarts() const;
    int restartRequests() const;
    int watchdogKills() const;
    QString instanceFolder() const;
    // The calls answered by the office so far (see UnoBridge::messagesReceived): each
    // is a round trip, whatever it did.
    qint64 remoteCalls() const;

private:
    struct Impl;
    std::shared_ptr<Impl> m_impl;
};
