// The Language and help window over the program's windows: languages applied to every
// window and taken back, the stored choices, the limits of the lists and files, the help
// file, the shipped translations laid out, and the help viewer over the shipped guide.
#include "AppPaths.h"
#include "HelpWindow.h"
#include "LanguageFile.h"
#include "MainWindowUi.h"
#include "NoticeTable.h"
#include "QtShellPort.h"
#include "RadioGroup.h"
#include "TextLimits.h"
#include "TfrmAboutTablevane.h"
#include "TfrmLanguageAndHelp.h"
#include "TfrmParameters.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStringEncoder>
#include <QStyle>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <clocale>
#include <string>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray languageText(const QString &name, const QStringList &keyLines)
{
    return (QStringLiteral("; test\r\n;\r\n;\r\nLanguage=") + name + QStringLiteral("\r\n")
            + keyLines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))
        .toUtf8();
}

QString caption(QWidget *window, const char *name)
{
    QObject *object = window->findChild<QObject *>(QString::fromLatin1(name));
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(object))
        return group->title();
    if (auto *menu = qobject_cast<QMenu *>(object))
        return menu->title();
    if (auto *action = qobject_cast<QAction *>(object))
        return action->text();
    return QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

QString hint(QWidget *window, const char *name)
{
    return window->findChild<QWidget *>(QString::fromLatin1(name))->toolTip();
}

void saveShot(QWidget &window, const QString &name)
{
    QCoreApplication::processEvents();
    const QString shots = qEnvironmentVariable("TABLEVANE_LANGUAGE_SHOTS");
    if (!shots.isEmpty())
        window.grab().save(QStringLiteral("%1/%2.png").arg(shots, name));
}

// Chooses a language by its place in the list and presses OK, as a user would.
void chooseLanguage(TfrmLanguageAndHelp &dialog, int index)
{
    auto *list = dialog.findChild<QComboBox *>(QStringLiteral("cmbLang"));
    list->setCurrentIndex(index);
    dialog.cmbLangChange();
    dialog.btnOkClick();
}

QString storedLanguage(const WindowFixture &fixture)
{
    QFile ini(fixture.config.filePath(QStringLiteral("Tablevane/Tablevane.ini")));
    if (!ini.open(QIODevice::ReadOnly))
        return QStringLiteral("<no preferences file>");
    for (const QByteArray &line : ini.readAll().split('\n')) {
        if (line.startsWith("LanguageFile="))
            return QString::fromUtf8(line.mid(13)).trimmed();
    }
    return QStringLiteral("<no LanguageFile>");
}

// Every caption of a window is shown whole: no button, label or group title is narrower
// than its text needs.
QStringList clippedCaptions(QWidget *window)
{
    QStringList clipped;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->width() <= 0)
            continue;
        int needed = 0;
        QString text;
        if (auto *push = qobject_cast<QPushButton *>(widget)) {
            // A push button's hint has a minimum width of the style's; the text itself
            // needs its advance and the button's margins.
            text = push->text();
            const int icon = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
            needed = push->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&'))) + icon
                + push->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push);
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
            needed = button->sizeHint().width();
        } else if (auto *label = qobject_cast<QLabel *>(widget); label && label->wordWrap()) {
            // A wrapped label needs the height of its lines at its width.
            if (label->height() < label->heightForWidth(label->width()))
                clipped.append(QStringLiteral("%1 \"%2\" (height %3 < %4)")
                                   .arg(label->objectName(), label->text())
                                   .arg(label->height())
                                   .arg(label->heightForWidth(label->width())));
        } else if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
            needed = label->sizeHint().width();
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            text = group->title();
            needed = group->fontMetrics().horizontalAdvance(text) + 16;
        }
        if (!text.isEmpty() && widget->width() < needed)
            clipped.append(QStringLiteral("%1 \"%2\" (%3 < %4)")
                               .arg(widget->objectName(), text)
                               .arg(widget->width())
                               .arg(needed));
    }
    return clipped;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init() { NoticeTable::SetDefaultNotices(); }
    void languageFileSetsItsTargetsAndEnglishComesBack();
    void anotherLanguageKeepsWhatItDoesNotName();
    void damagedFilesDoNotBreakTheWindow();
    void preferencesWarningInTheStoredLanguage();
    void storedLanguageFile();
    void unreadableLanguageFile_data();
    void unreadableLanguageFile();
    void listsAndFilesKeepTheirLimits();
    void helpFileChoice();
    void shippedTranslationsFit_data();
    void shippedTranslationsFit();
    void helpWindowShowsTheGuide();
};

