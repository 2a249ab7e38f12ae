#include "UndoRunAction.h"

#include "KeptRuns.h"
#include "MainWindowUi.h"
#include "RunController.h"
#include "RunUndo.h"
#include "UndoTexts.h"
#include "WindowMessages.h"

#include <QAction>
#include <QLocale>
#include <QMenu>

namespace {

QString startText(const QDateTime &started)
{
    return QLocale::system().toString(started.toLocalTime(), QLocale::ShortFormat);
}

} // namespace

UndoRunAction::UndoRunAction(MainWindowUi &ui, RunController &run, const WindowMessages &messages, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_run(run)
    , m_messages(messages)
{
    connect(m_ui.Undolastrun1, &QAction::triggered, this, &UndoRunAction::Undolastrun1Click);
    // Another program's run may end or be undone meanwhile: the menu reads the runs
    // each time it opens.
    connect(m_ui.File1, &QMenu::aboutToShow, this, &UndoRunAction::refresh);
    connect(&m_run, &RunController::keptRunClosed, this, &UndoRunAction::refresh);
    refresh();
}

void UndoRunAction::refresh()
{
    const std::optional<KeptRuns::Run> run = KeptRuns::lastUndoable();
    QAction *item = m_ui.Undolastrun1;
    item->setText(UndoTexts::text(UndoText::MenuItem));
    item->setEnabled(run && !m_run.busy());
    const QString hint = run ? UndoTexts::text(UndoText::MenuHint)
                                   .arg(startText(run->summary.started),
                                        QString::number(run->summary.documentsWritten()))
                             : UndoTexts::text(UndoText::NothingToUndo);
    item->setToolTip(hint);
    item->setStatusTip(hint);
}

void UndoRunAction::Undolastrun1Click()
{
    // A run going on may still store over what the undo would put back.
    if (m_run.busy()) {
        refresh();
        return;
    }
    const std::optional<KeptRuns::Run> run = KeptRuns::lastUndoable();
    if (!run) {
        m_messages.show(UndoTexts::text(UndoText::NothingToUndo), MessageIcon::Information);
    } else {
        const UndoReport report = RunUndo(*run).undo();
        m_messages.show(report.message(startText(run->summary.started)),
                        report.complete() ? MessageIcon::Information : MessageIcon::Warning);
    }
    refresh();
}
