#include "TfrmTablevane.h"

#include "AppIcon.h"
#include "AppPaths.h"
#include "ColorDialogPort.h"
#include "EngineBackendHost.h"
#include "FileDialogPort.h"
#include "FolderListing.h"
#include "FontPort.h"
#include "FormatSetFile.h"
#include "FormatSetView.h"
#include "MessagePort.h"
#include "OfficeQueries.h"
#include "PreferencesModel.h"
#include "RadioGroup.h"
#include "RunController.h"
#include "ShellPort.h"
#include "TfrmAboutTablevane.h"
#include "TfrmLanguageAndHelp.h"
#include "TfrmParameters.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>

namespace {

const QString kCaption = QStringLiteral("Tablevane");

void setCheckQuietly(QRadioButton *button, bool checked)
{
    const QSignalBlocker block(button);
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

} // namespace

TfrmTablevane::TfrmTablevane(const Ports &ports, const OfficeBackends &backends, PreferencesModel &preferences,
                             const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_ports(ports)
    , m_backends(backends)
    , m_preferences(preferences)
    , m_arguments(arguments)
{
    setObjectName(QStringLiteral("frmTablevane"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    m_ui.setupUi(this);
    setWindowTitle(kCaption);
    setWindowIcon(AppIcon::icon());
    FormCreate();
    // A fixed window: single border, minimize box, no maximize box; the client area
    // below the menu bar is 562 by 525.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(562, 525 + menuBar()->sizeHint().height());
}

TfrmTablevane::~TfrmTablevane()
{
    m_run->shutdown();
}

void TfrmTablevane::setDialogs(TfrmAboutTablevane *about, TfrmParameters *parameters,
                               TfrmLanguageAndHelp *languageAndHelp)
{
    m_about = about;
    m_parameters = parameters;
    m_languageAndHelp = languageAndHelp;
}

void TfrmTablevane::FormCreate()
{
    m_run = std::make_unique<RunController>(*this, m_messages);
    m_backendHost = std::make_unique<EngineBackendHost>(*m_run, m_messages, *m_ports.messages, m_formatSet,
                                                        m_preferences);
    m_queries = std::make_unique<OfficeQueries>(m_backends, *m_backendHost, m_formatSet, m_preferences);
    DialogStartFolder.clear();
    m_messages.SetDefaultMessages();
    createTray();
    m_ui.btnStart->setText(m_messages.caption(RunCaption::Start));
    m_ui.btnStart->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_ui.btnStop->setText(m_messages.caption(RunCaption::Stop));
    m_centreAtFirstShow = !QFileInfo::exists(ProgramSettingsFile::path(AppPaths::AppDataFolder()));
    setAcceptDrops(true);
    CurrentSetName.clear();
    m_formatSet.setLastInterleaveChoice(m_ui.rgbInterLeave->itemIndex() < 0 ? 0 : m_ui.rgbInterLeave->itemIndex());
    m_formatSet.FillFontList(m_ports.fonts->installedFamilies());
    m_view = new FormatSetView(m_ui, m_formatSet, this);
    connectControls();
}

void TfrmTablevane::createTray()
{
    TrayIcon = new QSystemTrayIcon(AppIcon::icon(), this);
    TrayIcon->setObjectName(QStringLiteral("TrayIcon"));
    TrayIcon->setToolTip(kCaption);
    PABar = new QMenu(this);
    PABar->setObjectName(QStringLiteral("PABar"));
    Restore2 = PABar->addAction(QStringLiteral("Restore Tablevane"), this, &TfrmTablevane::Restore1Click);
    Restore2->setObjectName(QStringLiteral("Restore2"));
    QFont defaultItem = Restore2->font();
    defaultItem.setBold(true);
    Restore2->setFont(defaultItem);
    Pause2 = PABar->addAction(style()->standardIcon(QStyle::SP_MediaPlay), QStringLiteral("Start"), this,
                              &TfrmTablevane::btnStartClick);
    Pause2->setObjectName(QStringLiteral("Pause2"));
    Stop1 = PABar->addAction(style()->standardIcon(QStyle::SP_MediaStop), QStringLiteral("Stop"), this,
                             &TfrmTablevane::btnStopClick);
    Stop1->setObjectName(QStringLiteral("Stop1"));
    PABar->addSeparator();
    Exit2 = PABar->addAction(QStringLiteral("Exit"), this, &TfrmTablevane::Exit1Click);
    Exit2->setObjectName(QStringLiteral("Exit2"));
    TrayIcon->setContextMenu(PABar);
    connect(TrayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            Restore1Click();
    });
}

void TfrmTablevane::connectControls()
{
    connect(m_ui.btnStart, &QPushButton::clicked, this, &TfrmTablevane::btnStartClick);
    connect(m_ui.btnStop, &QPushButton::clicked, this, &TfrmTablevane::btnStopClick);
    connect(m_ui.btnViewLog, &QPushButton::clicked, this, &TfrmTablevane::btnViewLogClick);
    connect(m_ui.btnOpenTVX, &QPushButton::clicked, this, &TfrmTablevane::OpenTVX1Click);
    connect(m_ui.btnRemember, &QPushButton::clicked, this, &TfrmTablevane::RememberSetClick);
    connect(m_ui.rbManyFiles, &QRadioButton::pressed, this, &TfrmTablevane::saveWorkChoice);
    connect(m_ui.rbOneFile, &QRadioButton::pressed, this, &TfrmTablevane::saveWorkChoice);
    connect(m_ui.rbManyFiles, &QRadioButton::clicked, this, &TfrmTablevane::rbManyFilesClick);
    connect(m_ui.rbOneFile, &QRadioButton::clicked, this, &TfrmTablevane::rbOneFileClick);
    connect(m_ui.rbAuto, &QRadioButton::clicked, this, &TfrmTablevane::rbAutoClick);
    connect(m_ui.rbByPattern, &QRadioButton::clicked, this, &TfrmTablevane::rbByPatternClick);
    connect(m_ui.cmbSheetNumber, &QComboBox::activated, this, &TfrmTablevane::cmbSheetNumberChange);
    connect(m_ui.btnFontColor, &QPushButton::clicked, this, &TfrmTablevane::btnFontColorClick);
    connect(m_ui.rgbInterLeave, &RadioGroup::itemClicked, this, &TfrmTablevane::rgbInterLeaveClick);
    connect(m_ui.btnViewSheetName, &QPushButton::clicked, this, &TfrmTablevane::btnViewSheetNameClick);
    connect(m_ui.OpenTVX1, &QAction::triggered, this, &TfrmTablevane::OpenTVX1Click);
    connect(m_ui.RememberSet, &QAction::triggered, this, &TfrmTablevane::RememberSetClick);
    connect(m_ui.Exit1, &QAction::triggered, this, &TfrmTablevane::Exit1Click);
    connect(m_ui.Parameters1, &QAction::triggered, this, &TfrmTablevane::Parameters1Click);
    connect(m_ui.APAstyle, &QAction::triggered, this, &TfrmTablevane::APAstyleClick);
    connect(m_ui.Languageandhelp1, &QAction::triggered, this, &TfrmTablevane::Languageandhelp1Click);
    connect(m_ui.Helpcontents1, &QAction::triggered, this, &TfrmTablevane::Helpcontents1Click);
    connect(m_ui.AboutTablevane1, &QAction::triggered, this, &TfrmTablevane::AboutTablevane1Click);
    connect(&m_formatSet, &FormatSetModel::patternChoiceRestartRequested, this, &TfrmTablevane::rbByPatternClick);
    connect(&m_formatSet, &FormatSetModel::changed, this, [this] {
        m_ui.APAstyle->setEnabled(m_formatSet.apaMenuEnabled());
        m_ui.APAstyle->setChecked(m_formatSet.set().APAStyle);
    });
}

// ---- showing, availability, caption ----------------------------------------------

void TfrmTablevane::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Only a show the program asks for (start, restore from the tray) runs the show
    // steps, not a window manager's un-minimize.
    if (!event->spontaneous())
        FormShow();
}

void TfrmTablevane::FormShow()
{
    PreferencesReadNotes notes;
    LoadProgramSettings(notes);
    const PreferencesModel::Snapshot read = m_preferences.takeSnapshot();
    ApplyOfficeAvailability();
    ProgramSettingsFile::noteAvailabilityChanges(read, m_preferences, notes);
    m_preferences.BuildSaveAsTables();
    // Choices the file did not hold are said once, before the user can start a run.
    if (!m_shown && m_officeInstalled && !notes.clean())
        showMessage(notes.warning(ProgramSettingsFile::path(AppPaths::AppDataFolder()),
                                  m_preferences.settingsSummary()),
                    MessageIcon::Warning);
    applyLanguageChoice();
    if (!m_arguments.isEmpty() && m_arguments.constFirst().toLower().endsWith(QStringLiteral(".tvx")))
        LoadFormatSet(m_arguments.constFirst(), !m_shown);   // one warning, not one per restore
    ShowSettingsSummary();
    if (!m_shown && m_centreAtFirstShow && screen()) {
        const QRect available = screen()->availableGeometry();
        move(available.center() - rect().center());
    }
    m_shown = true;
}

void TfrmTablevane::LoadProgramSettings(PreferencesReadNotes &notes)
{
    const std::optional<ProgramWindowState> state =
        ProgramSettingsFile::LoadProgramSettings(AppPaths::AppDataFolder(), m_preferences, &notes);
    if (!state)
        return;
    m_windowState = *state;
    m_formatSet.update([&](FormatSet &set) { set.APAStyle = state->APAStyle; });
    if (state->APAStyle)
        m_formatSet.ApplyAPAStyle();
    move(state->Left, state->Top);
}

void TfrmTablevane::applyLanguageChoice()
{
    // No language files are read yet: the windows keep their built-in English texts,
    // and the stored language and help file names are carried over unchanged.
}

void TfrmTablevane::ApplyOfficeAvailability()
{
    m_officeInstalled = m_preferences.applyOfficeAvailability();
    if (m_officeInstalled) {
        setAcceptDrops(true);
        return;
    }
    showNoOfficeMessage();
    lockWindow();
}

void TfrmTablevane::showNoOfficeMessage()
{
    const QString text = m_messages.text(8) + QStringLiteral("\n\n") + m_messages.text(9) + QStringLiteral("\n\n")
        + m_messages.text(10) + QLatin1Char('\n') + m_messages.text(11);
    showMessage(text, MessageIcon::Error);
}

void TfrmTablevane::lockWindow()
{
    m_view->setLocked(true);
    // Every control is disabled; the six groups themselves keep their captions.
    const QList<QGroupBox *> groups = m_ui.groups();
    const QList<QWidget *> controls = centralWidget()->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (!groups.contains(qobject_cast<QGroupBox *>(control)))
            control->setEnabled(false);
    }
    m_ui.File1->menuAction()->setEnabled(false);
    m_ui.Parameters1->setEnabled(false);
}

void TfrmTablevane::UpdateCaption()
{
    const QString caption = CurrentSetName.isEmpty() ? kCaption : CurrentSetName + QStringLiteral(" - Tablevane");
    setWindowTitle(caption);
    m_applicationTitle = caption;
}

void TfrmTablevane::ShowSettingsSummary()
{
    const QString summary = m_preferences.settingsSummary();
    if (!summary.isEmpty())
        m_ui.sBar->showMessage(summary);
}

void TfrmTablevane::SaveProgramSettings()
{
    ProgramWindowState state = m_windowState;
    state.Left = x();
    state.Top = y();
    state.APAStyle = m_formatSet.set().APAStyle;
    ProgramSettingsFile::SaveProgramSettings(AppPaths::AppDataFolder(), m_preferences, state);
    m_windowState = state;
    ShowSettingsSummary();
}

// ---- tray, close, exit -------------------------------------------------------------

void TfrmTablevane::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        AppEventsMinimize();
}