void TestLanguage::languageFileSetsItsTargetsAndEnglishComesBack()
{
    WindowFixture fixture;
    TfrmTablevane &main = fixture.window();
    main.show();
    TfrmLanguageAndHelp &dialog = fixture.windows->frmLanguageAndHelp();
    TfrmParameters &preferences = fixture.windows->frmParameters();
    auto *saveAs = preferences.findChild<QComboBox *>(QStringLiteral("cmbSaveAs"));
    const int saveAsChosen = fixture.preferences.saveAs();
    QTemporaryDir lang;
    writeFile(lang.filePath(QStringLiteral("Test.lng")),
              languageText(QStringLiteral("Testish"),
                           {QStringLiteral("0010 Work group"), QStringLiteral("0021 Upright"),
                            QStringLiteral("0067 Width hint"), QStringLiteral("1012 Keep set"),
                            QStringLiteral("2011 Go!"), QStringLiteral("3019 {TAB}"), QStringLiteral("3000 Prefs"),
                            QStringLiteral("4010 Tongue"), QStringLiteral("5000 About it"),
                            QStringLiteral("7011 one|two"), QStringLiteral("7014 All done"),
                            QStringLiteral("8018 pick a set"), QStringLiteral("9001 Busy now"),
                            QStringLiteral("0063 Pattern hint"), QStringLiteral("6666 unknown key"),
                            QStringLiteral("abcd not a key"), QStringLiteral("3401 Calc first"),
                            QStringLiteral("3402 Calc second")})
                  + "3301 Excel one\r\n3399 skipped\r\n3302 Excel two\r\n");
    dialog.BuildLanguageList(lang.path());
    QCOMPARE(dialog.languages().size(), 2);
    QCOMPARE(dialog.languages().at(1).name, QStringLiteral("Testish"));
    chooseLanguage(dialog, 1);

    QCOMPARE(caption(&main, "grbSelect"), QStringLiteral("Work group"));
    QCOMPARE(fixture.ui().rgbOrient->item(0)->text(), QStringLiteral("Upright"));
    QCOMPARE(hint(&main, "grbWidth"), QStringLiteral("Width hint"));
    QCOMPARE(hint(&main, "edPattern"), QStringLiteral("Pattern hint"));
    QCOMPARE(caption(&main, "RememberSet"), QStringLiteral("Keep set"));
    QCOMPARE(caption(&main, "Pause2"), QStringLiteral("Go!"));
    QCOMPARE(main.messages().caption(RunCaption::Start), QStringLiteral("Go!"));
    QCOMPARE(preferences.windowTitle(), QStringLiteral("Prefs"));
    QCOMPARE(preferences.findChild<QComboBox *>(QStringLiteral("cmbFieldDelimiter"))->itemText(3), QStringLiteral("{TAB}"));
    QCOMPARE(caption(&dialog, "lblLang"), QStringLiteral("Tongue"));
    QCOMPARE(fixture.windows->frmAboutTablevane().windowTitle(), QStringLiteral("About it"));
    QCOMPARE(main.messages().text(4), QStringLiteral("one"));
    QCOMPARE(main.messages().text(5), QStringLiteral("two"));
    QCOMPARE(main.messages().text(6), QStringLiteral("Please, select work directory again."));
    QCOMPARE(main.messages().text(12), QStringLiteral("All done"));
    QCOMPARE(main.messages().text(0), QStringLiteral("No file"));
    QCOMPARE(main.dialogTexts().title(QStringLiteral("OpenDlgTVX")), QStringLiteral("Tablevane-pick a set"));
    QCOMPARE(NoticeTable::text(Notice::RunBusyChoice), QStringLiteral("Busy now"));
    QCOMPARE(fixture.preferences.tables().tableA().at(0).displayName, QStringLiteral("Excel one"));
    QCOMPARE(fixture.preferences.tables().tableA().at(1).displayName, QStringLiteral("Excel two"));
    QCOMPARE(fixture.preferences.tables().tableC().at(0).displayName, QStringLiteral("Calc first"));
    QCOMPARE(fixture.preferences.tables().tableC().at(1).displayName, QStringLiteral("Calc second"));
    // The Preferences' save-as list shows the new names and keeps its choice.
    QCOMPARE(fixture.preferences.saveAs(), saveAsChosen);
    QCOMPARE(saveAs->itemText(1), QStringLiteral("Calc second"));
    QCOMPARE(storedLanguage(fixture), QStringLiteral("Test.lng"));

    chooseLanguage(dialog, 0);
    QCOMPARE(caption(&main, "grbSelect"), QStringLiteral("Work with..."));
    QCOMPARE(fixture.ui().rgbOrient->item(0)->text(), QStringLiteral("Portrait"));
    // The built-in English differs from the creation texts in a few spellings.
    QCOMPARE(fixture.ui().rgbOrient->title(), QStringLiteral("Orientattion of page"));
    QCOMPARE(hint(&main, "edPattern"), QStringLiteral("Name of file, wich use as pattern"));
    QCOMPARE(caption(&main, "RememberSet"), QStringLiteral("Remember set"));
    QCOMPARE(preferences.findChild<QPushButton *>(QStringLiteral("btnOk"))->text(), QStringLiteral("Ok"));
    QCOMPARE(main.messages().text(12), QStringLiteral("Processing completed"));
    QCOMPARE(main.messages().caption(RunCaption::Start), QStringLiteral("Start!"));
    QCOMPARE(preferences.findChild<QComboBox *>(QStringLiteral("cmbFieldDelimiter"))->itemText(3), QStringLiteral("{tab}"));
    QCOMPARE(fixture.preferences.tables().tableC().at(0).displayName, QStringLiteral("MS Excel 2003 XML (*.xml)"));
    QCOMPARE(NoticeTable::text(Notice::RunBusyChoice).left(9), QStringLiteral("A run is "));
    // A target without a built-in text keeps the language's.
    QCOMPARE(hint(&main, "grbWidth"), QStringLiteral("Width hint"));
    QCOMPARE(fixture.preferences.saveAs(), saveAsChosen);
    QCOMPARE(storedLanguage(fixture), QString());
}

