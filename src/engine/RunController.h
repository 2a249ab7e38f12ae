#pragma once

#include "MessageTable.h"
#include "ProgressWording.h"
#include "RunLogFile.h"
#include "RunState.h"

#include <QHash>
#include <QObject>

#include <memory>
#include <vector>

class DocumentKeeper;
class RunHost;
class RunKeeper;
class TWorkThread;

// Runs a list of documents one step at a time: Start, Pause/Resume, Stop, the step
// itself, the end of a run, progress and the log of failed documents. Everything here
// runs in the window's thread; the worker only paces the steps.
class RunController : public QObject
{
    Q_OBJECT

public:
    RunController(RunHost &host, MessageTable &messages, QObject *parent = nullptr);
    ~RunController() override;

    RunState &state() { return m_state; }
    const RunState &state() const { return m_state; }
    bool runInProgress() const { return m_state.RunInProgress; }
    // A step is running (also one that Stop has asked to finish its document).
    bool stepRunning() const { return m_stepRunning; }
    // A run is going, paused or still finishing a stopped step: its list must not change.
    bool busy() const { return m_state.RunInProgress || m_stepRunning; }
    bool workerSuspended() const;

    void StartRun();
    void PauseOrResume();
    void StopRun();
    void ResetStartButton();
    void ViewLog();
    void ShowSelectObjectMessage();
    void ShowChoosePatternSheetMessage();

    // Services for the back-ends.
    void WriteLogLine(const QString &first, const QString &second);
    void ReportProgress(int position, int count, ProgressWording wording);
    void setProblemLogged();
    void notice(const QString &text);
    // Lets the window handle pending input inside a step.
    void processEvents();

    // The program is ending, mid-run or paused: every worker is told to end and a step
    // under way stops after its current call. Safe inside a step.
    void endAll();
    // endAll, then waits until every worker has ended. Call it outside a step (after
    // the message loop has returned).
    void shutdown();
    bool shuttingDown() const { return m_shuttingDown; }
    // The log of the current or last run.
    QString logPath() const { return m_log.path(); }
    // What the current run keeps for "Undo last run"; nothing when it keeps nothing.
    DocumentKeeper *documentKeeper() const;

    static QString progressText(const MessageTable &messages, int position, int count, ProgressWording wording);

signals:
    void runFinished();   // the last document is done and the end of the run has run
    void runStopped();
    void documentFailed();   // a document (or one sheet of it) failed
    void keptRunClosed();    // the run's record for "Undo last run" is complete

private:
    void RunStep(TWorkThread *caller);
    // Documents whose results would land on one file: the later ones fail.
    void findCollisions();
    void runAllSheets(const QString &path);
    void runOneSheet(const QString &path);
    // A document the step cannot hand to the back-end (no sheet number, a name no
    // office can open) fails as the back-end would fail it.
    void failDocument(const QString &path, int office, const QString &reason = QString());
    void EndRun();
    void makeFreshWorker();
    void openLogIfProblem();
    void reportLogFailure();
    void startKeeping();
    void finishKeeping();

    RunHost &m_host;
    MessageTable &m_messages;
    RunState m_state;
    RunLogFile m_log;
    // Workers are owned here and deleted only once their thread has ended: a worker
    // may be blocked in a step that is still on the call stack.
    std::unique_ptr<TWorkThread> m_worker;
    std::vector<std::unique_ptr<TWorkThread>> m_retired;
    QHash<int, QString> m_collisions;   // position -> reason, found at Start
    // Lives until the run's last step has returned, also after a Stop.
    std::unique_ptr<RunKeeper> m_keeper;
    bool m_keepingOffWarned = false;
    bool m_stepRunning = false;
    bool m_shuttingDown = false;
    bool m_logFailureShown = false;
};