void TfrmTablevane::AppEventsMinimize()
{
    // Without a tray to come back from, the window only stays minimized.
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        TrayIcon->show();
        hide();
    }
    UpdateCaption();
    TrayIcon->setToolTip(m_applicationTitle);
}

void TfrmTablevane::Restore1Click()
{
    TrayIcon->hide();
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    UpdateCaption();
    raise();
    activateWindow();
}

void TfrmTablevane::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_exiting)
        return;
    m_exiting = true;
    if (m_officeInstalled)
        SaveProgramSettings();
    m_run->endAll();
    QCoreApplication::exit(0);
}

void TfrmTablevane::Exit1Click()
{
    // Ends the message loop at once, without the close steps: the preferences are
    // not written.
    m_exiting = true;
    m_run->endAll();
    QCoreApplication::exit(0);
}

// ---- dropped files -----------------------------------------------------------------

void TfrmTablevane::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TfrmTablevane::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            HandleDroppedItem(QFileInfo(url.toLocalFile()).absoluteFilePath());
    }
}

void TfrmTablevane::HandleDroppedItem(const QString &path)
{
    if (!m_officeInstalled) {
        showNoOfficeMessage();
        return;
    }
    if (m_preferences.office() < 0) {
        showMessage(m_messages.text(40), MessageIcon::Error);
        return;
    }
    const QString lower = path.toLower();
    const OfficeDetectionResult &found = m_preferences.detection();
    if (lower.endsWith(QStringLiteral(".tvx"))) {
        if (!LoadFormatSet(path))
            return;
        CurrentSetName = QFileInfo(path).fileName();
        UpdateCaption();
    } else if (lower.endsWith(QStringLiteral(".xls"))) {
        chooseOneFile(path);
    } else if (lower.endsWith(QStringLiteral(".xlsx"))) {
        if (found.ExcelInstalled && found.ExcelMajorVersion >= 12)
            chooseOneFile(path);
        else
            showMessage(m_messages.text(42) + QLatin1Char('\n') + m_messages.text(43), MessageIcon::Error);
    } else if (lower.endsWith(QStringLiteral(".ods"))) {
        if (found.CalcInstalled)
            chooseOneFile(path);
        else
            showMessage(m_messages.text(44) + QLatin1Char('\n') + m_messages.text(45) + QLatin1Char('\n'),
                        MessageIcon::Error);
    } else if (QFileInfo(path).isDir()) {
        chooseFolder(path, true);
    } else {
        showMessage(m_messages.text(41), MessageIcon::Error);
    }
}