void TestLanguage::anotherLanguageKeepsWhatItDoesNotName()
{
    WindowFixture fixture;
    fixture.window().show();
    TfrmLanguageAndHelp &dialog = fixture.windows->frmLanguageAndHelp();
    QTemporaryDir lang;
    writeFile(lang.filePath(QStringLiteral("A.lng")),
              languageText(QStringLiteral("A"), {QStringLiteral("0010 A group"), QStringLiteral("0011 A folder"),
                                                 QStringLiteral("0067 A hint"), QStringLiteral("7001 A none"),
                                                 QStringLiteral("2011 A go")}));
    writeFile(lang.filePath(QStringLiteral("B.lng")), languageText(QStringLiteral("B"), {QStringLiteral("0010 B group")}));
    dialog.BuildLanguageList(lang.path());
    chooseLanguage(dialog, 1);
    QCOMPARE(caption(&fixture.window(), "rbManyFiles"), QStringLiteral("A folder"));
    // B sets only its own target; A's texts stay where B is silent, messages included.
    chooseLanguage(dialog, 2);
    QCOMPARE(caption(&fixture.window(), "grbSelect"), QStringLiteral("B group"));
    QCOMPARE(caption(&fixture.window(), "rbManyFiles"), QStringLiteral("A folder"));
    QCOMPARE(hint(&fixture.window(), "grbWidth"), QStringLiteral("A hint"));
    QCOMPARE(fixture.window().messages().text(0), QStringLiteral("A none"));
    QCOMPARE(fixture.window().messages().caption(RunCaption::Start), QStringLiteral("A go"));
    // Only English puts the built-in texts back (but where there is none).
    chooseLanguage(dialog, 0);
    QCOMPARE(caption(&fixture.window(), "grbSelect"), QStringLiteral("Work with..."));
    QCOMPARE(caption(&fixture.window(), "rbManyFiles"), QStringLiteral("...directory with files"));
    QCOMPARE(fixture.window().messages().text(0), QStringLiteral("No file"));
    QCOMPARE(hint(&fixture.window(), "grbWidth"), QStringLiteral("A hint"));
}

