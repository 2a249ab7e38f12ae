#include "ApplySheetGroup.h"

#include "AppPaths.h"
#include "MainWindowUi.h"
#include "OfficeQueries.h"
#include "RunController.h"
#include "ViewSheetNameHost.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

ApplySheetGroup::ApplySheetGroup(MainWindowUi &ui, RunController &run, OfficeQueries &queries, BackendHost &host,
                                 QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_run(run)
    , m_queries(queries)
    , m_host(host)
{
    m_ui.edtApplySheet->installEventFilter(this);
    connect(m_ui.btnViewSheetName, &QPushButton::clicked, this, &ApplySheetGroup::btnViewSheetNameClick);
}

bool ApplySheetGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_ui.edtApplySheet)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            edtApplySheetEnter();
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        // The press has already placed the cursor; the click then takes the whole text.
        edtApplySheetClick();
    }
    return QObject::eventFilter(watched, event);
}

void ApplySheetGroup::edtApplySheetClick()
{
    m_ui.edtApplySheet->selectAll();
}

void ApplySheetGroup::edtApplySheetEnter()
{
    m_ui.edtApplySheet->selectAll();
}

QString ApplySheetGroup::firstDocument() const
{
    if (m_ui.rbOneFile->isChecked())
        return m_ui.edtWorkDir->text();
    // A folder choice that found no documents leaves an earlier path shown.
    const RunState &state = m_run.state();
    if (state.Count <= 0)
        return QString();
    return AppPaths::joinPath(state.WorkFolder, state.fileAt(1));
}

void ApplySheetGroup::btnViewSheetNameClick()
{
    const QString path = m_ui.edtWorkDir->text().isEmpty() ? QString() : firstDocument();
    if (path.isEmpty()) {
        m_run.ShowSelectObjectMessage();
        return;
    }
    const QString typed = m_ui.edtApplySheet->text();
    ViewSheetNameHost host(m_host, typed, [this] { showSheetName(QString()); });
    const std::optional<QString> name = m_queries.viewSheetName(path, typed.toInt(), host);
    if (name)
        showSheetName(*name);
}

void ApplySheetGroup::showSheetName(const QString &name)
{
    m_ui.edtApplySheetName->setText(name);
    m_ui.edtApplySheetName->setToolTip(name);
}
