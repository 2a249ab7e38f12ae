#include "ButtonClick.h"
#include "MainWindowUi.h"
#include "RadioGroup.h"
#include "RangeGrid.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

// The main window's input rules: the range combos against the grid of the chosen
// office, the combos' fixed lists, the sheet field and "View sheet name", the
// interleave and font reactions.
class TestInputRules : public QObject
{
    Q_OBJECT

private slots:
    void rangeGridLimits_data();
    void rangeGridLimits();
    void rangeCombosTyped_data();
    void rangeCombosTyped();
    void rangeCombosPastedAndLeft();
    void returnKeepsTheComboLists();
    void sheetFieldAndViewSheetName();
    void interleaveAndFontList();
    void interleaveWithoutAColour_data();
    void interleaveWithoutAColour();
    void setFileLeavingBackgroundsAsTheyAre();

private:
    // The window shown and active, the range combos enabled.
    static void showWithRange(WindowFixture &fixture);
    static void leave(QComboBox *combo, MainWindowUi &ui);
};

void TestInputRules::showWithRange(WindowFixture &fixture)
{
    TfrmTablevane &window = fixture.window();
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    clickIndicator(fixture.ui().chkRangeAuto);
    QVERIFY(fixture.ui().cmbLetterLeft->isEnabled());
}

void TestInputRules::leave(QComboBox *combo, MainWindowUi &ui)
{
    combo->setFocus(Qt::TabFocusReason);
    ui.chkWrap->setFocus(Qt::TabFocusReason);
}

void TestInputRules::rangeGridLimits_data()
{
    QTest::addColumn<bool>("large");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("column");
    QTest::addColumn<bool>("tooLarge");
    QTest::newRow("IV last small column") << false << "IV" << true << false;
    QTest::newRow("IW past IV") << false << "IW" << true << true;
    QTest::newRow("JA past IV") << false << "JA" << true << true;
    QTest::newRow("HZ before IV") << false << "HZ" << true << false;
    QTest::newRow("AAA three letters") << false << "AAA" << true << true;
    QTest::newRow("IW in large") << true << "IW" << true << false;
    QTest::newRow("XG two letters in large") << true << "XG" << true << false;
    QTest::newRow("XFD last large column") << true << "XFD" << true << false;
    QTest::newRow("XFE past XFD") << true << "XFE" << true << true;
    QTest::newRow("XGA past XFD") << true << "XGA" << true << true;
    QTest::newRow("YAA past XFD") << true << "YAA" << true << true;
    QTest::newRow("WZZ before XFD") << true << "WZZ" << true << false;
    QTest::newRow("AAAA four letters") << true << "AAAA" << true << true;
    QTest::newRow("65536 last small row") << false << "65536" << false << false;
    QTest::newRow("65537 past small") << false << "65537" << false << true;
    QTest::newRow("70000 in large") << true << "70000" << false << false;
    QTest::newRow("1048577 past large") << true << "1048577" << false << true;
    QTest::newRow("too long to read") << true << "99999999999999" << false << true;
}

void TestInputRules::rangeGridLimits()
{
    QFETCH(bool, large);
    QFETCH(QString, text);
    QFETCH(bool, column);
    QFETCH(bool, tooLarge);
    const RangeGrid grid = large ? RangeGrid::large() : RangeGrid::small();
    QCOMPARE(column ? grid.columnTooLarge(text) : grid.rowTooLarge(text), tooLarge);
    // The large grid needs Excel chosen, installed and 2007 or later.
    QVERIFY(RangeGrid::forOffice(0, true, 12).isLarge());
    QVERIFY(!RangeGrid::forOffice(0, false, 12).isLarge());
    QVERIFY(!RangeGrid::forOffice(0, true, 11).isLarge());
    QVERIFY(!RangeGrid::forOffice(1, true, 16).isLarge());
}