void TestLanguage::damagedFilesDoNotBreakTheWindow()
{
    // Under a UTF-8 locale, as on every current desktop.
    const std::string locale = std::setlocale(LC_CTYPE, nullptr);
    QVERIFY(std::setlocale(LC_CTYPE, "C.UTF-8"));
    WindowFixture fixture;
    TfrmTablevane &main = fixture.window();
    main.show();
    TfrmLanguageAndHelp &dialog = fixture.windows->frmLanguageAndHelp();
    QTemporaryDir lang;
    // A caption of 100,000 characters and a duplicate line in the run of Calc names.
    QStringList calc;
    for (int key = 3401; key <= 3420; ++key)
        calc.append(QStringLiteral("%1 Calc %1").arg(key));
    calc.insert(3, QStringLiteral("3403 Calc again"));
    writeFile(lang.filePath(QStringLiteral("1-Huge.lng")),
              languageText(QStringLiteral("Huge"), QStringList{QStringLiteral("0010 ") + QString(100000, QLatin1Char('W'))} + calc));
    // The shipped Russian file as Windows has kept such files: in Windows-1251.
    QFile shipped(AppPaths::joinPath(AppPaths::programFolder(), QStringLiteral("Lang/Russian.lng")));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QStringEncoder windows1251("windows-1251");
    writeFile(lang.filePath(QStringLiteral("2-Windows.lng")), windows1251.encode(QString::fromUtf8(shipped.readAll())));
    dialog.BuildLanguageList(lang.path());

    chooseLanguage(dialog, 1);
    const QRect room = main.screen()->availableGeometry();
    QVERIFY2(main.frameGeometry().width() <= room.width() && main.frameGeometry().height() <= room.height(),
             qPrintable(QStringLiteral("%1x%2").arg(main.frameGeometry().width()).arg(main.frameGeometry().height())));
    QCOMPARE(caption(&main, "grbSelect").size(), TextLimits::MaxLanguageText);
    // Each Calc name is its own key's: the Preferences list names the format it stores.
    auto *saveAs = fixture.windows->frmParameters().findChild<QComboBox *>(QStringLiteral("cmbSaveAs"));
    QCOMPARE(saveAs->itemText(2), QStringLiteral("Calc again"));
    QCOMPARE(saveAs->itemText(3), QStringLiteral("Calc 3404"));
    // The load says what it found, in the window.
    const QString note = fixture.ui().sBar->currentMessage();
    QVERIFY2(note.contains(QStringLiteral("1-Huge.lng")) && note.contains(QStringLiteral("cut (keys 10)"))
                 && note.contains(QStringLiteral("keys 3403 given more than once")),
             qPrintable(note));
    saveShot(main, QStringLiteral("huge"));

    QCOMPARE(dialog.languages().at(2).name, QStringLiteral("Русский"));
    chooseLanguage(dialog, 2);
    QCOMPARE(caption(&main, "grbFont"), QStringLiteral("Шрифт"));
    QCOMPARE(main.messages().text(12), QStringLiteral("Обработка завершена"));
    // Read without a doubt: the note about the file before goes.
    QCOMPARE(fixture.ui().sBar->currentMessage(), QString());
    // Qt's own buttons speak the file's language too.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    saveShot(main, QStringLiteral("windows-1251"));
    std::setlocale(LC_CTYPE, locale.c_str());
}