bool TfrmTablevane::refuseWhileRunning()
{
    // A running or paused run keeps its list: another folder or document waits until
    // the run has ended or been stopped.
    if (!m_run->busy())
        return false;
    m_ui.sBar->showMessage(QStringLiteral("A run is in progress: stop it before choosing other documents"), 5000);
    return true;
}

void TfrmTablevane::chooseOneFile(const QString &path)
{
    if (refuseWhileRunning())
        return;
    setCheckQuietly(m_ui.rbOneFile, true);
    setCheckQuietly(m_ui.rbManyFiles, false);
    m_ui.edtWorkDir->setText(path);
    m_ui.edtWorkDir->setToolTip(path);
    m_ui.pbar->setMaximum(1);
    m_run->StartRun();
}

QString TfrmTablevane::extensionChoiceText() const
{
    static const QStringList extensions = {QStringLiteral("xls"), QStringLiteral("ods"), QStringLiteral("xlsx")};
    return extensions.value(m_preferences.extension(), extensions.constFirst());
}

void TfrmTablevane::chooseFolder(const QString &folder, bool fromDrop)
{
    if (refuseWhileRunning())
        return;
    RunState &state = m_run->state();
    state.WorkFolder = folder;
    const QString extension = extensionChoiceText();
    FolderListing::ListFolderFiles(folder, extension, state);
    if (state.Count == 0) {
        // The dropped-folder warning ends with the closing quote, without a full stop.
        const QString end = fromDrop ? QStringLiteral("\"") : QStringLiteral("\".");
        showMessage(m_messages.text(4) + QStringLiteral("\n\n") + folder + QStringLiteral("\n\n") + m_messages.text(5)
                        + QStringLiteral(" \"") + extension + end + QLatin1Char('\n') + m_messages.text(6),
                    MessageIcon::Warning);
        setCheckQuietly(m_ui.rbManyFiles, false);
        return;
    }
    setCheckQuietly(m_ui.rbManyFiles, true);
    setCheckQuietly(m_ui.rbOneFile, false);
    m_ui.edtWorkDir->setText(folder);
    m_ui.edtWorkDir->setToolTip(folder);
    m_ui.pbar->setMaximum(state.Count);
    if (fromDrop)
        m_run->StartRun();
}

