#include "ButtonClick.h"
#include "MainWindowUi.h"
#include "RadioGroup.h"
#include "TfrmParameters.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QFile>
#include <QTest>

// The Preferences dialog over a detection answered by the test.
class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void excel11();
    void excel12WithWord();
    void excel16UsesTableB();
    void calcTextOutput();
    void okWithoutCharacterSetStaysOpen();
    void cancelPutsBackTheSnapshotOnly();
    void officeChangeClearsPathAndPatternOnce();
    void unwritableFormatsAreDisabledAndRefused();
    void keptRunsAreBoundedOnOk();

private:
    static TfrmParameters &openDialog(WindowFixture &fixture);
    template <typename T>
    static T *control(TfrmParameters &dialog, const char *name)
    {
        return dialog.findChild<T *>(QString::fromLatin1(name));
    }
    static bool pick(QComboBox *combo, const QString &text);
    static void chooseOffice(TfrmParameters &dialog, int office);
};

TfrmParameters &TestPreferences::openDialog(WindowFixture &fixture)
{
    fixture.window().show();
    TfrmParameters &dialog = fixture.windows->frmParameters();
    dialog.open();
    return dialog;
}

bool TestPreferences::pick(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}

void TestPreferences::chooseOffice(TfrmParameters &dialog, int office)
{
    clickIndicator(control<RadioGroup>(dialog, "rgbSelectOffice")->item(office));
}

void TestPreferences::excel11()
{
    WindowFixture fixture(false, {}, QStringLiteral("11.0"));
    TfrmParameters &dialog = openDialog(fixture);
    auto *office = control<RadioGroup>(dialog, "rgbSelectOffice");
    auto *extension = control<RadioGroup>(dialog, "rgbTakeExt");
    QCOMPARE(office->itemIndex(), 0);
    QVERIFY(!office->itemEnabled(1));
    QVERIFY(!extension->itemEnabled(2));
    QVERIFY(!extension->itemEnabled(1));
    auto *saveAs = control<QComboBox>(dialog, "cmbSaveAs");
    QCOMPARE(saveAs->count(), 33);
    QCOMPARE(saveAs->currentText(), QStringLiteral("MS Excel WorkBook 97/2000/XP/2003 (*.xls)"));
    QCOMPARE(fixture.preferences.maxScanColumns(), 256);
    QCOMPARE(fixture.preferences.maxScanRows(), 65536);
    QVERIFY(!control<QCheckBox>(dialog, "chkDocTable")->isEnabled());
    QVERIFY(!control<QComboBox>(dialog, "cmbCoding")->isVisible());
}

void TestPreferences::excel12WithWord()
{
    WindowFixture fixture(true, {}, QStringLiteral("12.0"), true);
    TfrmParameters &dialog = openDialog(fixture);
    chooseOffice(dialog, 0);
    auto *extension = control<RadioGroup>(dialog, "rgbTakeExt");
    auto *docTable = control<QCheckBox>(dialog, "chkDocTable");
    QVERIFY(extension->itemEnabled(2));
    QVERIFY(docTable->isEnabled());
    QCOMPARE(fixture.preferences.maxScanColumns(), 16384);
    QCOMPARE(fixture.preferences.maxScanRows(), 1048576);
    clickIndicator(extension->item(2));
    QCOMPARE(control<QComboBox>(dialog, "cmbSaveAs")->currentText(), QStringLiteral("MS Excel 2007 WorkBook (*.xlsx)"));
    docTable->click();
    QVERIFY(!control<QComboBox>(dialog, "cmbSaveAs")->isEnabled());
    QVERIFY(!control<QLabel>(dialog, "lblSaveAs")->isEnabled());
}

void TestPreferences::excel16UsesTableB()
{
    WindowFixture fixture(true, {}, QStringLiteral("16.0"));
    TfrmParameters &dialog = openDialog(fixture);
    chooseOffice(dialog, 0);
    auto *saveAs = control<QComboBox>(dialog, "cmbSaveAs");
    QCOMPARE(saveAs->count(), 26);
    QCOMPARE(saveAs->currentText(), QStringLiteral("Excel 97-2003 Workbook (*.xls)"));
    QCOMPARE(fixture.preferences.detection().ExcelMajorVersion, 16);
    QCOMPARE(fixture.preferences.maxScanColumns(), 16384);
    QVERIFY(control<RadioGroup>(dialog, "rgbTakeExt")->itemEnabled(2));
    QVERIFY(!control<QCheckBox>(dialog, "chkDocTable")->isEnabled());
    // The detection started Excel once and ended it.
    QCOMPARE(fixture.excel.instances.size(), size_t(1));
    QVERIFY(fixture.excel.everyInstanceQuit());
}

