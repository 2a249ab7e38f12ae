#include "EngineBackendHost.h"

#include "FormatSetModel.h"
#include "MessagePort.h"
#include "MessageTable.h"
#include "PreferencesModel.h"
#include "RunController.h"

EngineBackendHost::EngineBackendHost(RunController &run, const MessageTable &messages, MessagePort &messagePort,
                                     FormatSetModel &formatSet, const PreferencesModel &preferences)
    : m_run(run)
    , m_messages(messages)
    , m_messagePort(messagePort)
    , m_formatSet(formatSet)
    , m_preferences(preferences)
{
}

QString EngineBackendHost::message(int number) const
{
    return m_messages.text(number);
}

void EngineBackendHost::showMessage(const QString &text, MessageIcon icon)
{
    m_messagePort.showMessage(QStringLiteral("Tablevane"), text, icon);
}

void EngineBackendHost::writeLogLine(const QString &first, const QString &second)
{
    m_run.WriteLogLine(first, second);
}

void EngineBackendHost::notice(const QString &text)
{
    m_run.notice(text);
}

void EngineBackendHost::processEvents()
{
    m_run.processEvents();
}

bool EngineBackendHost::runEnding() const
{
    return m_run.shuttingDown();
}

DocumentKeeper *EngineBackendHost::documentKeeper()
{
    return m_run.documentKeeper();
}

void EngineBackendHost::setProblemLogged()
{
    m_run.setProblemLogged();
}

void EngineBackendHost::reportProgress(int position, int count, ProgressWording wording)
{
    m_run.ReportProgress(position, count, wording);
}

QueryResults &EngineBackendHost::queryResults()
{
    return m_formatSet.results();
}

int EngineBackendHost::maxScanColumns() const
{
    return m_preferences.maxScanColumns();
}

void EngineBackendHost::setSheetNumberItems(int count)
{
    m_formatSet.setSheetItems(count);
}

void EngineBackendHost::clearSheetNumberSelection()
{
    m_formatSet.update([](FormatSet &set) { set.PatternSheet = -1; });
}

void EngineBackendHost::setPatternSheetName(const QString &name)
{
    m_formatSet.update([&](FormatSet &set) { set.PatternSheetName = name; });
}

void EngineBackendHost::clearPatternFileField()
{
    m_formatSet.update([](FormatSet &set) { set.PatternFile.clear(); });
}

void EngineBackendHost::chooseAutoWidths()
{
    m_formatSet.chooseAutoWidths();
}

void EngineBackendHost::restartPatternChoice()
{
    m_formatSet.restartPatternChoice();
}
