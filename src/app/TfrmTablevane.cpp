#include "TfrmTablevane.h"

#include "AppIcon.h"
#include "ApplySheetGroup.h"
#include "AppPaths.h"
#include "ColorDialogPort.h"
#include "EngineBackendHost.h"
#include "FileDialogPort.h"
#include "FontPort.h"
#include "FormatSetFile.h"
#include "FormatSetView.h"
#include "MessagePort.h"
#include "NoticeTable.h"
#include "OfficeQueries.h"
#include "PatternWidthGroup.h"
#include "PreferencesModel.h"
#include "RadioGroup.h"
#include "RangeComboRules.h"
#include "RunController.h"
#include "ShellPort.h"
#include "TfrmAboutTablevane.h"
#include "TfrmLanguageAndHelp.h"
#include "TfrmParameters.h"
#include "UndoRunAction.h"
#include "WindowPlacement.h"
#include "WorkChoiceGroup.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QWindow>
#include <QLayout>

namespace {

const QString kCaption = QStringLiteral("Tablevane");

} // namespace

TfrmTablevane::TfrmTablevane(const Ports &ports, const OfficeBackends &backends, PreferencesModel &preferences,
                             const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , m_ports(ports)
    , m_backends(backends)
    , m_preferences(preferences)
    , m_arguments(arguments)
    , m_windowMessages(*ports.messages, m_messages)
{
    setObjectName(QStringLiteral("frmTablevane"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    m_ui.setupUi(this);
    setWindowTitle(kCaption);
    setWindowIcon(AppIcon::icon());
    FormCreate();
    // A fixed window: single border, minimize box, no maximize box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    fitToTexts();
}

void TfrmTablevane::fitToTexts()
{
    // The client area below the menu bar is 562 by 525, larger only where the captions
    // of a language need more room: a text is never cut. Never larger than the screen,
    // though: a caption too long for any screen (a damaged language file) is cut by its
    // control instead, and the window stays one that can be seen and closed.
    // The layouts hold the sizes of the texts they saw last.
    for (QLayout *layout : findChildren<QLayout *>())
        layout->invalidate();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize least = minimumSizeHint();
    const QSize wanted(qMax(562, least.width()), qMax(525 + menuBar()->sizeHint().height(), least.height()));
    setFixedSize(wanted.boundedTo(roomOnScreen()));
}

QSize TfrmTablevane::roomOnScreen() const
{
    const QScreen *where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!where)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Before the window is first shown its frame is not known; the title bar is the
    // most of it.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const int titleHeight = frame.top() > 0 ? frame.top() : style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return where->availableGeometry().size().shrunkBy(QMargins(frame.left(), titleHeight, frame.right(), frame.bottom()));
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
    m_workChoice = new WorkChoiceGroup(m_ui, *m_ports.files, *m_run, m_preferences, m_windowMessages,
                                       m_dialogTexts, DialogStartFolder, this);
    m_patternWidths = new PatternWidthGroup(m_ui, m_formatSet, *m_queries, *m_ports.files, m_preferences,
                                            m_dialogTexts, DialogStartFolder, this);
    m_applySheet = new ApplySheetGroup(m_ui, *m_run, *m_queries, *m_backendHost, this);
    m_rangeRules = new RangeComboRules(
        m_ui, [this] { return rangeGrid(); }, m_windowMessages, this);
    m_undoRun = new UndoRunAction(m_ui, *m_run, m_windowMessages, this);
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
    connect(m_ui.btnFontColor, &QPushButton::clicked, this, &TfrmTablevane::btnFontColorClick);
    connect(m_ui.rgbInterLeave, &RadioGroup::itemClicked, this, &TfrmTablevane::rgbInterLeaveClick);
    connect(m_ui.OpenTVX1, &QAction::triggered, this, &TfrmTablevane::OpenTVX1Click);
    connect(m_ui.RememberSet, &QAction::triggered, this, &TfrmTablevane::RememberSetClick);
    connect(m_ui.Exit1, &QAction::triggered, this, &TfrmTablevane::Exit1Click);
    connect(m_ui.Parameters1, &QAction::triggered, this, &TfrmTablevane::Parameters1Click);
    connect(m_ui.APAstyle, &QAction::triggered, this, &TfrmTablevane::APAstyleClick);
    connect(m_ui.Languageandhelp1, &QAction::triggered, this, &TfrmTablevane::Languageandhelp1Click);
    connect(m_ui.Helpcontents1, &QAction::triggered, this, &TfrmTablevane::Helpcontents1Click);
    connect(m_ui.AboutTablevane1, &QAction::triggered, this, &TfrmTablevane::AboutTablevane1Click);
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
    const bool positionRead = LoadProgramSettings(notes);
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
    // Without a preferences file at start the window opens centred, whatever was read.
    const bool centre = !m_shown && m_centreAtFirstShow;
    if (centre || positionRead)
        placeWindow(centre);
    m_shown = true;
}

bool TfrmTablevane::LoadProgramSettings(PreferencesReadNotes &notes)
{
    const std::optional<ProgramWindowState> state =
        ProgramSettingsFile::LoadProgramSettings(AppPaths::AppDataFolder(), m_preferences, &notes);
    if (!state)
        return false;
    m_windowState = *state;
    m_formatSet.update([&](FormatSet &set) { set.APAStyle = state->APAStyle; });
    if (state->APAStyle)
        m_formatSet.ApplyAPAStyle();
    if (m_languageAndHelp)
        m_languageAndHelp->loadProgramSettings(state->LanguageFile, state->HelpFile);
    return true;
}

void TfrmTablevane::placeWindow(bool centre)
{
    // The preferences keep the frame's position. Once the window has been shown its
    // frame is known and a move places the frame. Before that a move alone would place
    // the client area there, and the window would creep up by its title bar at every
    // start, so the window system is also asked to put the frame at that point.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const int titleHeight = frame.top() > 0 ? frame.top() : style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize frameSize = size().grownBy(QMargins(frame.left(), titleHeight, frame.right(), frame.bottom()));
    QList<QRect> screens;
    for (const QScreen *each : QGuiApplication::screens())
        screens.append(each->availableGeometry());
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect desktop = primary ? primary->availableGeometry() : QRect(QPoint(0, 0), frameSize);
    const QPoint saved(m_windowState.Left, m_windowState.Top);
    const QPoint position = centre ? WindowPlacement::centred(frameSize, desktop)
                                   : WindowPlacement::restored(saved, frameSize, titleHeight, screens, desktop);
    move(position);
    if (!m_shown && windowHandle())
        windowHandle()->setFramePosition(position);
}

RangeGrid TfrmTablevane::rangeGrid() const
{
    const OfficeDetectionResult &found = m_preferences.detection();
    return RangeGrid::forOffice(m_preferences.office(), found.ExcelInstalled, found.ExcelMajorVersion);
}

void TfrmTablevane::applyLanguageChoice()
{
    if (m_languageAndHelp)
        m_languageAndHelp->applySelectedLanguage();
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
        setStatusText(summary);
}

void TfrmTablevane::SaveProgramSettings()
{
    ProgramWindowState state = m_windowState;
    // Before the first show has placed the window (a language file failing as the
    // preferences are read) its position is not yet the user's: the stored one stays.
    if (m_shown) {
        state.Left = x();
        state.Top = y();
    }
    state.APAStyle = m_formatSet.set().APAStyle;
    if (m_languageAndHelp) {
        state.LanguageFile = m_languageAndHelp->languageFileToStore();
        state.HelpFile = m_languageAndHelp->helpFileToStore();
    }
    ProgramSettingsFile::SaveProgramSettings(AppPaths::AppDataFolder(), m_preferences, state);
    m_windowState = state;
    ShowSettingsSummary();
}

// ---- tray, close, exit -------------------------------------------------------------

void TfrmTablevane::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // During a run the start button keeps saying what pressing it does now.
        if (m_run->runInProgress())
            setRunCaption(m_run->workerSuspended() ? RunCaption::Resume : RunCaption::Pause);
        if (m_undoRun)
            m_undoRun->refresh();
        fitToTexts();
    }
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
        m_workChoice->chooseDroppedDocument(path);
    } else if (lower.endsWith(QStringLiteral(".xlsx"))) {
        // Calc reads .xlsx itself; Excel from version 12 on.
        if ((m_preferences.office() == 1 && found.CalcInstalled)
            || (found.ExcelInstalled && found.ExcelMajorVersion >= 12))
            m_workChoice->chooseDroppedDocument(path);
        else
            showMessage(m_messages.text(42) + QLatin1Char('\n') + m_messages.text(43), MessageIcon::Error);
    } else if (lower.endsWith(QStringLiteral(".ods"))) {
        if (found.CalcInstalled)
            m_workChoice->chooseDroppedDocument(path);
        else
            showMessage(m_messages.text(44) + QLatin1Char('\n') + m_messages.text(45) + QLatin1Char('\n'),
                        MessageIcon::Error);
    } else if (QFileInfo(path).isDir()) {
        m_workChoice->chooseDroppedFolder(path);
    } else {
        showMessage(m_messages.text(41), MessageIcon::Error);
    }
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

