#include "AppPaths.h"
#include "ButtonClick.h"
#include "MainWindowUi.h"
#include "RadioGroup.h"
#include "RunController.h"
#include "TfrmSplash.h"
#include "LogViewerWindow.h"
#include "QtShellPort.h"
#include "WindowFixture.h"
#include "WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyleOptionComboBox>
#include <QSystemTrayIcon>
#include <QTest>

// The main window: its outline, its life (show steps, availability, caption, close,
// exit) and a run driven through its controls.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void outlineCaptionsAndDefaults();
    void menusShortcutsAndTray();
    void fixedClientArea();
    void noOfficeLocksTheWindow();
    void folderRunThroughTheWindow();
    void folderChoiceRefusedDuringRun();
    void undoLastRunFromTheFileMenu();
    void excelRunThroughTheWindow();
    void excelPatternChoice();
    void cancelledFolderChoiceKeepsOneFileChoice();
    void droppedItems();
    void captionFollowsTheSetName();
    void closeWritesPreferencesExitDoesNot();
    void closingDuringPausedRunEndsCleanly();
    void setFileOnCommandLineLoadedAtEveryShow();
    void preferencesPlaceTheWindowAndSetApa();
    void unusableFilesAreRefusedWithAWarning();
    void apaStyleLocksItsControls();
    void openSetDialog();
    void placementOnTheScreens_data();
    void placementOnTheScreens();
    void statusLineKeepsTheSummary();
    void logShownInOwnWindowWhereTheDesktopCannot_data();
    void logShownInOwnWindowWhereTheDesktopCannot();
    void splashShowsAtLeastHalfASecond();
    void screenshot();

private:
    void makeDocuments(const QTemporaryDir &folder, const QStringList &names);
};