// ---- work-with choice ----------------------------------------------------------------

void TfrmTablevane::saveWorkChoice()
{
    m_savedWorkChoice = {m_ui.rbManyFiles->isChecked(), m_ui.rbOneFile->isChecked(), m_ui.edtWorkDir->text()};
}

void TfrmTablevane::restoreWorkChoice()
{
    setCheckQuietly(m_ui.rbManyFiles, m_savedWorkChoice.manyFiles);
    setCheckQuietly(m_ui.rbOneFile, m_savedWorkChoice.oneFile);
    m_ui.edtWorkDir->setText(m_savedWorkChoice.path);
    m_ui.edtWorkDir->setToolTip(m_savedWorkChoice.path);
}

void TfrmTablevane::rbManyFilesClick()
{
    if (refuseWhileRunning()) {
        restoreWorkChoice();
        return;
    }
    m_ui.pbar->setValue(0);
    m_ui.sBar->clearMessage();
    const QString folder = m_ports.files->chooseFolder(m_messages.text(3), DialogStartFolder);
    if (folder.isEmpty()) {
        // The folder list stays as it was before the click.
        restoreWorkChoice();
        m_ui.edtWorkDir->setFocus();
        return;
    }
    chooseFolder(folder, false);
}

void TfrmTablevane::rbOneFileClick()
{
    if (refuseWhileRunning()) {
        restoreWorkChoice();
        return;
    }
    m_ui.edtWorkDir->setFocus();
    static const QList<FileDialogSpec> dialogs = {
        {QStringLiteral("Tablevane-selection file"), QStringLiteral("'MS Excel Workbook 97/2000/XP/2003 (*.xls)|*.xls"),
         QString(), QStringLiteral("xls")},
        {QStringLiteral("Tablevane-selection file"), QStringLiteral("OpenDocument SpreadSheet (*.ods)|*.ods"), QString(),
         QStringLiteral("ods")},
        {QStringLiteral("Tablevane-selection file"), QStringLiteral("MS Excel 2007 Workbook (*.xlsx)|*.xlsx"), QString(),
         QString()},
    };
    FileDialogSpec request = dialogs.value(m_preferences.extension(), dialogs.constFirst());
    request.initialFolder = DialogStartFolder;
    const QString path = m_ports.files->openFile(request);
    if (path.isEmpty()) {
        restoreWorkChoice();
        return;
    }
    setCheckQuietly(m_ui.rbManyFiles, false);
    m_ui.edtWorkDir->setText(path);
    m_ui.edtWorkDir->setToolTip(path);
    m_ui.pbar->setMaximum(1);
}