// ---- run -------------------------------------------------------------------------

void TfrmTablevane::btnStartClick()
{
    // A stopped run finishes its current document before another can start.
    if (!m_run->runInProgress() && m_run->stepRunning()) {
        m_ui.sBar->showMessage(NoticeTable::text(Notice::RunStillFinishing), 5000);
        return;
    }
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
    FileDialogSpec request = m_dialogTexts.request(QStringLiteral("OpenDlgTVX"));
    request.initialFolder = AppPaths::documentsFolder();
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
    FileDialogSpec request = m_dialogTexts.request(QStringLiteral("SaveDlgTVX"));
    request.initialFolder = AppPaths::documentsFolder();
    request.defaultSuffix = QStringLiteral("tvx");
    request.confirmOverwrite = true;
    const QString path = m_ports.files->saveFile(request);
    if (path.isEmpty())
        return;
    if (!FormatSetFile::SaveFormatSet(path, m_formatSet)) {
        showMessage(NoticeTable::text(Notice::SetFileNotWritten) + QLatin1Char('\n') + path, MessageIcon::Error);
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
    // Released, the font list is built afresh: fonts installed meanwhile appear.
    if (!on)
        m_formatSet.FillFontList(m_ports.fonts->installedFamilies());
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
    if (m_languageAndHelp && !m_languageAndHelp->helpFile().isEmpty())
        m_ports.shell->showHelpContents(m_languageAndHelp->helpFile());
}

void TfrmTablevane::AboutTablevane1Click()
{
    if (m_about)
        m_about->exec();
}

void TfrmTablevane::ResetWorkChoice()
{
    m_patternWidths->rbAutoClick();
    m_workChoice->clear();
}

void TfrmTablevane::focusWorkPath()
{
    m_ui.edtWorkDir->setFocus();
}

void TfrmTablevane::showLanguageNote(const QString &text)
{
    // A note about the file applied before is no longer true.
    if (text.isEmpty()) {
        if (!m_languageNote.isEmpty() && m_ui.sBar->currentMessage() == m_languageNote)
            m_ui.sBar->clearMessage();
    } else {
        constexpr int kNoteMilliseconds = 20000;
        m_ui.sBar->showMessage(text, kNoteMilliseconds);
    }
    m_languageNote = text;
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

KeptRunLimits TfrmTablevane::keptRunLimits() const
{
    return m_preferences.keptRunLimits();
}

void TfrmTablevane::setStatusText(const QString &text)
{
    m_ui.sBarPanel->setText(text);
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
    m_windowMessages.show(text, icon);
}

void TfrmTablevane::openLog(const QString &path)
{
    m_ports.shell->openInEditor(path);
}
