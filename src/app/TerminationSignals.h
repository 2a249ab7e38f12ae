#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a call on the window's thread, so that a
// program ended by its desktop session or by Ctrl+C still ends its office process.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject *parent = nullptr);
    ~TerminationSignals() override;

private:
    static void handle(int signal);

    std::function<void()> m_onSignal;
    QSocketNotifier *m_notifier = nullptr;
};
