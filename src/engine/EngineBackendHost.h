#pragma once

#include "BackendHost.h"

class FormatSetModel;
class MessagePort;
class MessageTable;
class PreferencesModel;
class RunController;

// The back-ends' host as the window and the headless batch both need it: the log and
// progress go to the run, messages through the message port, the pattern controls are
// those of the formatting model.
class EngineBackendHost : public BackendHost
{
public:
    EngineBackendHost(RunController &run, const MessageTable &messages, MessagePort &messagePort,
                      FormatSetModel &formatSet, const PreferencesModel &preferences);

    QString message(int number) const override;
    void showMessage(const QString &text, MessageIcon icon) override;
    void writeLogLine(const QString &first, const QString &second) override;
    void setProblemLogged() override;
    void notice(const QString &text) override;
    void processEvents() override;
    bool runEnding() const override;
    DocumentKeeper *documentKeeper() override;
    void reportProgress(int position, int count, ProgressWording wording) override;
    QueryResults &queryResults() override;
    int maxScanColumns() const override;
    void setSheetNumberItems(int count) override;
    void clearSheetNumberSelection() override;
    void setPatternSheetName(const QString &name) override;
    void clearPatternFileField() override;
    void chooseAutoWidths() override;
    void restartPatternChoice() override;

private:
    RunController &m_run;
    const MessageTable &m_messages;
    MessagePort &m_messagePort;
    FormatSetModel &m_formatSet;
    const PreferencesModel &m_preferences;
};