void TestPreferences::calcTextOutput()
{
    WindowFixture fixture;
    TfrmParameters &dialog = openDialog(fixture);
    auto *saveAs = control<QComboBox>(dialog, "cmbSaveAs");
    QCOMPARE(control<RadioGroup>(dialog, "rgbSelectOffice")->itemIndex(), 1);
    QCOMPARE(control<RadioGroup>(dialog, "rgbTakeExt")->itemIndex(), 0);
    QVERIFY(!control<RadioGroup>(dialog, "rgbSelectOffice")->itemEnabled(0));
    QCOMPARE(saveAs->count(), 23);
    QCOMPARE(saveAs->currentText(), QStringLiteral("MS Excel 97/2000/XP (*.xls)"));
    QVERIFY(!control<QCheckBox>(dialog, "chkDocTable")->isEnabled());

    const QList<QWidget *> delimiters{control<QLabel>(dialog, "lblFieldDelimiter"),
                                      control<QComboBox>(dialog, "cmbFieldDelimiter"),
                                      control<QLabel>(dialog, "lblTextDelimiter"),
                                      control<QComboBox>(dialog, "cmbTextDelimiter"),
                                      control<QCheckBox>(dialog, "chkFixedWidth")};
    auto *coding = control<QComboBox>(dialog, "cmbCoding");
    auto *codingLabel = control<QLabel>(dialog, "lblCoding");
    QVERIFY(pick(saveAs, QStringLiteral("dBase (*.dbf)")));
    QVERIFY(coding->isVisible() && codingLabel->isVisible());
    for (QWidget *widget : delimiters)
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));

    QVERIFY(pick(saveAs, QStringLiteral("Text CSV (*.csv)")));
    QVERIFY(coding->isVisible());
    for (QWidget *widget : delimiters)
        QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
    QCOMPARE(control<QComboBox>(dialog, "cmbFieldDelimiter")->currentText(), QStringLiteral(","));
    QCOMPARE(control<QComboBox>(dialog, "cmbTextDelimiter")->currentText(), QStringLiteral("\""));

    // Straight from text CSV to dBase: the delimiters stay shown.
    QVERIFY(pick(saveAs, QStringLiteral("dBase (*.dbf)")));
    for (QWidget *widget : delimiters)
        QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
    QVERIFY(pick(saveAs, QStringLiteral("OpenDocument SpreadSheet (*.ods)")));
    QVERIFY(!coding->isVisible());
    for (QWidget *widget : delimiters)
        QVERIFY(!widget->isVisible());
}

