#include "DocumentTimings.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <array>

namespace {

struct State
{
    std::function<void(const QString &)> sink;
    std::function<qint64()> remoteCalls;
    QElapsedTimer clock;
    qint64 last = 0;            // ns on the clock at the previous mark
    std::array<qint64, DocumentTimings::PhaseCount> spent{};
    std::array<qint64, DocumentTimings::PhaseCount> calls{};
    qint64 lastCalls = 0;       // the call count at the previous mark
    QString name;
    bool inDocument = false;
};

State &state()
{
    static State s;
    return s;
}

QString milliseconds(qint64 ns)
{
    return QString::number(double(ns) / 1e6, 'f', 1);
}

const char *phaseName(int phase)
{
    static const char *const names[DocumentTimings::PhaseCount] = {
        "between", "open", "scan", "format", "header", "widths", "heights", "store", "close", "run"};
    return names[phase];
}

} // namespace

bool DocumentTimings::s_on = false;

void DocumentTimings::enable(std::function<void(const QString &)> sink, std::function<qint64()> remoteCalls)
{
    State &s = state();
    s = State();
    s.sink = std::move(sink);
    s.remoteCalls = std::move(remoteCalls);
    s.clock.start();
    s.lastCalls = s.remoteCalls ? s.remoteCalls() : 0;
    s_on = true;
}

void DocumentTimings::disable()
{
    s_on = false;
    state() = State();
}

void DocumentTimings::record(Phase phase)
{
    State &s = state();
    const qint64 now = s.clock.nsecsElapsed();
    s.spent[int(phase)] += now - s.last;
    s.last = now;
    if (s.remoteCalls) {
        const qint64 calls = s.remoteCalls();
        s.calls[int(phase)] += calls - s.lastCalls;
        s.lastCalls = calls;
    }
}

void DocumentTimings::beginDocument(const QString &name)
{
    if (!s_on)
        return;
    State &s = state();
    s.spent.fill(0);
    s.calls.fill(0);
    // The first document has no previous one: its wait is the run's start.
    record(Phase::Between);
    s.name = QFileInfo(name).fileName();
    s.inDocument = true;
}

void DocumentTimings::endDocument()
{
    if (!s_on || !state().inDocument)
        return;
    State &s = state();
    record(Phase::Run);
    s.inDocument = false;
    qint64 total = 0;
    qint64 calls = 0;
    QString line = QStringLiteral("timings ") + s.name + QLatin1Char(':');
    for (int p = 0; p < PhaseCount; ++p) {
        total += s.spent[p];
        calls += s.calls[p];
        line += QLatin1Char(' ') + QLatin1String(phaseName(p)) + QLatin1Char(' ') + milliseconds(s.spent[p]);
        if (s.remoteCalls && s.calls[p] > 0)
            line += QLatin1Char('/') + QString::number(s.calls[p]);
    }
    line += QStringLiteral(" total ") + milliseconds(total);
    if (s.remoteCalls)
        line += QLatin1Char('/') + QString::number(calls);
    if (s.sink)
        s.sink(line);
}