void TestMainWindow::makeDocuments(const QTemporaryDir &folder, const QStringList &names)
{
    for (const QString &name : names) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void TestMainWindow::outlineCaptionsAndDefaults()
{
    WindowFixture fixture;
    TfrmTablevane &window = fixture.window();
    auto text = [&](const char *name) {
        QObject *object = window.findChild<QObject *>(QString::fromLatin1(name));
        if (!object)
            return QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
        if (auto *button = qobject_cast<QAbstractButton *>(object))
            return button->text();
        if (auto *label = qobject_cast<QLabel *>(object))
            return label->text();
        if (auto *box = qobject_cast<QGroupBox *>(object))
            return box->title();
        return QString();
    };
    QCOMPARE(window.windowTitle(), QStringLiteral("Tablevane"));
    QCOMPARE(text("grbSelect"), QStringLiteral("Work with..."));
    QCOMPARE(text("rbManyFiles"), QStringLiteral("...directory with files"));
    QCOMPARE(text("rbOneFile"), QStringLiteral("...one file"));
    QCOMPARE(text("rgbOrient"), QStringLiteral("Orientation of page"));
    QCOMPARE(text("rgbInterLeave"), QStringLiteral("Interleave background"));
    QCOMPARE(text("grbWidth"), QStringLiteral("Width of columns"));
    QCOMPARE(text("grbAdd"), QStringLiteral("Additional"));
    QCOMPARE(text("chkFName"), QStringLiteral("Include name of file in page header"));
    QCOMPARE(text("chkLog"), QStringLiteral("Make .log file (if problem in process)"));
    QCOMPARE(text("chRepHeader"), QStringLiteral("Repeat header on each page"));
    QCOMPARE(text("grbApply"), QStringLiteral("Apply to..."));
    QCOMPARE(text("grbRangeSize"), QStringLiteral("Range for processing"));
    QCOMPARE(text("btnStart"), QStringLiteral("Start!"));
    QCOMPARE(text("btnStop"), QStringLiteral("Stop"));
    QCOMPARE(text("btnOpenTVX"), QStringLiteral("Open set"));
    QCOMPARE(text("btnRemember"), QStringLiteral("Save set"));

    MainWindowUi &ui = fixture.ui();
    QVERIFY(!ui.rbManyFiles->isChecked() && !ui.rbOneFile->isChecked());
    QCOMPARE(ui.rgbOrient->itemIndex(), 0);
    QCOMPARE(ui.rgbOrient->item(2)->text(), QStringLiteral("Leave \"As Is\""));
    QCOMPARE(ui.rgbInterLeave->itemIndex(), 0);
    QVERIFY(ui.chkFontAsIs->isChecked());
    for (QWidget *font : std::initializer_list<QWidget *>{ui.cmbFontName, ui.cmbFontSize, ui.chkBold, ui.chkItalic,
                                                          ui.btnFontColor, ui.pnlColorFont, ui.lblFontName})
        QVERIFY2(!font->isEnabled(), qPrintable(font->objectName()));
    QCOMPARE(ui.cmbFontSize->currentText(), QStringLiteral("10"));
    QCOMPARE(ui.cmbFontSize->count(), 7);
    QCOMPARE(ui.cmbFontName->currentText(), QStringLiteral("Tahoma"));
    QCOMPARE(ui.cmbFontName->itemText(ui.cmbFontName->count() - 1), QStringLiteral("MS Shell Dlg"));
    QVERIFY(ui.rbAuto->isChecked());
    QVERIFY(ui.chkWrap->isChecked() && ui.chkBorders->isChecked() && ui.chkBoldTopLine->isChecked()
            && ui.chkLog->isChecked());
    QVERIFY(!ui.chkFName->isChecked() && !ui.chkPageNumeration->isChecked() && !ui.chRepHeader->isChecked());
    QCOMPARE(ui.edtApplySheet->text(), QStringLiteral("1"));
    QVERIFY(ui.chkRangeAuto->isChecked());
    QVERIFY(!ui.cmbLetterLeft->isEnabled() && !ui.lblBottomRow->isEnabled());
    QCOMPARE(ui.cmbLetterRight->count(), 26);
    QCOMPARE(ui.cmbBottomDigit->count(), 100);
    QCOMPARE(ui.cmbTopDigit->currentText(), QStringLiteral("1"));
    QCOMPARE(ui.btnOpenTVX->toolTip(), QStringLiteral("Click here  for open file with formatting parameters"));
    QCOMPARE(ui.btnStart->toolTip(), QStringLiteral("Click here for begin working"));
    QCOMPARE(ui.edPattern->toolTip(), QStringLiteral("Name of file, which use as pattern"));
    QCOMPARE(ui.cmbSheetNumber->toolTip(), QStringLiteral("Click here for choose sheet number"));
    QVERIFY(ui.edtWorkDir->isReadOnly());

    // The reactions without dialogs follow the model.
    ui.chkFontAsIs->click();
    QVERIFY(ui.cmbFontName->isEnabled() && ui.btnFontColor->isEnabled() && !ui.pnlColorFont->isEnabled());
    ui.chkRangeAuto->click();
    QVERIFY(ui.cmbLetterLeft->isEnabled() && ui.lblBottomRow->isEnabled());
    ui.chkApplyForAll->click();
    QVERIFY(!ui.edtApplySheet->isEnabled() && !ui.btnViewSheetName->isEnabled());
    QVERIFY(fixture.window().formatSet().set().ApplyForAll);
}

void TestMainWindow::menusShortcutsAndTray()
{
    WindowFixture fixture;
    MainWindowUi &ui = fixture.ui();
    QCOMPARE(ui.File1->title(), QStringLiteral("&File"));
    QCOMPARE(ui.N6->title(), QStringLiteral("&Settings"));
    QCOMPARE(ui.Help1->title(), QStringLiteral("&Help"));
    QCOMPARE(ui.OpenTVX1->text(), QStringLiteral("Open set"));
    QCOMPARE(ui.OpenTVX1->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(ui.RememberSet->text(), QStringLiteral("Remember set "));
    QCOMPARE(ui.RememberSet->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(ui.Parameters1->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    QCOMPARE(ui.Languageandhelp1->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(ui.Helpcontents1->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(ui.APAstyle->isCheckable());
    QCOMPARE(ui.AboutTablevane1->text(), QStringLiteral("About Tablevane"));

    QMenu *tray = fixture.window().trayMenu();
    QStringList items;
    for (QAction *action : tray->actions())
        items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(items, (QStringList{QStringLiteral("Restore Tablevane"), QStringLiteral("Start"), QStringLiteral("Stop"),
                                 QStringLiteral("-"), QStringLiteral("Exit")}));
    QVERIFY(!fixture.window().trayIcon()->isVisible());
    QCOMPARE(fixture.window().trayIcon()->toolTip(), QStringLiteral("Tablevane"));
}

void TestMainWindow::fixedClientArea()
{
    WindowFixture fixture;
    TfrmTablevane &window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The widest values the fields take are shown whole.
    MainWindowUi &ui = fixture.ui();
    window.formatSet().update([](FormatSet &set) {
        set.FontAsIs = false;
        set.FontName = QStringLiteral("Times New Roman");
        set.RangeAuto = false;
        set.LeftColumn = QStringLiteral("XFD");
        set.TopDigit = QStringLiteral("1048576");
        set.BottomDigit = QStringLiteral("1048576");
    });
    for (QComboBox *combo : {ui.cmbFontName, ui.cmbLetterLeft, ui.cmbTopDigit, ui.cmbBottomDigit}) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        QVERIFY2(field.width() >= combo->fontMetrics().horizontalAdvance(combo->currentText()),
                 qPrintable(combo->objectName()));
    }
    const int client = window.height() - window.menuBar()->height();
    QCOMPARE(window.width(), 562);
    QCOMPARE(client, 525);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    // Every group fits inside the client area without overlapping a neighbour.
    QList<QWidget *> groups;
    for (QGroupBox *group : fixture.ui().groups())
        groups.append(group);
    groups << fixture.ui().rgbOrient << fixture.ui().rgbInterLeave;
    const QRect area = window.centralWidget()->rect();
    for (QWidget *group : groups) {
        const QRect box(group->mapTo(window.centralWidget(), QPoint(0, 0)), group->size());
        QVERIFY2(area.contains(box), qPrintable(group->objectName()));
        QVERIFY2(group->height() >= group->minimumSizeHint().height(), qPrintable(group->objectName()));
        for (QWidget *other : groups) {
            const QRect otherBox(other->mapTo(window.centralWidget(), QPoint(0, 0)), other->size());
            if (other != group)
                QVERIFY2(!box.intersects(otherBox), qPrintable(group->objectName() + other->objectName()));
        }
    }
}

void TestMainWindow::noOfficeLocksTheWindow()
{
    WindowFixture fixture(false);
    TfrmTablevane &window = fixture.window();
    window.show();
    QCOMPARE(fixture.messages.shown.size(), 1);
    const FakeMessagePort::Shown message = fixture.messages.shown.constFirst();
    QCOMPARE(message.caption, QStringLiteral("Tablevane"));
    QCOMPARE(message.icon, MessageIcon::Error);
    QCOMPARE(message.text,
             QStringLiteral("Warning! This computer have\"t installed MS Excel from MS Office and have\"t installed "
                            "OpenOffice.org \u0421alc from OpenOffice.org.\n\nFor this reason use Tablevane impossible."
                            "\n\nIf you want to use Tablevane, you need install MS Excel or Scalc or both of them and run "
                            "Tablevane again.\n"));
    MainWindowUi &ui = fixture.ui();
    for (QWidget *control : std::initializer_list<QWidget *>{ui.rbManyFiles, ui.btnStart, ui.chkWrap, ui.cmbLetterLeft,
                                                             ui.edtApplySheet, ui.rgbOrient, ui.chkFontAsIs, ui.rbAuto})
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    QVERIFY(!ui.File1->menuAction()->isEnabled());
    QVERIFY(!ui.Parameters1->isEnabled());
    QVERIFY(ui.APAstyle->isEnabled() && ui.Languageandhelp1->isEnabled() && ui.Helpcontents1->isEnabled()
            && ui.AboutTablevane1->isEnabled());
    // A dropped document only repeats the message.
    window.HandleDroppedItem(QStringLiteral("/tmp/x.xls"));
    QCOMPARE(fixture.messages.shown.size(), 2);
    QVERIFY(fixture.calc.calls.isEmpty());
    window.close();
    QVERIFY(!QFile::exists(AppPaths::AppDataFolder() + QStringLiteral("/Tablevane.ini")));
}

void TestMainWindow::folderRunThroughTheWindow()
{
    QTemporaryDir documents;
    makeDocuments(documents, {QStringLiteral("a.xls"), QStringLiteral("b.xls"), QStringLiteral("c.xls")});
    WindowFixture fixture;
    fixture.calc.failingNames = {QStringLiteral("b.xls")};
    TfrmTablevane &window = fixture.window();
    window.show();
    MainWindowUi &ui = fixture.ui();
    QCOMPARE(ui.sBarPanel->text(), QStringLiteral("OpenOffice.org Calc + XLS (default) + MS Excel 97/2000/XP (*.xls)"));

    fixture.files.setNextFileName(documents.path());
    clickIndicator(ui.rbManyFiles);
    QCOMPARE(fixture.files.folderPrompts,
             QStringList{QStringLiteral("For processing select folder, which contains files for processing (\"XLS\" or \"ODS\" or \"XLSX\")")});
    QCOMPARE(ui.edtWorkDir->text(), documents.path());
    QCOMPARE(ui.pbar->maximum(), 3);
    QVERIFY(ui.rbManyFiles->isChecked());

    QTest::mouseClick(ui.btnStart, Qt::LeftButton);
    QTRY_VERIFY(fixture.messages.texts().contains(QStringLiteral("Processing completed")));
    QCOMPARE(fixture.calc.calls.size(), 3);
    QCOMPARE(ui.pbar->value(), 3);
    QCOMPARE(window.trayIcon()->toolTip(), QStringLiteral("Complete 3 from 3"));
    QCOMPARE(fixture.shell.editorOpened, QStringList{AppPaths::logFile()});
    QCOMPARE(ui.btnStart->text(), QStringLiteral("Start!"));
    QCOMPARE(ui.sBarPanel->text(), QStringLiteral("OpenOffice.org Calc + XLS (default) + MS Excel 97/2000/XP (*.xls)"));
    QFile log(AppPaths::logFile());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(log.readAll()), documents.filePath(QStringLiteral("b.xls")) + QStringLiteral(" can`t process document\r\n"));
    // Start wrote the preferences.
    QVERIFY(QFile::exists(AppPaths::AppDataFolder() + QStringLiteral("/Tablevane.ini")));
}

void TestMainWindow::undoLastRunFromTheFileMenu()
{
    QTemporaryDir documents;
    for (const QString &name : {QStringLiteral("a.xls"), QStringLiteral("b.xls")}) {
        QFile file(documents.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("original");
    }
    WindowFixture fixture;
    fixture.calc.storesInPlace = true;
    fixture.window().show();
    MainWindowUi &ui = fixture.ui();
    QAction *undo = ui.Undolastrun1;
    QCOMPARE(ui.File1->actions().indexOf(undo), 3);   // its own part of the menu, above Exit
    QCOMPARE(undo->text(), QStringLiteral("Undo last run"));
    QVERIFY(!undo->isEnabled());
    QCOMPARE(undo->statusTip(), QStringLiteral("No run to undo"));

    fixture.files.setNextFileName(documents.path());
    clickIndicator(ui.rbManyFiles);
    QTest::mouseClick(ui.btnStart, Qt::LeftButton);
    QTRY_VERIFY(fixture.messages.texts().contains(QStringLiteral("Processing completed")));
    QVERIFY(undo->isEnabled());
    QVERIFY2(undo->statusTip().endsWith(QStringLiteral("(2 documents)")), qPrintable(undo->statusTip()));
    QCOMPARE(undo->toolTip(), undo->statusTip());

    // Between the run and the undo the user changes b.
    QFile b(documents.filePath(QStringLiteral("b.xls")));
    QVERIFY(b.open(QIODevice::Append));
    b.write("the user's work");
    b.close();
    undo->trigger();
    QFile a(documents.filePath(QStringLiteral("a.xls")));
    QVERIFY(a.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), QByteArray("original"));
    const QString report = fixture.messages.texts().constLast();
    QVERIFY2(report.startsWith(QStringLiteral("The run of ")), qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("Documents given back their original: 1\n\nLeft alone:\n")
                            + documents.filePath(QStringLiteral("b.xls")) + QStringLiteral(": changed since the run")));
    QVERIFY(!undo->isEnabled());
}

void TestMainWindow::folderChoiceRefusedDuringRun()
{
    QTemporaryDir documents;
    QTemporaryDir other;
    makeDocuments(documents, {QStringLiteral("a.xls"), QStringLiteral("b.xls")});
    makeDocuments(other, {QStringLiteral("z.xls")});
    WindowFixture fixture;
    TfrmTablevane &window = fixture.window();
    window.show();
    MainWindowUi &ui = fixture.ui();
    fixture.files.setNextFileName(documents.path());
    clickIndicator(ui.rbManyFiles);
    fixture.calc.duringCall = [&] {
        if (fixture.calc.calls.size() == 1)
            QTest::mouseClick(ui.btnStart, Qt::LeftButton);   // pause
    };
    QTest::mouseClick(ui.btnStart, Qt::LeftButton);
    QTRY_COMPARE(ui.btnStart->text(), QStringLiteral("Resume"));
    QCOMPARE(window.trayMenu()->actions().at(1)->text(), QStringLiteral("Resume"));
    fixture.files.setNextFileName(other.path());
    clickIndicator(ui.rbOneFile);
    clickIndicator(ui.rbManyFiles);
    window.HandleDroppedItem(other.path());
    QCOMPARE(fixture.files.folderPrompts.size(), 1);
    QCOMPARE(ui.edtWorkDir->text(), documents.path());
    QVERIFY(ui.rbManyFiles->isChecked() && !ui.rbOneFile->isChecked());
    QCOMPARE(window.run().state().Count, 2);
    QTest::mouseClick(ui.btnStart, Qt::LeftButton);   // resume
    QTRY_VERIFY(fixture.messages.texts().contains(QStringLiteral("Processing completed")));
    QCOMPARE(fixture.calc.calls.size(), 2);
    QCOMPARE(fixture.calc.calls.at(1).path, documents.filePath(QStringLiteral("b.xls")));
}

void TestMainWindow::excelRunThroughTheWindow()
{
    QTemporaryDir documents;
    makeDocuments(documents, {QStringLiteral("b.xls")});
    WindowFixture fixture(false, {}, QStringLiteral("16.0"));
    FakeExcelWorkbook book = FakeExcelWorkbook::withSheets();
    book.sheet().fill({{L"Name", L"Count"}, {L"a", 1}});
    for (const QString &name : {QStringLiteral("a.xls"), QStringLiteral("c.xls")})   // b.xls is empty
        fixture.excel.addFile(documents.filePath(name).toStdWString(), book);
    TfrmTablevane &window = fixture.window();
    window.show();
    MainWindowUi &ui = fixture.ui();
    QCOMPARE(ui.sBarPanel->text(),
             QStringLiteral("Microsoft Office Excel + XLS (default) + Excel 97-2003 Workbook (*.xls)"));
    fixture.files.setNextFileName(documents.path());
    clickIndicator(ui.rbManyFiles);
    QTest::mouseClick(ui.btnStart, Qt::LeftButton);
    QTRY_VERIFY(fixture.messages.texts().contains(QStringLiteral("Processing completed")));
    QCOMPARE(window.trayIcon()->toolTip(), QStringLiteral("Complete 3  from 3"));
    QCOMPARE(ui.pbar->value(), 3);
    // The detection and one per document Excel could read: the empty one is refused first.
    QCOMPARE(fixture.excel.instances.size(), size_t(3));
    QVERIFY(fixture.excel.everyInstanceQuit());
    for (const QString &name : {QStringLiteral("a.xls"), QStringLiteral("c.xls")})
        QVERIFY(fixture.excel.read(documents.filePath(name).toStdWString())->sheet().cell(2, 2).wrapText);
    QCOMPARE(fixture.shell.editorOpened, QStringList{AppPaths::logFile()});
    QFile log(AppPaths::logFile());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString line = QString::fromLocal8Bit(log.readAll());
    QVERIFY2(line.startsWith(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)), qPrintable(line));
    QVERIFY2(line.endsWith(QStringLiteral(" - ") + documents.filePath(QStringLiteral("b.xls"))
                           + QStringLiteral("  - can`t process document: the file is empty (0 bytes)\r\n")),
             qPrintable(line));
    QCOMPARE(line.count(QLatin1Char('\n')), 1);
}

void TestMainWindow::excelPatternChoice()
{
    WindowFixture fixture(false, {}, QStringLiteral("16.0"));
    FakeExcelWorkbook widths = FakeExcelWorkbook::withSheets({L"Widths"});
    widths.sheet().fill({{L"a", L"b", L"c"}});
    widths.sheet().widths = {{1, 8.43}, {2, 10.5}, {3, 11.5}};
    fixture.excel.disk[L"/data/widths.xls"] = widths;
    fixture.excel.disk[L"/data/empty.xls"] = FakeExcelWorkbook::withSheets({L"Empty"});
    TfrmTablevane &window = fixture.window();
    window.show();
    MainWindowUi &ui = fixture.ui();
    fixture.files.setNextFileName(QStringLiteral("/data/widths.xls"));
    clickIndicator(ui.rbByPattern);
    QCOMPARE(ui.edPattern->text(), QStringLiteral("/data/widths.xls"));
    QCOMPARE(ui.edtSheetName->text(), QStringLiteral("Widths"));
    QCOMPARE(ui.cmbSheetNumber->currentText(), QStringLiteral("1"));
    QCOMPARE(window.formatSet().results().PatternWidths, (QVector<int>{0, 8, 10, 12}));

    // A one-sheet pattern with an empty first row: the warning, and the choice starts
    // again (here cancelled, so the widths go back to automatic).
    fixture.files.setNextFileName(QStringLiteral("/data/empty.xls"));
    fixture.files.setNextFileName(QString());
    clickIndicator(ui.rbByPattern);
    QCOMPARE(fixture.files.openedSpecs.size(), 3);
    QCOMPARE(fixture.messages.shown.last().text,
             QStringLiteral("Selected sheet is empty or empty her first line.\n"
                            "Please select sheet with filled by first line  or file of pattern again"));
    QVERIFY(ui.rbAuto->isChecked());
    QVERIFY(ui.edPattern->text().isEmpty() && ui.edtSheetName->text().isEmpty());
    QVERIFY(fixture.excel.everyInstanceQuit());
}

void TestMainWindow::cancelledFolderChoiceKeepsOneFileChoice()
{
    WindowFixture fixture;
    fixture.window().show();
    MainWindowUi &ui = fixture.ui();
    fixture.files.setNextFileName(QStringLiteral("/data/one.xls"));
    clickIndicator(ui.rbOneFile);
    QCOMPARE(ui.edtWorkDir->text(), QStringLiteral("/data/one.xls"));
    QCOMPARE(fixture.files.openedSpecs.constFirst().title, QStringLiteral("Tablevane-selection file"));
    QCOMPARE(fixture.files.openedSpecs.constFirst().filter, QStringLiteral("'MS Excel Workbook 97/2000/XP/2003 (*.xls)|*.xls"));
    fixture.files.setNextFileName(QString());
    clickIndicator(ui.rbManyFiles);
    QVERIFY(ui.rbOneFile->isChecked() && !ui.rbManyFiles->isChecked());
    QCOMPARE(ui.edtWorkDir->text(), QStringLiteral("/data/one.xls"));
}

void TestMainWindow::droppedItems()
{
    QTemporaryDir documents;
    makeDocuments(documents, {QStringLiteral("only.xlsx")});
    WindowFixture fixture;
    TfrmTablevane &window = fixture.window();
    window.show();
    QFile set(documents.filePath(QStringLiteral("mine.TVX")));
    QVERIFY(set.open(QIODevice::WriteOnly));
    set.write("[Orientation]\r\nOrientation=1\r\n");
    set.close();
    window.HandleDroppedItem(set.fileName());
    QCOMPARE(window.windowTitle(), QStringLiteral("mine.TVX - Tablevane"));
    QCOMPARE(window.formatSet().set().Orientation, 1);
    QVERIFY(!window.run().runInProgress());

    window.HandleDroppedItem(documents.path());   // no .xls inside
    QVERIFY(fixture.messages.shown.last().text.endsWith(QStringLiteral("\"xls\"\nPlease, select work directory again.")));
    QCOMPARE(fixture.messages.shown.last().icon, MessageIcon::Warning);
    window.HandleDroppedItem(documents.filePath(QStringLiteral("notes.txt")));
    QCOMPARE(fixture.messages.shown.last().text, QStringLiteral("The files of this type are not processed Tablevane"));
    QVERIFY(fixture.calc.calls.isEmpty());

    makeDocuments(documents, {QStringLiteral("a.xls")});
    window.HandleDroppedItem(documents.path());
    QTRY_VERIFY(fixture.messages.texts().contains(QStringLiteral("Processing completed")));
    QCOMPARE(fixture.calc.calls.size(), 1);
    QVERIFY(fixture.ui().rbManyFiles->isChecked());

    // Calc reads .xlsx itself: a dropped one is run as an .xls is.
    fixture.messages.clear();
    window.HandleDroppedItem(documents.filePath(QStringLiteral("only.xlsx")));
    QTRY_VERIFY(fixture.messages.texts().contains(QStringLiteral("Processing completed")));
    QCOMPARE(fixture.calc.calls.size(), 2);
    QCOMPARE(fixture.calc.calls.last().path, documents.filePath(QStringLiteral("only.xlsx")));
}

void TestMainWindow::captionFollowsTheSetName()
{
    WindowFixture fixture;
    TfrmTablevane &window = fixture.window();
    window.show();
    window.AppEventsMinimize();
    QCOMPARE(window.windowTitle(), QStringLiteral("Tablevane"));
    QCOMPARE(window.applicationTitle(), QStringLiteral("Tablevane"));
    QTemporaryDir folder;
    fixture.files.setNextFileName(folder.filePath(QStringLiteral("a.tvx")));
    QTest::mouseClick(fixture.ui().btnRemember, Qt::LeftButton);
    QCOMPARE(fixture.files.savedSpecs.constFirst().title, QStringLiteral("Tablevane-save set"));
    QVERIFY(fixture.files.savedSpecs.constFirst().confirmOverwrite);
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("a.tvx"))));
    QCOMPARE(window.windowTitle(), QStringLiteral("a.tvx - Tablevane"));
    window.Restore1Click();
    QCOMPARE(window.applicationTitle(), QStringLiteral("a.tvx - Tablevane"));
    QVERIFY(window.isVisible());
}