void TestInputRules::rangeCombosTyped_data()
{
    QTest::addColumn<QString>("excelVersion");   // empty: Calc alone
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("reportedAtKey");      // 1-based key whose release reports; 0: none
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("afterLeaving");
    QTest::newRow("Calc: iw") << QString() << "cmbLetterLeft" << "iw" << 2 << "IW" << "A";
    QTest::newRow("Calc: digits and signs dropped") << QString() << "cmbLetterRight" << "b7-c" << 0 << "BC" << "BC";
    QTest::newRow("Excel 12: iw") << "12.0" << "cmbLetterRight" << "iw" << 0 << "IW" << "IW";
    QTest::newRow("Excel 12: xfe") << "12.0" << "cmbLetterLeft" << "xfe" << 3 << "XFE" << "A";
    QTest::newRow("Excel 11: iw") << "11.0" << "cmbLetterLeft" << "iw" << 2 << "IW" << "A";
    QTest::newRow("Calc: 70000") << QString() << "cmbTopDigit" << "70000" << 5 << "70000" << "1";
    QTest::newRow("Excel 12: 70000") << "12.0" << "cmbBottomDigit" << "70000" << 0 << "70000" << "70000";
    QTest::newRow("Calc: letters dropped from a row") << QString() << "cmbBottomDigit" << "4x2" << 0 << "42" << "42";
    QTest::newRow("row 0 is no row") << QString() << "cmbTopDigit" << "0" << 0 << "0" << "1";
}

void TestInputRules::rangeCombosTyped()
{
    QFETCH(QString, excelVersion);
    QFETCH(QString, combo);
    QFETCH(QString, keys);
    QFETCH(int, reportedAtKey);
    QFETCH(QString, typed);
    QFETCH(QString, afterLeaving);
    WindowFixture fixture(true, {}, excelVersion);
    showWithRange(fixture);
    MainWindowUi &ui = fixture.ui();
    auto *box = fixture.window().findChild<QComboBox *>(combo);
    QVERIFY(box);
    box->setFocus(Qt::TabFocusReason);
    box->lineEdit()->clear();
    for (int i = 0; i < keys.size(); ++i) {
        QTest::keyClick(box, keys.at(i).toLatin1());
        const int expected = reportedAtKey > 0 && i + 1 >= reportedAtKey ? 1 : 0;
        QCOMPARE(fixture.messages.shown.size(), expected);
    }
    QCOMPARE(box->currentText(), typed);
    if (reportedAtKey > 0) {
        const FakeMessagePort::Shown report = fixture.messages.shown.constFirst();
        QCOMPARE(report.text, QStringLiteral("Too many value"));
        QCOMPARE(report.icon, MessageIcon::Information);
        QCOMPARE(report.caption, QStringLiteral("Tablevane"));
        QCOMPARE(box->lineEdit()->selectedText(), typed);
        // Releasing a key again (the Return that closed the box) reports nothing more.
        QTest::keyRelease(box, Qt::Key_Return);
        QCOMPARE(fixture.messages.shown.size(), 1);
    }
    leave(box, ui);
    QCOMPARE(box->currentText(), afterLeaving);
    QCOMPARE(fixture.messages.shown.size(), reportedAtKey > 0 ? 1 : 0);
    // What the run takes is what the combo shows.
    const FormatSet set = fixture.window().formatSet().set();
    const QString stored = combo == QLatin1String("cmbLetterLeft") ? set.LeftColumn
        : combo == QLatin1String("cmbLetterRight")                 ? set.RightColumn
        : combo == QLatin1String("cmbTopDigit")                    ? set.TopDigit
                                                                   : set.BottomDigit;
    QCOMPARE(stored, afterLeaving);
}

void TestInputRules::rangeCombosPastedAndLeft()
{
    WindowFixture fixture;
    showWithRange(fixture);
    MainWindowUi &ui = fixture.ui();
    // A key that empties a combo puts back its first value, selected to be typed over.
    ui.cmbTopDigit->setFocus(Qt::TabFocusReason);
    ui.cmbTopDigit->lineEdit()->selectAll();
    QTest::keyClick(ui.cmbTopDigit, Qt::Key_Backspace);
    QCOMPARE(ui.cmbTopDigit->currentText(), QStringLiteral("1"));
    QCOMPARE(ui.cmbTopDigit->lineEdit()->selectedText(), QStringLiteral("1"));
    ui.cmbLetterLeft->setFocus(Qt::TabFocusReason);
    ui.cmbLetterLeft->lineEdit()->selectAll();
    QTest::keyClick(ui.cmbLetterLeft, Qt::Key_Delete);
    QCOMPARE(ui.cmbLetterLeft->currentText(), QStringLiteral("A"));

    // Pasted text keeps only the characters the combo admits.
    QGuiApplication::clipboard()->setText(QStringLiteral("a1b"));
    ui.cmbLetterRight->setFocus(Qt::TabFocusReason);
    ui.cmbLetterRight->lineEdit()->selectAll();
    QTest::keySequence(ui.cmbLetterRight, QKeySequence::Paste);
    QCOMPARE(ui.cmbLetterRight->currentText(), QStringLiteral("AB"));
    ui.cmbBottomDigit->lineEdit()->selectAll();
    ui.cmbBottomDigit->lineEdit()->paste();
    QCOMPARE(ui.cmbBottomDigit->currentText(), QStringLiteral("1"));

    // Emptied without a key, or too long to read: leaving puts back the first value.
    ui.cmbBottomDigit->lineEdit()->clear();
    leave(ui.cmbBottomDigit, ui);
    QCOMPARE(ui.cmbBottomDigit->currentText(), QStringLiteral("1"));
    ui.cmbTopDigit->lineEdit()->setText(QStringLiteral("123456789012"));
    leave(ui.cmbTopDigit, ui);
    QCOMPARE(ui.cmbTopDigit->currentText(), QStringLiteral("1"));
    ui.cmbLetterRight->lineEdit()->clear();
    leave(ui.cmbLetterRight, ui);
    QCOMPARE(ui.cmbLetterRight->currentText(), QStringLiteral("A"));
    QVERIFY(fixture.messages.shown.isEmpty());
}

