#include "RecordingRunHost.h"

#include <QCoreApplication>

RecordingRunHost::RecordingRunHost()
{
    run = std::make_unique<RunController>(*this, messages);
    engineHost = std::make_unique<EngineBackendHost>(*run, messages, messagePort, formatSet, preferences);
}

RecordingRunHost::~RecordingRunHost()
{
    run->shutdown();
}

FormatJob RecordingRunHost::formatJob() const
{
    FormatJob job;
    job.set = formatSet.set();
    return job;
}

void RecordingRunHost::processEvents()
{
    QCoreApplication::processEvents();
}

void RecordingRunHost::showMessage(const QString &text, MessageIcon icon)
{
    events.append(QStringLiteral("message:") + text);
    messagePort.showMessage(QStringLiteral("Tablevane"), text, icon);
}
