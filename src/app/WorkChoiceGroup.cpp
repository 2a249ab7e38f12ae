#include "WorkChoiceGroup.h"

#include "FileDialogPort.h"
#include "FileDialogTexts.h"
#include "FolderListing.h"
#include "MainWindowUi.h"
#include "NoticeTable.h"
#include "PreferencesModel.h"
#include "RunController.h"
#include "WindowMessages.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>

namespace {

void setCheckQuietly(QRadioButton *button, bool checked)
{
    const QSignalBlocker block(button);
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

} // namespace

WorkChoiceGroup::WorkChoiceGroup(MainWindowUi &ui, FileDialogPort &files, RunController &run,
                                 const PreferencesModel &preferences, const WindowMessages &messages,
                                 const FileDialogTexts &dialogs, const QString &dialogStartFolder, QObject *parent)
    : QObject(parent)
    , m_ui(ui)
    , m_files(files)
    , m_run(run)
    , m_preferences(preferences)
    , m_messages(messages)
    , m_dialogs(dialogs)
    , m_dialogStartFolder(dialogStartFolder)
{
    connect(m_ui.rbManyFiles, &QRadioButton::pressed, this, &WorkChoiceGroup::saveWorkChoice);
    connect(m_ui.rbOneFile, &QRadioButton::pressed, this, &WorkChoiceGroup::saveWorkChoice);
    connect(m_ui.rbManyFiles, &QRadioButton::clicked, this, &WorkChoiceGroup::rbManyFilesClick);
    connect(m_ui.rbOneFile, &QRadioButton::clicked, this, &WorkChoiceGroup::rbOneFileClick);
}

void WorkChoiceGroup::saveWorkChoice()
{
    m_savedWorkChoice = {m_ui.rbManyFiles->isChecked(), m_ui.rbOneFile->isChecked(), m_ui.edtWorkDir->text()};
}

void WorkChoiceGroup::restoreWorkChoice()
{
    setCheckQuietly(m_ui.rbManyFiles, m_savedWorkChoice.manyFiles);
    setCheckQuietly(m_ui.rbOneFile, m_savedWorkChoice.oneFile);
    m_ui.edtWorkDir->setText(m_savedWorkChoice.path);
    m_ui.edtWorkDir->setToolTip(m_savedWorkChoice.path);
}

bool WorkChoiceGroup::refuseWhileRunning()
{
    if (!m_run.busy())
        return false;
    m_ui.sBar->showMessage(NoticeTable::text(Notice::RunBusyChoice), 5000);
    return true;
}

void WorkChoiceGroup::showChoice(const QString &path, bool folder)
{
    setCheckQuietly(m_ui.rbManyFiles, folder);
    setCheckQuietly(m_ui.rbOneFile, !folder);
    m_ui.edtWorkDir->setText(path);
    m_ui.edtWorkDir->setToolTip(path);
    m_ui.pbar->setMaximum(folder ? m_run.state().Count : 1);
}

void WorkChoiceGroup::clear()
{
    m_ui.edtWorkDir->clear();
    m_ui.edtWorkDir->setToolTip(QString());
    setCheckQuietly(m_ui.rbManyFiles, false);
    setCheckQuietly(m_ui.rbOneFile, false);
}

QString WorkChoiceGroup::extensionChoiceText() const
{
    static const QStringList extensions = {QStringLiteral("xls"), QStringLiteral("ods"), QStringLiteral("xlsx")};
    return extensions.value(m_preferences.extension(), extensions.constFirst());
}

bool WorkChoiceGroup::chooseFolder(const QString &folder, bool fromDrop)
{
    RunState &state = m_run.state();
    state.WorkFolder = folder;
    const QString extension = extensionChoiceText();
    FolderListing::ListFolderFiles(folder, extension, state);
    if (state.Count == 0) {
        // The dropped-folder warning ends with the closing quote, without a full stop.
        const QString end = fromDrop ? QStringLiteral("\"") : QStringLiteral("\".");
        m_messages.show(m_messages.text(4) + QStringLiteral("\n\n") + folder + QStringLiteral("\n\n")
                            + m_messages.text(5) + QStringLiteral(" \"") + extension + end + QLatin1Char('\n')
                            + m_messages.text(6),
                        MessageIcon::Warning);
        setCheckQuietly(m_ui.rbManyFiles, false);
        return false;
    }
    showChoice(folder, true);
    return true;
}

void WorkChoiceGroup::chooseDroppedFolder(const QString &folder)
{
    if (refuseWhileRunning())
        return;
    if (chooseFolder(folder, true))
        m_run.StartRun();
}

void WorkChoiceGroup::chooseDroppedDocument(const QString &path)
{
    if (refuseWhileRunning())
        return;
    showChoice(path, false);
    m_run.StartRun();
}

void WorkChoiceGroup::rbManyFilesClick()
{
    if (refuseWhileRunning()) {
        restoreWorkChoice();
        return;
    }
    m_ui.pbar->setValue(0);
    m_ui.sBarPanel->clear();
    const QString folder = m_files.chooseFolder(m_messages.text(3), m_dialogStartFolder);
    if (folder.isEmpty()) {
        // The folder list stays as it was before the click.
        restoreWorkChoice();
        m_ui.edtWorkDir->setFocus();
        return;
    }
    chooseFolder(folder, false);
}

void WorkChoiceGroup::rbOneFileClick()
{
    if (refuseWhileRunning()) {
        restoreWorkChoice();
        return;
    }
    m_ui.edtWorkDir->setFocus();
    static const QList<QPair<QString, QString>> dialogs = {
        {QStringLiteral("OpenDlgXLS"), QStringLiteral("xls")},
        {QStringLiteral("OpenDlgODS"), QStringLiteral("ods")},
        {QStringLiteral("OpenDlgXLSX"), QString()},
    };
    const auto dialog = dialogs.value(m_preferences.extension(), dialogs.constFirst());
    FileDialogSpec request = m_dialogs.request(dialog.first);
    request.defaultSuffix = dialog.second;
    request.initialFolder = m_dialogStartFolder;
    const QString path = m_files.openFile(request);
    if (path.isEmpty()) {
        restoreWorkChoice();
        return;
    }
    showChoice(path, false);
}