void TestMainWindow::closeWritesPreferencesExitDoesNot()
{
    const QString ini = QStringLiteral("/Tablevane/Tablevane.ini");
    {
        WindowFixture fixture;
        fixture.window().show();
        fixture.window().Exit1Click();
        QVERIFY(!QFile::exists(fixture.config.path() + ini));
    }
    {
        WindowFixture fixture;
        fixture.window().show();
        fixture.window().move(40, 60);
        fixture.window().close();
        QFile file(fixture.config.path() + ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromLocal8Bit(file.readAll());
        QVERIFY2(text.contains(QStringLiteral("[Office]\r\nOffice=1\r\n")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Left=40")));
    }
}

void TestMainWindow::closingDuringPausedRunEndsCleanly()
{
    QTemporaryDir documents;
    makeDocuments(documents, {QStringLiteral("a.xls"), QStringLiteral("b.xls")});
    WindowFixture fixture;
    TfrmTablevane &window = fixture.window();
    window.show();
    fixture.files.setNextFileName(documents.path());
    clickIndicator(fixture.ui().rbManyFiles);
    fixture.calc.duringCall = [&] { window.close(); };
    QTest::mouseClick(fixture.ui().btnStart, Qt::LeftButton);
    QTRY_VERIFY(!fixture.calc.calls.isEmpty());
    QTRY_VERIFY(!window.run().stepRunning());
    QElapsedTimer timer;
    timer.start();
    window.run().shutdown();
    QVERIFY(timer.elapsed() < 2000);
    QCOMPARE(fixture.calc.calls.size(), 1);
    QVERIFY(!fixture.messages.texts().contains(QStringLiteral("Processing completed")));
}

void TestMainWindow::setFileOnCommandLineLoadedAtEveryShow()
{
    QTemporaryDir folder;
    const QString set = folder.filePath(QStringLiteral("start.TVX"));
    QFile file(set);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Orientation]\r\nOrientation=1\r\n[Additional]\r\nPageNumeration=1\r\n");
    file.close();
    WindowFixture fixture(true, {set});
    TfrmTablevane &window = fixture.window();
    window.show();
    QCOMPARE(window.formatSet().set().Orientation, 1);
    QVERIFY(fixture.ui().chkPageNumeration->isChecked());
    // The caption keeps no set name for a set given on the command line.
    QCOMPARE(window.windowTitle(), QStringLiteral("Tablevane"));
    // Changed choices are replaced by the set again when the window comes back from the tray.
    fixture.ui().chkPageNumeration->click();
    fixture.ui().rgbOrient->item(0)->click();
    window.hide();
    window.Restore1Click();
    QCOMPARE(window.formatSet().set().Orientation, 1);
    QVERIFY(fixture.ui().chkPageNumeration->isChecked());
    // An argument that is no set file is not loaded and keeps the colour dialog shut.
    WindowFixture other(true, {QStringLiteral("/tmp/something.xls")});
    other.window().show();
    QCOMPARE(other.window().formatSet().set().Orientation, 0);
    other.ui().rgbInterLeave->item(1)->click();
    QCOMPARE(other.colors.opened, 0);
}

void TestMainWindow::preferencesPlaceTheWindowAndSetApa()
{
    WindowFixture fixture(true, {}, {}, false, false);
    QDir().mkpath(fixture.config.filePath(QStringLiteral("Tablevane")));
    QFile ini(fixture.config.filePath(QStringLiteral("Tablevane/Tablevane.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Position]\r\nLeft=33\r\nTop=44\r\n[APAStyle]\r\nAPAStyle=1\r\n");
    ini.close();
    fixture.create();
    TfrmTablevane &window = fixture.window();
    window.show();
    QCOMPARE(window.pos(), QPoint(33, 44));
    QVERIFY(fixture.ui().APAstyle->isChecked());
    QCOMPARE(window.formatSet().set().FontName, QStringLiteral("Times New Roman"));
    window.move(200, 210);
    window.hide();
    window.Restore1Click();
    QCOMPARE(window.pos(), QPoint(33, 44));
}

void TestMainWindow::unusableFilesAreRefusedWithAWarning()
{
    WindowFixture fixture(true, {}, {}, false, false);
    QDir().mkpath(fixture.config.filePath(QStringLiteral("Tablevane")));
    QFile ini(fixture.config.filePath(QStringLiteral("Tablevane/Tablevane.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Office]\r\nOffice=0\r\n[Extension]\r\nExtension=1\r\n[Save as]\r\nSave as=3\r\n");
    ini.close();
    fixture.create();
    TfrmTablevane &window = fixture.window();
    window.show();
    window.hide();
    window.Restore1Click();
    // One warning, at the start, naming the file and what the window took instead.
    QCOMPARE(fixture.messages.shown.size(), 1);
    QCOMPARE(fixture.messages.shown.constFirst().icon, MessageIcon::Warning);
    const QString text = fixture.messages.shown.constFirst().text;
    QVERIFY2(text.contains(ini.fileName()) && text.contains(QStringLiteral("(Microsoft Office Excel) is not installed"))
                 && text.contains(QStringLiteral("uses instead: OpenOffice.org Calc + ")),
             qPrintable(text));

    // A set file that is none keeps the window's choices and its caption.
    QTemporaryDir folder;
    const QString set = folder.filePath(QStringLiteral("noise.tvx"));
    QFile file(set);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1000, '\x01'));
    file.close();
    fixture.ui().rgbOrient->item(1)->click();
    fixture.messages.clear();
    window.HandleDroppedItem(set);
    QCOMPARE(fixture.messages.texts(),
             QStringList{QStringLiteral("The set file ") + set
                         + QStringLiteral(" cannot be used: it holds none of the sections of a set file.")});
    QCOMPARE(window.formatSet().set().Orientation, 1);
    QCOMPARE(window.windowTitle(), QStringLiteral("Tablevane"));
}

void TestMainWindow::apaStyleLocksItsControls()
{
    WindowFixture fixture;
    fixture.window().show();
    MainWindowUi &ui = fixture.ui();
    ui.APAstyle->trigger();
    QVERIFY(ui.APAstyle->isChecked());
    const QList<QWidget *> locked{ui.chkFontAsIs, ui.cmbFontName, ui.cmbFontSize, ui.chkBold, ui.chkItalic,
                                  ui.btnFontColor, ui.rgbInterLeave, ui.chkBorders, ui.chkFName,
                                  ui.chkBoldLeftFirst, ui.chkBoldLastRight, ui.chkBoldTopLine, ui.chkBoldLastLine};
    for (QWidget *widget : locked)
        QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));
    QCOMPARE(ui.cmbFontName->currentText(), QStringLiteral("Times New Roman"));
    QCOMPARE(ui.cmbFontSize->currentText(), QStringLiteral("12"));
    QVERIFY(!ui.chkBoldTopLine->isChecked() && ui.chkBorders->isChecked());
    QVERIFY(ui.chkWrap->isEnabled());
    ui.APAstyle->trigger();
    QVERIFY(!ui.APAstyle->isChecked());
    QVERIFY(ui.chkFontAsIs->isEnabled() && ui.cmbFontName->isEnabled() && ui.chkBorders->isEnabled());
    QCOMPARE(ui.cmbFontName->currentText(), QStringLiteral("Tahoma"));
    QCOMPARE(ui.cmbFontSize->currentText(), QStringLiteral("10"));
}

void TestMainWindow::openSetDialog()
{
    WindowFixture fixture;
    TfrmTablevane &window = fixture.window();
    window.show();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("b.tvx"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Range]\r\nAuto=0\r\nLeftColumn=C\r\n");
    file.close();
    fixture.files.setNextFileName(path);
    fixture.ui().OpenTVX1->trigger();
    const FileDialogSpec request = fixture.files.openedSpecs.constFirst();
    QCOMPARE(request.title, QStringLiteral("Tablevane-open set"));
    QCOMPARE(request.filter, QStringLiteral("Tablevane files (*.tvx)|*.tvx"));
    QCOMPARE(request.initialFolder, AppPaths::documentsFolder());
    QCOMPARE(window.windowTitle(), QStringLiteral("b.tvx - Tablevane"));
    QCOMPARE(window.trayIcon()->toolTip(), QStringLiteral("b.tvx - Tablevane"));
    QVERIFY(!fixture.ui().chkRangeAuto->isChecked());
    QVERIFY(fixture.ui().cmbLetterLeft->isEnabled());
    QCOMPARE(fixture.ui().cmbLetterLeft->currentText(), QStringLiteral("C"));
    // A cancelled dialog changes nothing.
    fixture.ui().OpenTVX1->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("b.tvx - Tablevane"));
}

void TestMainWindow::placementOnTheScreens_data()
{
    QTest::addColumn<QPoint>("saved");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("placed");
    const QRect laptop(0, 0, 1280, 800);
    const QRect second(1280, 0, 1024, 768);
    const QSize window(564, 568);
    QTest::newRow("saved, on screen") << QPoint(100, 100) << window << QList<QRect>{laptop} << QPoint(100, 100);
    QTest::newRow("on a second monitor") << QPoint(1500, 100) << window << QList<QRect>{laptop, second}
                                         << QPoint(1500, 100);
    QTest::newRow("monitor removed") << QPoint(1500, 100) << window << QList<QRect>{laptop} << QPoint(358, 116);
    QTest::newRow("title bar above the screen") << QPoint(100, -12) << window << QList<QRect>{laptop}
                                                << QPoint(358, 116);
    QTest::newRow("only a corner of the title bar") << QPoint(1250, 100) << window << QList<QRect>{laptop}
                                                    << QPoint(358, 116);
    QTest::newRow("taller than the screen") << QPoint(-400, 900) << QSize(845, 852) << QList<QRect>{laptop}
                                            << QPoint(217, 0);
}

void TestMainWindow::placementOnTheScreens()
{
    QFETCH(QPoint, saved);
    QFETCH(QSize, frame);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, placed);
    QCOMPARE(WindowPlacement::restored(saved, frame, 20, screens, screens.constFirst()), placed);
}