// ---- widths by pattern -------------------------------------------------------------

void TfrmTablevane::rbAutoClick()
{
    m_formatSet.chooseAutoWidths();
}

QString TfrmTablevane::patternDialogTitle() const
{
    return QStringLiteral("Tablevane-selection file of pattern");
}

void TfrmTablevane::rbByPatternClick()
{
    pickPatternFile();
}

void TfrmTablevane::pickPatternFile()
{
    static const QList<QPair<QString, QString>> dialogs = {
        {QStringLiteral("MS Excel files (*.xls)|*.xls"), QStringLiteral("xls")},
        {QStringLiteral("OpenDocument Spreadsheet (*.ods)|*.ods"), QString()},
        {QStringLiteral("MS Excel 2007 files (*.xlsx)|*.xlsx"), QString()},
    };
    const auto dialog = dialogs.value(m_preferences.extension(), dialogs.constFirst());
    const FileDialogSpec request{patternDialogTitle(), dialog.first, DialogStartFolder, dialog.second};
    // A cancelled second choice keeps the earlier pattern with its widths, rather than
    // leaving a pattern shown whose widths are gone.
    const FormatSet before = m_formatSet.set();
    const QueryResults beforeResults = m_formatSet.results();
    const int beforeItems = m_formatSet.sheetItemCount();
    m_formatSet.update([](FormatSet &set) { set.WidthByPattern = true; });
    const QString path = m_ports.files->openFile(request);
    if (!path.isEmpty()) {
        m_formatSet.results().PatternColumnCount = 0;
        m_formatSet.update([](FormatSet &set) { set.PatternSheet = -1; set.PatternSheetName.clear(); });
        m_queries->PatternFileChosen(path);
        return;
    }
    if (before.WidthByPattern && !before.PatternFile.isEmpty()) {
        m_formatSet.setSheetItems(beforeItems);
        m_formatSet.results() = beforeResults;
        m_formatSet.setSet(before);
        return;
    }
    m_formatSet.chooseAutoWidths();
}

