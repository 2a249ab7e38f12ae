#include "RunController.h"

#include "AppPaths.h"
#include "BackendHost.h"
#include "DocumentStore.h"
#include "DocumentTimings.h"
#include "FormatJob.h"
#include "NoticeTable.h"
#include "OfficeBackend.h"
#include "RunHost.h"
#include "RunKeeper.h"
#include "RunLog.h"
#include "RunTargets.h"
#include "TWorkThread.h"
#include "UndoTexts.h"

#include <QCoreApplication>
#include <QFileInfo>

RunController::RunController(RunHost &host, MessageTable &messages, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_messages(messages)
{
    makeFreshWorker();
}

RunController::~RunController()
{
    shutdown();
}

bool RunController::workerSuspended() const
{
    return m_worker && m_worker->isSuspended();
}

void RunController::makeFreshWorker()
{
    // A worker that never started or has ended can go; one still running is kept.
    std::erase_if(m_retired, [](const std::unique_ptr<TWorkThread> &worker) { return !worker->isRunning(); });
    if (m_worker)
        m_retired.push_back(std::move(m_worker));
    m_worker = std::make_unique<TWorkThread>(this, [this](TWorkThread *caller) { RunStep(caller); });
    m_state.ProblemLogged = false;
}

void RunController::StartRun()
{
    if (m_state.RunInProgress) {
        PauseOrResume();
        return;
    }
    // A stopped step still finishing its document: a new run would start inside it.
    if (m_stepRunning)
        return;
    if (m_host.workPathText().isEmpty() || (!m_host.oneFileChosen() && m_state.Count <= 0)) {
        ShowSelectObjectMessage();
        return;
    }
    if (m_host.patternSheetMissing()) {
        ShowChoosePatternSheetMessage();
        return;
    }
    // Every document would fail in its store: say so once instead.
    if (const QString refusal = m_host.saveAsRefusal(); !refusal.isEmpty()) {
        m_host.showMessage(refusal, MessageIcon::Warning);
        return;
    }
    startKeeping();
    m_state.RunInProgress = true;
    m_host.setStatusText(QString());
    m_host.saveProgramSettings();
    m_host.setProgressPosition(0);
    m_state.Position = 1;
    m_logFailureShown = false;
    AppPaths::ensureAppDataFolder();
    m_log.acquire();
    if (m_host.logChecked() && !RunLog::emptyLog(m_log.path()))
        reportLogFailure();
    if (m_host.oneFileChosen()) {
        const QString path = m_host.workPathText();
        m_state.Count = 1;
        m_state.WorkFolder = AppPaths::folderPart(path);
        m_state.Files = QStringList{QString(), AppPaths::fileNamePart(path)};
        m_state.Undecodable.clear();
    }
    // A run killed earlier in this folder may have left its private store folders and
    // lock files; they would keep its documents locked.
    DocumentStore::removeLeftovers(m_state.WorkFolder);
    findCollisions();
    PauseOrResume();
}

void RunController::findCollisions()
{
    m_collisions.clear();
    const OfficeBackend *backend = m_host.backend(m_host.officeChoice());
    if (!backend || m_state.Count < 2)
        return;
    const FormatJob job = m_host.formatJob();
    m_collisions = RunTargets::collisions(m_state.WorkFolder, m_state.Files.mid(0, m_state.Count + 1),
                                          [&](const QString &path) { return backend->targetPath(path, job); });
}

void RunController::startKeeping()
{
    finishKeeping();
    const KeptRunLimits limits = m_host.keptRunLimits();
    if (limits.keepOriginals) {
        m_keeper = std::make_unique<RunKeeper>(limits, QDateTime::currentDateTime());
        return;
    }
    // Once: a user who chose not to keep originals knows after the first word.
    if (!m_keepingOffWarned) {
        m_keepingOffWarned = true;
        m_host.showMessage(UndoTexts::text(UndoText::KeepingOff), MessageIcon::Warning);
    }
}

void RunController::finishKeeping()
{
    if (!m_keeper)
        return;
    m_keeper->finish();
    m_keeper.reset();
    emit keptRunClosed();
}

DocumentKeeper *RunController::documentKeeper() const
{
    return m_keeper.get();
}

void RunController::PauseOrResume()
{
    if (!m_worker)
        return;
    if (m_worker->isSuspended()) {
        m_host.setRunCaption(RunCaption::Pause);
        m_worker->resumeWorker();
    } else if (!m_worker->isTerminated()) {
        m_host.setRunCaption(RunCaption::Resume);
        m_worker->suspendWorker();
    }
}

void RunController::StopRun()
{
    if (m_worker)
        m_worker->terminateWorker();
    ResetStartButton();
    m_host.showSettingsSummary();
    openLogIfProblem();
    m_log.release();
    // A step still finishing its document may store it yet.
    if (!m_stepRunning)
        finishKeeping();
    makeFreshWorker();
    emit runStopped();
}

void RunController::ResetStartButton()
{
    m_host.setRunCaption(RunCaption::Start);
    m_state.RunInProgress = false;
}

void RunController::ViewLog()
{
    const QString path = m_log.path();
    if (QFileInfo::exists(path))
        m_host.openLog(path);
    else
        m_host.showMessage(m_messages.text(0), MessageIcon::Information);
}

void RunController::ShowSelectObjectMessage()
{
    m_host.showMessage(m_messages.text(7), MessageIcon::Warning);
}

void RunController::ShowChoosePatternSheetMessage()
{
    m_host.showMessage(m_messages.text(30) + QLatin1Char('\n') + m_messages.text(31), MessageIcon::Warning);
}

void RunController::WriteLogLine(const QString &first, const QString &second)
{
    AppPaths::ensureAppDataFolder();
    if (RunLog::WriteLogLine(m_log.path(), first, second))
        m_log.lineWritten();
    else
        reportLogFailure();
}

void RunController::notice(const QString &text)
{
    m_host.notice(text);
}

void RunController::processEvents()
{
    m_host.processEvents();
}

void RunController::setProblemLogged()
{
    m_state.ProblemLogged = true;
    emit documentFailed();
}

void RunController::reportLogFailure()
{
    // Once per run: every document is still treated, the user learns the log is lost.
    if (m_logFailureShown)
        return;
    m_logFailureShown = true;
    m_host.showMessage(NoticeTable::text(Notice::LogNotWritten) + QLatin1Char('\n') + m_log.path(), MessageIcon::Error);
}

QString RunController::progressText(const MessageTable &messages, int position, int count, ProgressWording wording)
{
    if (wording == ProgressWording::Excel) {
        return messages.text(47) + QLatin1Char(' ') + QString::number(position) + QLatin1Char(' ') + messages.text(48)
            + QLatin1Char(' ') + QString::number(count);
    }
    return QStringLiteral("Complete ") + QString::number(position) + QStringLiteral(" from ") + QString::number(count);
}

void RunController::ReportProgress(int position, int count, ProgressWording wording)
{
    m_host.setProgressPosition(position);
    const QString text = progressText(m_messages, position, count, wording);
    m_host.setStatusText(text);
    m_host.setTrayHint(text);
}

void RunController::RunStep(TWorkThread *caller)
{
    // A worker that was stopped or is being shut down asks for nothing more.
    if (m_shuttingDown || caller->isTerminated() || caller != m_worker.get())
        return;
    m_stepRunning = true;
    const QString path = AppPaths::joinPath(m_state.WorkFolder, m_state.fileAt(m_state.Position));
    DocumentTimings::beginDocument(path);
    if (m_state.Undecodable.contains(m_state.Position))
        failDocument(path, m_host.officeChoice(), QStringLiteral("its name is not valid in the system's encoding"));
    else if (m_collisions.contains(m_state.Position))
        failDocument(path, m_host.officeChoice(), m_collisions.value(m_state.Position));
    else if (m_host.applyForAll())
        runAllSheets(path);
    else
        runOneSheet(path);
    m_stepRunning = false;
    if (!m_state.RunInProgress)
        finishKeeping();   // the step Stop let finish
    if (m_shuttingDown)
        return;
    m_host.repaintWindow();
    DocumentTimings::endDocument();
    // A step that Stop interrupted ends quietly once its document is done.
    if (caller->isTerminated())
        return;
    ++m_state.Position;
    if (m_state.Position > m_state.Count)
        EndRun();
}

void RunController::runAllSheets(const QString &path)
{
    const int office = m_host.officeChoice();
    OfficeBackend *backend = m_host.backend(office);
    if (!backend)
        return;
    BackendHost &backendHost = m_host.backendHost();
    if (backend->formatAllSheets(path, m_state.Position, m_state.Count, m_host.formatJob(), backendHost)) {
        m_host.processEvents();
        return;
    }
    // The query leaves the count alone when it cannot read the document; the count of
    // an earlier document must not stand in for it.
    QueryResults &results = backendHost.queryResults();
    const int earlierCount = results.SheetCount;
    results.SheetCount = -1;
    backend->readSheetNames(path, backendHost);
    const int sheetCount = results.SheetCount;
    if (sheetCount < 0) {
        results.SheetCount = earlierCount;
        failDocument(path, office);
        return;
    }
    for (int sheet = 0; sheet < sheetCount && !m_shuttingDown; ++sheet) {
        // Excel counts sheets from 1, Calc from 0.
        const int argument = office == 0 ? sheet + 1 : sheet;
        backend->formatDocument(path, argument, m_state.Position, m_state.Count, m_host.formatJob(), backendHost);
        m_host.processEvents();
    }
}

void RunController::runOneSheet(const QString &path)
{
    const int office = m_host.officeChoice();
    OfficeBackend *backend = m_host.backend(office);
    if (backend) {
        bool ok = false;
        const int n = m_host.applySheetText().toInt(&ok);
        if (!ok || n <= 0)
            failDocument(path, office);
        else
            backend->formatDocument(path, office == 0 ? n : n - 1, m_state.Position, m_state.Count,
                                    m_host.formatJob(), m_host.backendHost());
    }
    m_host.processEvents();
}

void RunController::failDocument(const QString &path, int office, const QString &reason)
{
    // The document fails like any other, in its office's words.
    const QString message = reason.isEmpty() ? m_messages.text(46) : m_messages.text(46) + QStringLiteral(": ") + reason;
    if (m_host.logChecked()) {
        if (office == 0)
            WriteLogLine(RunLog::excelLineStart(path, QDateTime::currentDateTime()), RunLog::excelLineEnd(message));
        else
            WriteLogLine(path, message);
    }
    setProblemLogged();
    ReportProgress(m_state.Position, m_state.Count, office == 0 ? ProgressWording::Excel : ProgressWording::Calc);
}

void RunController::EndRun()
{
    m_worker->terminateWorker();
    ResetStartButton();
    m_host.showSettingsSummary();
    openLogIfProblem();
    m_log.release();
    finishKeeping();
    m_host.showMessage(m_messages.text(12), MessageIcon::Information);
    makeFreshWorker();
    emit runFinished();
}

void RunController::openLogIfProblem()
{
    // Only a log that holds this run's failures is worth opening.
    const QString path = m_log.path();
    if (m_state.ProblemLogged && QFileInfo::exists(path) && m_host.logChecked() && m_log.linesWritten() > 0
        && !m_logFailureShown)
        m_host.openLog(path);
}

void RunController::endAll()
{
    m_shuttingDown = true;
    for (const std::unique_ptr<TWorkThread> &worker : m_retired)
        worker->terminateWorker();
    if (m_worker)
        m_worker->terminateWorker();
}

void RunController::shutdown()
{
    endAll();
    std::vector<std::unique_ptr<TWorkThread>> workers = std::move(m_retired);
    m_retired.clear();
    if (m_worker)
        workers.push_back(std::move(m_worker));
    // A worker may be waiting for a step it has already asked for; running the pending
    // request (which now returns at once) lets it see the flag and end.
    for (const std::unique_ptr<TWorkThread> &worker : workers) {
        while (!worker->wait(10))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}