void TestMainWindow::statusLineKeepsTheSummary()
{
    QTemporaryDir documents;
    makeDocuments(documents, {QStringLiteral("a.xls"), QStringLiteral("b.xls")});
    WindowFixture fixture;
    TfrmTablevane &window = fixture.window();
    window.show();
    MainWindowUi &ui = fixture.ui();
    const QString summary = QStringLiteral("OpenOffice.org Calc + XLS (default) + MS Excel 97/2000/XP (*.xls)");
    // A hovered menu item's hint shows over the summary, which comes back afterwards.
    QStatusTipEvent hint(QStringLiteral("A hint"));
    QApplication::sendEvent(window.menuBar(), &hint);
    QCOMPARE(ui.sBar->currentMessage(), QStringLiteral("A hint"));
    QStatusTipEvent hintEnds{QString()};
    QApplication::sendEvent(window.menuBar(), &hintEnds);
    QVERIFY(ui.sBarPanel->isVisible());
    QCOMPARE(ui.sBarPanel->text(), summary);

    // Start while a stopped run finishes its document says why nothing starts.
    fixture.files.setNextFileName(documents.path());
    clickIndicator(ui.rbManyFiles);
    fixture.calc.duringCall = [&] {
        QTest::mouseClick(ui.btnStop, Qt::LeftButton);
        QTest::mouseClick(ui.btnStart, Qt::LeftButton);
    };
    QTest::mouseClick(ui.btnStart, Qt::LeftButton);
    QTRY_VERIFY(!fixture.calc.calls.isEmpty());
    QTRY_VERIFY(!window.run().stepRunning());
    QTest::qWait(50);
    QCOMPARE(fixture.calc.calls.size(), 1);
    QVERIFY2(ui.sBar->currentMessage().contains(QStringLiteral("finishing its current document")),
             qPrintable(ui.sBar->currentMessage()));
}