void TestPreferences::okWithoutCharacterSetStaysOpen()
{
    WindowFixture fixture;
    TfrmParameters &dialog = openDialog(fixture);
    QVERIFY(pick(control<QComboBox>(dialog, "cmbSaveAs"), QStringLiteral("Text CSV (*.csv)")));
    QTest::mouseClick(control<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(fixture.messages.shown.size(), 1);
    QCOMPARE(fixture.messages.shown.constFirst().text, QStringLiteral("You must select character set"));
    QCOMPARE(fixture.messages.shown.constFirst().icon, MessageIcon::Warning);
    // OK saved before its check: the file already holds the choice.
    QVERIFY(QFile::exists(fixture.config.filePath(QStringLiteral("Tablevane/Tablevane.ini"))));
    QVERIFY(pick(control<QComboBox>(dialog, "cmbCoding"), QStringLiteral("Windows-1252/WinLatin 1")));
    QTest::mouseClick(control<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(fixture.preferences.saveAsChoice().charsetToken, std::optional<QString>(QStringLiteral("ANSI")));
}

void TestPreferences::cancelPutsBackTheSnapshotOnly()
{
    WindowFixture fixture;
    TfrmParameters &dialog = openDialog(fixture);
    auto *saveAs = control<QComboBox>(dialog, "cmbSaveAs");
    QVERIFY(pick(saveAs, QStringLiteral("Text CSV (*.csv)")));
    QVERIFY(pick(control<QComboBox>(dialog, "cmbCoding"), QStringLiteral("KOI8-R")));
    QTest::mouseClick(control<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());

    dialog.open();
    QVERIFY(pick(control<QComboBox>(dialog, "cmbFieldDelimiter"), QStringLiteral(";")));
    QVERIFY(pick(control<QComboBox>(dialog, "cmbTextDelimiter"), QStringLiteral("'")));
    QVERIFY(pick(saveAs, QStringLiteral("SYLK (Symbolic Link) (*.slk)")));
    clickIndicator(control<RadioGroup>(dialog, "rgbTakeExt")->item(1));
    QTest::mouseClick(control<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(saveAs->currentText(), QStringLiteral("Text CSV (*.csv)"));
    QCOMPARE(control<RadioGroup>(dialog, "rgbTakeExt")->itemIndex(), 0);
    QCOMPARE(control<QComboBox>(dialog, "cmbCoding")->currentText(), QStringLiteral("KOI8-R"));
    QCOMPARE(control<QComboBox>(dialog, "cmbFieldDelimiter")->currentText(), QStringLiteral(";"));
    QCOMPARE(control<QComboBox>(dialog, "cmbTextDelimiter")->currentText(), QStringLiteral("'"));
}

void TestPreferences::officeChangeClearsPathAndPatternOnce()
{
    WindowFixture fixture(true, {}, QStringLiteral("12.0"));
    TfrmParameters &dialog = openDialog(fixture);
    MainWindowUi &ui = fixture.ui();
    fixture.files.setNextFileName(QStringLiteral("/data/book.xls"));
    clickIndicator(ui.rbOneFile);
    fixture.window().formatSet().update([](FormatSet &set) {
        set.WidthByPattern = true;
        set.PatternFile = QStringLiteral("/data/pattern.xls");
    });
    QCOMPARE(ui.edPattern->text(), QStringLiteral("/data/pattern.xls"));

    // The first OK after the window opened: the office was chosen by the availability rule.
    QTest::mouseClick(control<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
    fixture.files.setNextFileName(QStringLiteral("/data/book.xls"));
    clickIndicator(ui.rbOneFile);
    fixture.window().formatSet().update([](FormatSet &set) {
        set.WidthByPattern = true;
        set.PatternFile = QStringLiteral("/data/pattern.xls");
    });

    dialog.open();
    chooseOffice(dialog, 1);
    QTest::mouseClick(control<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
    QVERIFY(ui.edtWorkDir->text().isEmpty());
    QVERIFY(!ui.rbOneFile->isChecked() && !ui.rbManyFiles->isChecked());
    QVERIFY(ui.rbAuto->isChecked());
    QVERIFY(ui.edPattern->text().isEmpty());

    fixture.files.setNextFileName(QStringLiteral("/data/other.xls"));
    clickIndicator(ui.rbOneFile);
    dialog.open();
    QTest::mouseClick(control<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
    QCOMPARE(ui.edtWorkDir->text(), QStringLiteral("/data/other.xls"));
}

void TestPreferences::unwritableFormatsAreDisabledAndRefused()
{
    WindowFixture fixture(true, {}, {}, false, false);
    fixture.detection.exportFilters = {QStringLiteral("calc8"), QStringLiteral("MS Excel 97")};
    fixture.create();
    TfrmParameters &dialog = openDialog(fixture);
    auto *saveAs = control<QComboBox>(dialog, "cmbSaveAs");
    auto *items = qobject_cast<QStandardItemModel *>(saveAs->model());
    QVERIFY(items);
    QVERIFY(items->item(3)->isEnabled() && items->item(7)->isEnabled());
    QVERIFY(!items->item(4)->isEnabled());
    QCOMPARE(items->item(4)->toolTip(), QStringLiteral("The installed office cannot write this format"));

    // A stored choice of such a format is refused at Start, before any document.
    fixture.preferences.setSaveAs(10);
    dialog.close();
    QTemporaryDir documents;
    QFile file(documents.filePath(QStringLiteral("a.xls")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    fixture.messages.clear();
    fixture.window().HandleDroppedItem(file.fileName());
    QVERIFY(fixture.messages.texts().constLast().startsWith(QStringLiteral("The installed office cannot write")));
    QVERIFY(fixture.calc.calls.isEmpty());
}

void TestPreferences::keptRunsAreBoundedOnOk()
{
    WindowFixture fixture;
    TfrmParameters &dialog = openDialog(fixture);
    auto *keep = control<QCheckBox>(dialog, "chkKeepOriginals");
    auto *runs = control<QSpinBox>(dialog, "spnKeptRuns");
    auto *size = control<QSpinBox>(dialog, "spnKeptSize");
    QVERIFY(keep->isChecked());
    QCOMPARE(runs->value(), 10);
    QCOMPARE(size->value(), 2048);
    runs->setValue(4);
    keep->click();
    QVERIFY(!runs->isEnabled());
    QTest::mouseClick(control<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    QCOMPARE(fixture.preferences.keptRunLimits(), KeptRunLimits{});

    dialog.open();
    QVERIFY(keep->isChecked());
    QCOMPARE(runs->value(), 10);
    runs->setValue(4);
    size->setValue(300);
    keep->click();
    QTest::mouseClick(control<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
    QCOMPARE(fixture.preferences.keptRunLimits(), (KeptRunLimits{false, 4, 300}));
    QFile ini(fixture.config.filePath(QStringLiteral("Tablevane/Tablevane.ini")));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("[Undo]\r\nKeepOriginals=0\r\nKeptRuns=4\r\nKeptMegabytes=300\r\n"));

    // Rendered for a look at the captions; kept when TABLEVANE_SCREENSHOT names a file.
    dialog.open();
    const QString target = qEnvironmentVariable("TABLEVANE_SCREENSHOT");
    if (!target.isEmpty())
        QVERIFY(dialog.grab().save(target));
}

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
