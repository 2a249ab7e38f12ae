#pragma once

#include <QObject>

class MainWindowUi;
class RunController;
class WindowMessages;

// "Undo last run" in the File menu: enabled while no run is going and a kept run can
// be undone, its hint naming that run's start and number of documents. Triggered, it
// puts back what that run stored and says what it did and what it left alone.
class UndoRunAction : public QObject
{
    Q_OBJECT

public:
    UndoRunAction(MainWindowUi &ui, RunController &run, const WindowMessages &messages, QObject *parent = nullptr);

    // The state of the item, read afresh from the kept runs.
    void refresh();
    void Undolastrun1Click();

private:
    MainWindowUi &m_ui;
    RunController &m_run;
    const WindowMessages &m_messages;
};