void TestLanguage::storedLanguageFile()
{
    // The shipped German file, named in the preferences, is applied as the window shows;
    // a name no longer in the folder leaves English and stays stored until the user chooses.
    for (const QString &stored : {QStringLiteral("Deutsch.lng"), QStringLiteral("Gone.lng")}) {
        WindowFixture fixture(true, {}, {}, false, false);
        QDir().mkpath(fixture.config.filePath(QStringLiteral("Tablevane")));
        writeFile(fixture.config.filePath(QStringLiteral("Tablevane/Tablevane.ini")),
                  "[Office]\r\nOffice=1\r\n[Extension]\r\nExtension=0\r\n[Save as]\r\nSave as=5\r\n[Language]\r\n"
                  "LanguageFile="
                      + stored.toUtf8() + "\r\n");
        fixture.create();
        fixture.window().show();
        const bool found = stored == QStringLiteral("Deutsch.lng");
        QCOMPARE(caption(&fixture.window(), "grbFont"), found ? QStringLiteral("Schrift") : QStringLiteral("Font"));
        QCOMPARE(fixture.window().messages().text(12),
                 found ? QStringLiteral("Bearbeitung abgeschlossen") : QStringLiteral("Processing completed"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 found ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"));
        QCOMPARE(fixture.messages.shown.size(), 0);
        fixture.window().SaveProgramSettings();
        QCOMPARE(storedLanguage(fixture), stored);
        // Restored from the tray, the language is applied again over tables built afresh.
        fixture.window().hide();
        fixture.window().Restore1Click();
        QCOMPARE(fixture.preferences.tables().tableC().at(3).displayName,
                 found ? QStringLiteral("OpenDocument-Tabelle (*.ods)") : QStringLiteral("OpenDocument SpreadSheet (*.ods)"));
    }
}

void TestLanguage::preferencesWarningInTheStoredLanguage()
{
    // The file is read before the language it names is applied; the warning about it is
    // still worded wholly in that language.
    WindowFixture fixture(true, {}, {}, false, false);
    QDir().mkpath(fixture.config.filePath(QStringLiteral("Tablevane")));
    writeFile(fixture.config.filePath(QStringLiteral("Tablevane/Tablevane.ini")),
              "[Extension]\r\nExtension=7\r\n[Language]\r\nLanguageFile=Deutsch.lng\r\n");
    fixture.create();
    fixture.window().show();
    QCOMPARE(fixture.messages.shown.size(), 1);
    const QString text = fixture.messages.shown.constFirst().text;
    QVERIFY2(text.startsWith(QStringLiteral("Die Einstellungsdatei "))
                 && text.contains(QStringLiteral("sie enthält keine Wahl des Office-Programms; "
                                                 "ihre Wahl der Dateiendung der Dokumente \"7\" ist ungültig")),
             qPrintable(text));
}

void TestLanguage::unreadableLanguageFile_data()
{
    QTest::addColumn<bool>("opens");
    QTest::newRow("gone before it is applied") << false;
    QTest::newRow("fails while read") << true;
}

void TestLanguage::unreadableLanguageFile()
{
    QFETCH(bool, opens);
    WindowFixture fixture;
    fixture.window().show();
    TfrmLanguageAndHelp &dialog = fixture.windows->frmLanguageAndHelp();
    QTemporaryDir lang;
    writeFile(lang.filePath(QStringLiteral("Good.lng")), languageText(QStringLiteral("Good"), {QStringLiteral("0030 Good font")}));
    writeFile(lang.filePath(QStringLiteral("Bad.lng")), languageText(QStringLiteral("Bad"), {QStringLiteral("0030 Bad font")}));
    dialog.BuildLanguageList(lang.path());   // Bad, Good
    chooseLanguage(dialog, 2);
    QCOMPARE(caption(&fixture.window(), "grbFont"), QStringLiteral("Good font"));
    if (opens)
        writeFile(lang.filePath(QStringLiteral("Bad.lng")), QByteArray(LanguageFile::MaxFileSize + 1, 'x'));
    else
        QVERIFY(QFile::remove(lang.filePath(QStringLiteral("Bad.lng"))));
    chooseLanguage(dialog, 1);
    QCOMPARE(fixture.messages.texts(), QStringList{QStringLiteral("Can`t load language file")});
    QCOMPARE(fixture.messages.shown.constFirst().icon, MessageIcon::Error);
    auto *list = dialog.findChild<QComboBox *>(QStringLiteral("cmbLang"));
    // Gone: nothing changes. Failed while read: English, selected and stored.
    QCOMPARE(caption(&fixture.window(), "grbFont"), opens ? QStringLiteral("Font") : QStringLiteral("Good font"));
    QCOMPARE(list->currentIndex(), opens ? 0 : 1);
    if (opens)
        QCOMPARE(storedLanguage(fixture), QString());
}

void TestLanguage::listsAndFilesKeepTheirLimits()
{
    WindowFixture fixture;
    fixture.window().show();
    TfrmLanguageAndHelp &dialog = fixture.windows->frmLanguageAndHelp();
    QTemporaryDir lang;
    // More key lines than kept for the caption of grbFont: the last one kept counts.
    QStringList lines;
    for (int i = 1; i <= LanguageFile::MaxKeyLines + 50; ++i)
        lines.append(QStringLiteral("0030 Font %1").arg(i));
    writeFile(lang.filePath(QStringLiteral("000 long.lng")), languageText(QStringLiteral("Long"), lines));
    for (int i = 1; i < 300; ++i)
        writeFile(lang.filePath(QStringLiteral("file%1.LNG").arg(i, 3, 10, QLatin1Char('0'))), "x\r\n");
    writeFile(lang.filePath(QStringLiteral("short.lng")), "one line only\r\n");
    dialog.BuildLanguageList(lang.path());
    QCOMPARE(dialog.languages().size(), 1 + TfrmLanguageAndHelp::MaxLanguageFiles);
    QCOMPARE(dialog.languages().at(2).name, QString());   // fewer than four lines: listed, no name
    chooseLanguage(dialog, 1);
    QCOMPARE(caption(&fixture.window(), "grbFont"), QStringLiteral("Font %1").arg(LanguageFile::MaxKeyLines));
}

void TestLanguage::helpFileChoice()
{
    WindowFixture fixture;
    fixture.window().show();
    TfrmLanguageAndHelp &dialog = fixture.windows->frmLanguageAndHelp();
    // The shipped guide is the one help file, chosen without the user's action; F1 shows it.
    const QString shipped = AppPaths::joinPath(AppPaths::programFolder(), QStringLiteral("Help/Tablevane.chm"));
    QCOMPARE(dialog.helpFile(), shipped);
    fixture.window().Helpcontents1Click();
    QCOMPARE(fixture.shell.helpShown, QStringList{shipped});

    QTemporaryDir help;
    writeFile(help.filePath(QStringLiteral("a.chm")), "");
    writeFile(help.filePath(QStringLiteral("b.CHM")), "");
    writeFile(help.filePath(QStringLiteral("c.txt")), "");
    dialog.BuildHelpList(help.path());
    auto *list = dialog.findChild<QComboBox *>(QStringLiteral("cmbHelpFile"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentIndex(), -1);
    dialog.RememberLanguageChoice();
    list->setCurrentIndex(1);
    dialog.cmbHelpFileChange();
    dialog.btnCancelClick();
    // Cancel shows the earlier selection, and the help file chosen stays in use.
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(dialog.helpFile(), help.filePath(QStringLiteral("b.CHM")));
}

void TestLanguage::shippedTranslationsFit_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << QString();
    QTest::newRow("German") << QStringLiteral("Deutsch.lng");
    QTest::newRow("Russian") << QStringLiteral("Russian.lng");
}

void TestLanguage::shippedTranslationsFit()
{
    QFETCH(QString, file);
    WindowFixture fixture;
    TfrmTablevane &main = fixture.window();
    main.show();
    TfrmLanguageAndHelp &dialog = fixture.windows->frmLanguageAndHelp();
    int index = file.isEmpty() ? 0 : -1;
    for (int i = 1; i < dialog.languages().size(); ++i) {
        if (QFileInfo(dialog.languages().at(i).path).fileName() == file)
            index = i;
    }
    QVERIFY(index >= 0);
    chooseLanguage(dialog, index);
    // The Preferences with their text options shown, as the widest state.
    TfrmParameters &preferences = fixture.windows->frmParameters();
    fixture.preferences.setSaveAs(16);
    const QList<QWidget *> windows{&main, &preferences, &dialog, &fixture.windows->frmAboutTablevane()};
    const QString shots = qEnvironmentVariable("TABLEVANE_LANGUAGE_SHOTS");
    for (QWidget *window : windows) {
        if (window != &main)
            window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        if (!shots.isEmpty())
            window->grab().save(QStringLiteral("%1/%2-%3.png")
                                    .arg(shots, file.isEmpty() ? QStringLiteral("English") : QFileInfo(file).baseName(),
                                         window->objectName()));
        const QStringList clipped = clippedCaptions(window);
        QVERIFY2(clipped.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") + clipped.join(QStringLiteral("; "))));
        if (window != &main)
            window->hide();
    }
    // The menus too: every item's text fits the menu shown.
    for (QMenu *menu : main.menuBar()->findChildren<QMenu *>()) {
        for (QAction *action : menu->actions())
            QVERIFY(action->isSeparator() || menu->sizeHint().width() > menu->fontMetrics().horizontalAdvance(action->text()));
    }
}

void TestLanguage::helpWindowShowsTheGuide()
{
    QtShellPort shell;
    shell.showHelpContents(AppPaths::joinPath(AppPaths::programFolder(), QStringLiteral("Help/Tablevane.chm")));
    HelpWindow *window = shell.helpWindow();
    QVERIFY(window && window->isVisible());
    QTreeWidget *tree = window->contents();
    QVERIFY(tree->topLevelItemCount() >= 1);
    QVERIFY(tree->topLevelItem(0)->childCount() >= 8);
    // The first page is shown with its picture.
    QCOMPARE(window->browser()->source().path(), QStringLiteral("/index.html"));
    QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("formats spreadsheet documents")));
    QVERIFY(!window->browser()->loadResource(QTextDocument::ImageResource, HelpBrowser::pageUrl(QStringLiteral("images/main-window.png")))
                 .toByteArray()
                 .isEmpty());
    // A topic of the tree, and a link of a page, show their pages; the tree follows.
    QTreeWidgetItem *batch = tree->findItems(QStringLiteral("Batch mode"), Qt::MatchExactly | Qt::MatchRecursive).value(0);
    QVERIFY(batch);
    emit tree->itemClicked(batch, 0);
    QCOMPARE(window->browser()->source().path(), QStringLiteral("/batch.html"));
    emit window->browser()->anchorClicked(QUrl(QStringLiteral("files.html")));
    QCOMPARE(window->browser()->source().path(), QStringLiteral("/files.html"));
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("What happens to your files"));
    const QString shot = qEnvironmentVariable("TABLEVANE_LANGUAGE_SHOTS");
    if (!shot.isEmpty())
        window->grab().save(shot + QStringLiteral("/help.png"));
    // A file that is no help file is said in the window; closing all closes it.
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("broken.chm")), "not a help file");
    shell.showHelpContents(folder.filePath(QStringLiteral("broken.chm")));
    QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("cannot be read")));
    shell.closeAllHelp();
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
