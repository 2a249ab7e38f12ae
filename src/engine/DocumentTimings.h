#pragma once

#include <QString>

#include <functional>

// Where the time of each document of a run goes. The run engine and the back-ends mark
// the end of each phase; the time since the previous mark goes to that phase. Once a
// document's step ends, one line names the document and its phases in milliseconds,
// each followed by /N when N calls went to the office in it, and their total
// (tablevane --batch --timings prints it). Off, a mark costs one test of a flag.
//
// Marks come from one thread (the run's steps run in the window's thread).
class DocumentTimings
{
public:
    enum class Phase {
        Between,   // from the end of the previous document's step to the start of this one
        Open,      // desktop, load, filter check
        Scan,      // the automatic range scan (or the manual range's checks)
        Format,    // the cell and range formatting writes
        Header,    // the page style and its header
        Widths,    // column widths
        Heights,   // the row-height fit
        Store,
        Close,     // the document closed and the desktop dropped
        Run,       // the rest of the step: progress, the window's pending input
    };
    static constexpr int PhaseCount = int(Phase::Run) + 1;

    // Turns the breakdown on: every finished document's line goes to sink. remoteCalls,
    // when given, counts the calls made to the office so far; the line shows how many a
    // document made.
    static void enable(std::function<void(const QString &line)> sink,
                       std::function<qint64()> remoteCalls = nullptr);
    static void disable();

    static void mark(Phase phase)
    {
        if (s_on)
            record(phase);
    }
    // The start of a document's step; the time since the previous document goes to Between.
    static void beginDocument(const QString &name);
    // The end of the step: the rest goes to Run and the line is written.
    static void endDocument();

private:
    static void record(Phase phase);

    static bool s_on;
};