void TestMainWindow::logShownInOwnWindowWhereTheDesktopCannot_data()
{
    QTest::addColumn<QString>("opener");
    QTest::newRow("the opener fails") << QStringLiteral("false");
    QTest::newRow("no opener") << QStringLiteral("/nonexistent/xdg-open");
}

void TestMainWindow::logShownInOwnWindowWhereTheDesktopCannot()
{
    QFETCH(QString, opener);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Tablevane.log"));
    QFile log(path);
    QVERIFY(log.open(QIODevice::WriteOnly));
    QStringList lines;
    for (int i = 1; i <= 300; ++i)
        lines.append(QStringLiteral("/data/d%1.xls can`t process document").arg(i));
    log.write(lines.join(QStringLiteral("\r\n")).toLocal8Bit() + "\r\n");
    log.close();

    QtShellPort shell(opener);
    shell.openInEditor(path);
    QTRY_VERIFY(shell.logWindow() && shell.logWindow()->isVisible());
    QPlainTextEdit *text = shell.logWindow()->textView();
    QCOMPARE(text->toPlainText(), lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QVERIFY(text->isReadOnly());
    QVERIFY(QFontInfo(text->font()).fixedPitch());
    QScrollBar *scroll = text->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    QCOMPARE(scroll->value(), scroll->maximum());
    shell.logWindow()->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->click();
    QVERIFY(!shell.logWindow()->isVisible());
}

void TestMainWindow::splashShowsAtLeastHalfASecond()
{
    TfrmSplash splash;
    splash.show();
    QCOMPARE(splash.size(), QSize(324, 200));
    QVERIFY(splash.timerEnabled());
    QVERIFY(!splash.agreesToClose());
    QElapsedTimer timer;
    timer.start();
    splash.waitForTimer();
    QVERIFY(timer.elapsed() >= 450);
    QVERIFY(splash.agreesToClose());
    QTest::qWait(600);
    QVERIFY(!splash.timerEnabled());   // it fires exactly once
    const QString target = qEnvironmentVariable("TABLEVANE_SPLASH_SHOT");
    if (!target.isEmpty())
        QVERIFY(splash.grab().save(target));
}

void TestMainWindow::screenshot()
{
    // Renders the window for a look at its layout; kept when TABLEVANE_SCREENSHOT names a file.
    WindowFixture fixture;
    fixture.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.window()));
    const QPixmap picture = fixture.window().grab();
    QVERIFY(!picture.isNull());
    const QString target = qEnvironmentVariable("TABLEVANE_SCREENSHOT");
    if (!target.isEmpty())
        QVERIFY(picture.save(target));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