void TfrmTablevane::cmbSheetNumberChange(int index)
{
    const int n = index + 1;
    m_formatSet.update([&](FormatSet &set) { set.PatternSheet = n; });
    m_queries->cmbSheetNumberChange(n);
}

// ---- font colour, interleave ----------------------------------------------------------

void TfrmTablevane::btnFontColorClick()
{
    const std::optional<quint32> color = m_ports.colors->pickColor(m_formatSet.set().FontColor);
    if (color)
        m_formatSet.update([&](FormatSet &set) { set.FontColor = *color; });
}

void TfrmTablevane::rgbInterLeaveClick(int index)
{
    m_formatSet.update([&](FormatSet &set) { set.InterLeave = index; });
    // A program started with any argument (a set file) never opens the colour dialog.
    if ((index == 1 || index == 2) && m_arguments.isEmpty()) {
        const std::optional<quint32> color = m_ports.colors->pickColor(m_formatSet.set().InterLeaveColor);
        if (color) {
            m_formatSet.setPickedInterleaveColor(*color);
            m_formatSet.setLastInterleaveChoice(index);
        } else {
            const int back = m_formatSet.lastInterleaveChoice();
            m_formatSet.update([&](FormatSet &set) { set.InterLeave = back; });
        }
    }
    m_formatSet.finishInterleaveChoice();
}

// ---- sheet name ------------------------------------------------------------------

void TfrmTablevane::btnViewSheetNameClick()
{
    if (m_ui.edtWorkDir->text().isEmpty()) {
        m_run->ShowSelectObjectMessage();
        return;
    }
    QString path;
    if (m_ui.rbOneFile->isChecked()) {
        path = m_ui.edtWorkDir->text();
    } else {
        const RunState &state = m_run->state();
        if (state.Count <= 0) {
            m_run->ShowSelectObjectMessage();
            return;
        }
        path = AppPaths::joinPath(state.WorkFolder, state.fileAt(1));
    }
    const std::optional<QString> name = m_queries->viewSheetName(path, m_ui.edtApplySheet->text().toInt());
    if (name) {
        m_ui.edtApplySheetName->setText(*name);
        m_ui.edtApplySheetName->setToolTip(*name);
    }
}

// ---- run -------------------------------------------------------------------------

void TfrmTablevane::btnStartClick()
{
    m_run->StartRun();
}

void TfrmTablevane::btnStopClick()
{
    m_run->StopRun();
}

void TfrmTablevane::btnViewLogClick()
{
    m_run->ViewLog();
}

// ---- set files, menus ---------------------------------------------------------------

bool TfrmTablevane::LoadFormatSet(const QString &path, bool warn)
{
    QString refusal;
    if (FormatSetFile::LoadFormatSet(path, m_formatSet, *m_queries, &refusal))
        return true;
    if (warn)
        showMessage(refusal, MessageIcon::Warning);   // the choices stay as they are
    return false;
}

void TfrmTablevane::OpenTVX1Click()
{
    const FileDialogSpec request{QStringLiteral("Tablevane-open set"), QStringLiteral("Tablevane files (*.tvx)|*.tvx"),
                              AppPaths::documentsFolder(), QString()};
    const QString path = m_ports.files->openFile(request);
    if (path.isEmpty())
        return;
    if (!LoadFormatSet(path))
        return;
    CurrentSetName = QFileInfo(path).fileName();
    UpdateCaption();
    TrayIcon->setToolTip(m_applicationTitle);
}

