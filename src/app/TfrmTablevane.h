#pragma once

#include "FileDialogTexts.h"
#include "FormatSetModel.h"
#include "MainWindowUi.h"
#include "MessageTable.h"
#include "OfficeBackends.h"
#include "Ports.h"
#include "ProgramSettingsFile.h"
#include "RangeGrid.h"
#include "RunHost.h"
#include "WindowMessages.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class ApplySheetGroup;
class EngineBackendHost;
class FormatSetView;
class OfficeQueries;
class PatternWidthGroup;
class PreferencesModel;
class QAction;
class QMenu;
class QSystemTrayIcon;
class RangeComboRules;
class RunController;
class TfrmAboutTablevane;
class TfrmLanguageAndHelp;
class TfrmParameters;
class UndoRunAction;
class WorkChoiceGroup;

// The main window: the formatting controls, the choice of what to work on, the run
// controls, the menus and the tray icon. It shows the formatting model, hands each
// run step its snapshot of the choices, and reports the run to the user. The groups
// with reactions of their own (work choice, column widths, sheet, range) are classes
// of their own that the window creates and wires.
class TfrmTablevane : public QMainWindow, public RunHost
{
    Q_OBJECT

public:
    TfrmTablevane(const Ports &ports, const OfficeBackends &backends, PreferencesModel &preferences,
                  const QStringList &arguments, QWidget *parent = nullptr);
    ~TfrmTablevane() override;

    // The windows created after this one, reached from the menus.
    void setDialogs(TfrmAboutTablevane *about, TfrmParameters *parameters, TfrmLanguageAndHelp *languageAndHelp);

    MainWindowUi &ui() { return m_ui; }
    FormatSetModel &formatSet() { return m_formatSet; }
    MessageTable &messages() { return m_messages; }
    FileDialogTexts &dialogTexts() { return m_dialogTexts; }
    FormatSetView &view() { return *m_view; }
    RunController &run() { return *m_run; }
    OfficeQueries &queries() { return *m_queries; }
    QSystemTrayIcon *trayIcon() const { return TrayIcon; }
    QMenu *trayMenu() const { return PABar; }
    QString currentSetName() const { return CurrentSetName; }
    QString applicationTitle() const { return m_applicationTitle; }

    void ApplyOfficeAvailability();
    void UpdateCaption();
    void ShowSettingsSummary();
    void SaveProgramSettings();
    void HandleDroppedItem(const QString &path);
    // False when the file was refused (then shown in a warning when warn is set).
    bool LoadFormatSet(const QString &path, bool warn = true);
    // The Preferences' OK after a change of office: the path and the pattern are cleared.
    void ResetWorkChoice();
    void focusWorkPath();
    // What loading a language file noted, in the status line for a while over the
    // settings summary; an empty note takes the one before away.
    void showLanguageNote(const QString &text);

    // RunHost
    QString workPathText() const override;
    bool oneFileChosen() const override;
    bool patternSheetMissing() const override;
    QString saveAsRefusal() const override { return m_preferences.saveAsRefusal(); }
    bool logChecked() const override;
    bool applyForAll() const override;
    QString applySheetText() const override;
    int officeChoice() const override;
    OfficeBackend *backend(int office) override;
    BackendHost &backendHost() override;
    FormatJob formatJob() const override;
    KeptRunLimits keptRunLimits() const override;
    void saveProgramSettings() override { SaveProgramSettings(); }
    void showSettingsSummary() override { ShowSettingsSummary(); }
    void setStatusText(const QString &text) override;
    void setProgressPosition(int position) override;
    void setTrayHint(const QString &text) override;
    void setRunCaption(RunCaption caption) override;
    void repaintWindow() override;
    void processEvents() override;
    void showMessage(const QString &text, MessageIcon icon) override;
    void openLog(const QString &path) override;

public slots:
    void btnStartClick();
    void btnStopClick();
    void btnViewLogClick();
    void btnFontColorClick();
    void rgbInterLeaveClick(int index);
    void OpenTVX1Click();
    void RememberSetClick();
    void APAstyleClick();
    void Parameters1Click();
    void Languageandhelp1Click();
    void Helpcontents1Click();
    void AboutTablevane1Click();
    void Exit1Click();
    void Restore1Click();
    void AppEventsMinimize();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void createTray();
    void connectControls();
    // Reads the preferences; false when nothing was read (no data folder yet).
    bool LoadProgramSettings(PreferencesReadNotes &notes);
    void placeWindow(bool centre);
    void fitToTexts();
    QSize roomOnScreen() const;
    RangeGrid rangeGrid() const;
    void applyLanguageChoice();
    void lockWindow();
    void showNoOfficeMessage();

    MainWindowUi m_ui;
    Ports m_ports;
    OfficeBackends m_backends;
    PreferencesModel &m_preferences;
    QStringList m_arguments;
    MessageTable m_messages;
    WindowMessages m_windowMessages;
    FileDialogTexts m_dialogTexts;
    FormatSetModel m_formatSet;
    FormatSetView *m_view = nullptr;
    WorkChoiceGroup *m_workChoice = nullptr;
    PatternWidthGroup *m_patternWidths = nullptr;
    ApplySheetGroup *m_applySheet = nullptr;
    RangeComboRules *m_rangeRules = nullptr;
    UndoRunAction *m_undoRun = nullptr;
    std::unique_ptr<RunController> m_run;
    std::unique_ptr<EngineBackendHost> m_backendHost;
    std::unique_ptr<OfficeQueries> m_queries;
    TfrmAboutTablevane *m_about = nullptr;
    TfrmParameters *m_parameters = nullptr;
    TfrmLanguageAndHelp *m_languageAndHelp = nullptr;

    QSystemTrayIcon *TrayIcon = nullptr;
    QMenu *PABar = nullptr;
    QAction *Restore2 = nullptr;
    QAction *Pause2 = nullptr;
    QAction *Stop1 = nullptr;
    QAction *Exit2 = nullptr;

    QString CurrentSetName;
    QString DialogStartFolder;
    QString m_applicationTitle = QStringLiteral("Tablevane");
    QString m_languageNote;
    ProgramWindowState m_windowState;
    bool m_centreAtFirstShow = false;
    bool m_shown = false;
    bool m_officeInstalled = true;
    bool m_exiting = false;
};