void TestInputRules::returnKeepsTheComboLists()
{
    WindowFixture fixture;
    showWithRange(fixture);
    MainWindowUi &ui = fixture.ui();
    clickIndicator(ui.chkFontAsIs);
    const QList<QPair<QComboBox *, QString>> typed = {{ui.cmbLetterLeft, QStringLiteral("q")},
                                                      {ui.cmbLetterRight, QStringLiteral("ab")},
                                                      {ui.cmbTopDigit, QStringLiteral("777")},
                                                      {ui.cmbBottomDigit, QStringLiteral("1234")},
                                                      {ui.cmbFontSize, QStringLiteral("11")},
                                                      {ui.cmbFontName, QStringLiteral("T")}};
    for (const auto &[combo, keys] : typed) {
        const int count = combo->count();
        combo->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(combo, keys);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->count(), count);
    }
    QCOMPARE(fixture.window().formatSet().set().FontSize, QStringLiteral("11"));
}

void TestInputRules::sheetFieldAndViewSheetName()
{
    QTemporaryDir documents;
    for (const char *name : {"two.xls", "broken.xls"}) {
        QFile file(documents.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    WindowFixture fixture;
    fixture.calc.sheetCount = 2;
    fixture.calc.failingNames = {QStringLiteral("broken.xls")};
    TfrmTablevane &window = fixture.window();
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    MainWindowUi &ui = fixture.ui();

    // Entering or clicking the field selects its whole text, so a typed number replaces it.
    ui.edtApplySheet->setFocus(Qt::MouseFocusReason);
    QCOMPARE(ui.edtApplySheet->selectedText(), QStringLiteral("1"));
    QTest::mouseClick(ui.edtApplySheet, Qt::LeftButton);
    QCOMPARE(ui.edtApplySheet->selectedText(), QStringLiteral("1"));
    QTest::keyClick(ui.edtApplySheet, '2');
    QCOMPARE(ui.edtApplySheet->text(), QStringLiteral("2"));

    // Nothing chosen yet.
    QTest::mouseClick(ui.btnViewSheetName, Qt::LeftButton);
    QCOMPARE(fixture.messages.shown.last().text, QStringLiteral("You need select object for processing"));

    fixture.files.setNextFileName(documents.filePath(QStringLiteral("two.xls")));
    clickIndicator(ui.rbOneFile);
    QTest::mouseClick(ui.btnViewSheetName, Qt::LeftButton);
    QCOMPARE(ui.edtApplySheetName->text(), QStringLiteral("Sheet2"));

    // A missing sheet: the name shown so far goes, the message ends with the text typed.
    fixture.messages.onShow = [&](const FakeMessagePort::Shown &) {
        QVERIFY(ui.edtApplySheetName->text().isEmpty());
    };
    for (const QString &typed : {QStringLiteral("007"), QString()}) {
        ui.edtApplySheet->setText(typed);
        ui.edtApplySheetName->setText(QStringLiteral("Sheet2"));
        QTest::mouseClick(ui.btnViewSheetName, Qt::LeftButton);
        QCOMPARE(fixture.messages.shown.last().text, QStringLiteral("Tablevane can`t load sheet #") + typed);
        QCOMPARE(fixture.messages.shown.last().icon, MessageIcon::Error);
        QVERIFY(ui.edtApplySheetName->text().isEmpty());
    }
    fixture.messages.onShow = nullptr;

    // A document that does not open leaves the name as it was.
    ui.edtApplySheet->setText(QStringLiteral("1"));
    ui.edtApplySheetName->setText(QStringLiteral("Sheet1"));
    fixture.files.setNextFileName(documents.filePath(QStringLiteral("broken.xls")));
    clickIndicator(ui.rbOneFile);
    QTest::mouseClick(ui.btnViewSheetName, Qt::LeftButton);
    QCOMPARE(fixture.messages.shown.last().text, QStringLiteral("Tablevane cant`t load file"));
    QCOMPARE(ui.edtApplySheetName->text(), QStringLiteral("Sheet1"));
}

void TestInputRules::interleaveAndFontList()
{
    WindowFixture fixture;
    fixture.window().show();
    MainWindowUi &ui = fixture.ui();
    // The colour dialog opens when the choice changes, not on the item already chosen.
    fixture.colors.setNextColor(0x0000FF);
    clickIndicator(ui.rgbInterLeave->item(1));
    QCOMPARE(fixture.colors.opened, 1);
    clickIndicator(ui.rgbInterLeave->item(1));
    QCOMPARE(fixture.colors.opened, 1);
    clickIndicator(ui.rgbInterLeave->item(2));   // cancelled: back to "Lines"
    QCOMPARE(fixture.colors.opened, 2);
    QCOMPARE(ui.rgbInterLeave->itemIndex(), 1);
    clickIndicator(ui.rgbInterLeave->item(1));
    QCOMPARE(fixture.colors.opened, 2);

    // Releasing the APA preset builds the font list afresh.
    ui.APAstyle->trigger();
    fixture.fonts.families.append(QStringLiteral("Arial"));
    ui.APAstyle->trigger();
    QVERIFY(ui.cmbFontName->findText(QStringLiteral("Arial")) >= 0);
    QCOMPARE(ui.cmbFontName->currentText(), QStringLiteral("Tahoma"));
}

void TestInputRules::interleaveWithoutAColour_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<std::optional<quint32>>("answer");   // the colour dialog's, if it opens
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("kept");
    const QStringList none;
    const QStringList document{QStringLiteral("/tmp/something.xls")};
    // "Leave as is" needs no colour, so it stays whatever was or was not accepted;
    // lines and columns without one (or with black) fall back to "No interleave".
    QTest::newRow("leave as is, no colour yet") << none << std::optional<quint32>() << 3 << 3;
    QTest::newRow("leave as is, started with an argument") << document << std::optional<quint32>() << 3 << 3;
    QTest::newRow("lines, black accepted") << none << std::optional<quint32>(0) << 1 << 0;
    QTest::newRow("columns, red accepted") << none << std::optional<quint32>(0x0000FF) << 2 << 2;
    QTest::newRow("lines, started with an argument") << document << std::optional<quint32>() << 1 << 0;
}

void TestInputRules::interleaveWithoutAColour()
{
    QFETCH(QStringList, arguments);
    QFETCH(std::optional<quint32>, answer);
    QFETCH(int, chosen);
    QFETCH(int, kept);
    WindowFixture fixture(true, arguments);
    fixture.window().show();
    fixture.colors.setNextColor(answer);
    clickIndicator(fixture.ui().rgbInterLeave->item(chosen));
    QCOMPARE(fixture.window().formatSet().set().InterLeave, kept);
    QCOMPARE(fixture.ui().rgbInterLeave->itemIndex(), kept);
}

void TestInputRules::setFileLeavingBackgroundsAsTheyAre()
{
    // A set file opened from the file manager (the program's argument) that leaves the
    // backgrounds as they are keeps that choice through a run.
    QTemporaryDir folder;
    const QString set = folder.filePath(QStringLiteral("keep.tvx"));
    QFile file(set);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[InterLeave]\r\nType=3\r\nColor=255\r\n");
    file.close();
    const QString document = folder.filePath(QStringLiteral("coloured.xls"));
    QVERIFY(QFile(document).open(QIODevice::WriteOnly));
    WindowFixture fixture(true, {set});
    fixture.window().show();
    QCOMPARE(fixture.window().formatSet().set().InterLeave, 3);
    clickIndicator(fixture.ui().rgbInterLeave->item(1));   // no colour dialog: back to none
    clickIndicator(fixture.ui().rgbInterLeave->item(3));
    QCOMPARE(fixture.colors.opened, 0);
    fixture.files.setNextFileName(document);
    clickIndicator(fixture.ui().rbOneFile);
    QTest::mouseClick(fixture.ui().btnStart, Qt::LeftButton);
    QTRY_COMPARE(fixture.calc.jobs.size(), 1);
    QCOMPARE(fixture.calc.jobs.constFirst().set.InterLeave, 3);
}

QTEST_MAIN(TestInputRules)
#include "tst_inputrules.moc"