void TfrmTablevane::RememberSetClick()
{
    const FileDialogSpec request{QStringLiteral("Tablevane-save set"), QStringLiteral("Tablevane file (*.tvx)|*.tvx"),
                              AppPaths::documentsFolder(), QStringLiteral("tvx"), true};
    const QString path = m_ports.files->saveFile(request);
    if (path.isEmpty())
        return;
    if (!FormatSetFile::SaveFormatSet(path, m_formatSet)) {
        showMessage(QStringLiteral("The set file cannot be written:\n") + path, MessageIcon::Error);
        return;
    }
    CurrentSetName = QFileInfo(path).fileName();
    UpdateCaption();
}

void TfrmTablevane::APAstyleClick()
{
    const bool on = m_ui.APAstyle->isChecked();
    m_formatSet.update([&](FormatSet &set) { set.APAStyle = on; });
    m_formatSet.ApplyAPAStyle();
}

void TfrmTablevane::Parameters1Click()
{
    if (m_parameters)
        m_parameters->exec();
}

void TfrmTablevane::Languageandhelp1Click()
{
    if (m_languageAndHelp)
        m_languageAndHelp->exec();
}

void TfrmTablevane::Helpcontents1Click()
{
    if (!m_windowState.HelpFile.isEmpty())
        m_ports.shell->showHelpContents(AppPaths::joinPath(AppPaths::joinPath(AppPaths::programFolder(), QStringLiteral("Help")),
                                                           m_windowState.HelpFile));
}

void TfrmTablevane::AboutTablevane1Click()
{
    if (m_about)
        m_about->exec();
}

void TfrmTablevane::ResetWorkChoice()
{
    m_formatSet.chooseAutoWidths();
    m_ui.edtWorkDir->clear();
    m_ui.edtWorkDir->setToolTip(QString());
    setCheckQuietly(m_ui.rbManyFiles, false);
    setCheckQuietly(m_ui.rbOneFile, false);
}

void TfrmTablevane::focusWorkPath()
{
    m_ui.edtWorkDir->setFocus();
}

// ---- RunHost ---------------------------------------------------------------------

QString TfrmTablevane::workPathText() const
{
    return m_ui.edtWorkDir->text();
}

bool TfrmTablevane::oneFileChosen() const
{
    return m_ui.rbOneFile->isChecked();
}

bool TfrmTablevane::patternSheetMissing() const
{
    return m_formatSet.set().WidthByPattern && m_formatSet.set().PatternSheet < 1;
}

bool TfrmTablevane::logChecked() const
{
    return m_formatSet.set().Log;
}

bool TfrmTablevane::applyForAll() const
{
    return m_formatSet.set().ApplyForAll;
}

QString TfrmTablevane::applySheetText() const
{
    return m_formatSet.set().ApplySheet;
}

int TfrmTablevane::officeChoice() const
{
    return m_preferences.office();
}

OfficeBackend *TfrmTablevane::backend(int office)
{
    return m_backends.forOffice(office);
}

BackendHost &TfrmTablevane::backendHost()
{
    return *m_backendHost;
}

FormatJob TfrmTablevane::formatJob() const
{
    return FormatJob::snapshot(m_formatSet, m_preferences);
}

void TfrmTablevane::setStatusText(const QString &text)
{
    if (text.isEmpty())
        m_ui.sBar->clearMessage();
    else
        m_ui.sBar->showMessage(text);
}

void TfrmTablevane::setProgressPosition(int position)
{
    m_ui.pbar->setValue(qMin(position, m_ui.pbar->maximum()));
}

void TfrmTablevane::setTrayHint(const QString &text)
{
    TrayIcon->setToolTip(text);
}

void TfrmTablevane::setRunCaption(RunCaption caption)
{
    const bool pause = caption == RunCaption::Pause;
    const QIcon glyph = style()->standardIcon(pause ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay);
    m_ui.btnStart->setText(m_messages.caption(caption));
    m_ui.btnStart->setIcon(glyph);
    Pause2->setText(m_messages.caption(caption));
    Pause2->setIcon(glyph);
}

void TfrmTablevane::repaintWindow()
{
    repaint();
}

void TfrmTablevane::processEvents()
{
    QCoreApplication::processEvents();
}

void TfrmTablevane::showMessage(const QString &text, MessageIcon icon)
{
    m_ports.messages->showMessage(kCaption, text, icon);
}

void TfrmTablevane::openLog(const QString &path)
{
    m_ports.shell->openInEditor(path);
}
