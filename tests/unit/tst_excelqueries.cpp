#include "AutomationDetectionPort.h"
#include "ExcelQueries.h"
#include "FakeDetectionPort.h"
#include "FakeExcel.h"
#include "FakeWord.h"
#include "OfficeDetection.h"
#include "PreferencesModel.h"
#include "RecordingBackendHost.h"

#include <QLoggingCategory>
#include <QTest>

namespace {

const QString Path = QStringLiteral("/data/pattern.xls");

// Header cells in A1:C1, D1 empty, E1 filled; widths of A to E 8.43, 10.5, 11.5, 20, 30.
FakeExcelWorkbook pattern(const std::vector<std::wstring> &sheets = {L"Widths"})
{
    FakeExcelWorkbook book = FakeExcelWorkbook::withSheets(sheets);
    FakeExcelSheet &sheet = book.sheet();
    sheet.fill({{L"a", 0, L"c", FakeExcelInput(), L"e"}});
    sheet.widths = {{1, 8.43}, {2, 10.5}, {3, 11.5}, {4, 20}, {5, 30}};
    return book;
}

struct Queries
{
    FakeClipboard clipboard;
    FakeExcel excel{clipboard};
    RecordingBackendHost host;

    explicit Queries(const FakeExcelWorkbook &book = pattern()) { excel.disk[Path.toStdWString()] = book; }
};

void verifyEnded(const FakeExcel &excel)
{
    QVERIFY(excel.everyInstanceQuit());
    for (const auto &instance : excel.instances) {
        QVERIFY(!instance->anyWorkbookOpen());
        QVERIFY(instance->alertsOnAtQuit && instance->interactiveAtQuit);
    }
}

void verifyOnlyMessage(const RecordingBackendHost &host, const QString &text)
{
    QCOMPARE(host.messages.size(), 1);
    QCOMPARE(host.messages.first().text, text);
    QCOMPARE(host.messages.first().icon, MessageIcon::Error);
}

} // namespace

// The Excel sheet and pattern queries, "View sheet name" and the detection of Excel and
// Word through their surfaces.
class TestExcelQueries : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sheetNamesFromPositionOne();
    void unreadableDocumentKeepsTheSheetNames();
    void patternWidthsRoundedHalvesToEven();
    void emptyPatternSheetWarns_data();
    void emptyPatternSheetWarns();
    void unreadablePatternGoesBackToAutoWidths_data();
    void unreadablePatternGoesBackToAutoWidths();
    void viewSheetName();
    void detectionThroughTheSurfaces_data();
    void detectionThroughTheSurfaces();
};

void TestExcelQueries::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("tablevane.excel.warning=false"));
}

void TestExcelQueries::sheetNamesFromPositionOne()
{
    Queries q(pattern({L"Erste", L"Zweite", L"Dritte"}));
    ReadSheetNamesExcel(q.excel, Path, q.host);
    QCOMPARE(q.host.results.SheetCount, 3);
    QCOMPARE(q.host.results.SheetNames, (QStringList{QString(), "Erste", "Zweite", "Dritte"}));
    QCOMPARE(q.host.sheetNumberItems, (QStringList{"1", "2", "3"}));
    QVERIFY(!q.host.sheetNumberSelected);
    QVERIFY(q.host.messages.isEmpty());
    verifyEnded(q.excel);
}

void TestExcelQueries::unreadableDocumentKeepsTheSheetNames()
{
    Queries q;
    q.host.results.SheetCount = 2;
    q.host.results.SheetNames = {QString(), "old", "older"};
    q.excel.failOn = {"Workbooks.Open"};
    ReadSheetNamesExcel(q.excel, Path, q.host);
    verifyOnlyMessage(q.host, QStringLiteral("Tablevane cant`t load file"));
    QCOMPARE(q.host.results.SheetCount, 2);
    QCOMPARE(q.host.results.SheetNames.size(), 3);
    QVERIFY(q.host.sheetNumberItems.isEmpty());
    verifyEnded(q.excel);
}

void TestExcelQueries::patternWidthsRoundedHalvesToEven()
{
    Queries q(pattern({L"Other", L"Widths"}));
    q.excel.disk[Path.toStdWString()].sheets[1] = pattern().sheet();
    ReadPatternWidthsExcel(q.excel, Path, 2, q.host);
    QCOMPARE(q.host.results.PatternColumnCount, 3);
    QCOMPARE(q.host.results.PatternWidths, (QVector<int>{0, 8, 10, 12}));
    QVERIFY(q.host.messages.isEmpty());
    QVERIFY(!q.host.autoWidthsChosen);
    verifyEnded(q.excel);
    QCOMPARE(roundHalfToEven(12.5), 12);
    QCOMPARE(roundHalfToEven(12.51), 13);

    // A .xls has 256 columns in Excel 2016 too: the walk ends there, not in an error.
    FakeExcelWorkbook full = FakeExcelWorkbook::withSheets();
    for (int column = 1; column <= 256; ++column)
        full.sheet().cellRef(1, column).value = AutomationValue::fromText(L"h");
    Queries wide(full);
    wide.host.maxColumns = 16384;
    ReadPatternWidthsExcel(wide.excel, Path, 1, wide.host);
    QCOMPARE(wide.host.results.PatternColumnCount, 256);
    QVERIFY(wide.host.messages.isEmpty());
}

void TestExcelQueries::emptyPatternSheetWarns_data()
{
    QTest::addColumn<int>("sheetCount");
    QTest::addColumn<bool>("restarted");
    QTest::newRow("one sheet: the choice starts again") << 1 << true;
    QTest::newRow("several sheets") << 3 << false;
}

void TestExcelQueries::emptyPatternSheetWarns()
{
    QFETCH(int, sheetCount);
    QFETCH(bool, restarted);
    Queries q;
    q.excel.disk[Path.toStdWString()].sheet().cells.erase({1, 1});
    q.host.results.SheetCount = sheetCount;
    q.host.results.PatternColumnCount = 5;
    ReadPatternWidthsExcel(q.excel, Path, 1, q.host);
    QCOMPARE(q.host.results.PatternColumnCount, 0);
    QCOMPARE(q.host.messages.size(), 1);
    QCOMPARE(q.host.messages.first().text,
             QStringLiteral("Selected sheet is empty or empty her first line.\n"
                            "Please select sheet with filled by first line  or file of pattern again"));
    QCOMPARE(q.host.messages.first().icon, MessageIcon::Warning);
    QCOMPARE(q.host.patternSheetName, QString());
    QVERIFY(!q.host.sheetNumberSelected);
    QCOMPARE(q.host.patternFileCleared, restarted);
    QCOMPARE(q.host.patternChoiceRestarted, restarted);
    verifyEnded(q.excel);
}

void TestExcelQueries::unreadablePatternGoesBackToAutoWidths_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("count");   // PatternColumnCount afterwards
    QTest::newRow("cannot open: the count stays") << "Workbooks.Open" << 1 << 5;
    QTest::newRow("no such sheet: nothing counted") << "" << 2 << 0;
    QTest::newRow("Excel cannot start") << "createApplication" << 1 << 5;
}

void TestExcelQueries::unreadablePatternGoesBackToAutoWidths()
{
    QFETCH(QString, failing);
    QFETCH(int, sheet);
    QFETCH(int, count);
    Queries q;
    q.excel.failOn = {failing.toStdString()};
    q.host.results.PatternColumnCount = 5;
    ReadPatternWidthsExcel(q.excel, Path, sheet, q.host);
    verifyOnlyMessage(q.host, QStringLiteral("Tablevane cant`t load file"));
    QVERIFY(q.host.autoWidthsChosen);
    QCOMPARE(q.host.patternSheetName, QString());
    QCOMPARE(q.host.results.PatternColumnCount, count);
    verifyEnded(q.excel);
}

void TestExcelQueries::viewSheetName()
{
    Queries q(pattern({L"One", L"Two"}));
    QCOMPARE(ViewSheetNameExcel(q.excel, Path, 2, q.host), std::optional<QString>(QStringLiteral("Two")));
    QVERIFY(q.host.messages.isEmpty());

    QVERIFY(!ViewSheetNameExcel(q.excel, Path, 7, q.host));
    verifyOnlyMessage(q.host, QStringLiteral("Tablevane can`t load sheet #7"));

    Queries missing;
    missing.excel.disk.clear();
    QVERIFY(!ViewSheetNameExcel(missing.excel, Path, 1, missing.host));
    verifyOnlyMessage(missing.host, QStringLiteral("Tablevane cant`t load file"));
    verifyEnded(q.excel);
    verifyEnded(missing.excel);
}

void TestExcelQueries::detectionThroughTheSurfaces_data()
{
    QTest::addColumn<QString>("version");   // empty: Excel not registered
    QTest::addColumn<bool>("word");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<int>("major");         // -1: not installed
    QTest::addColumn<int>("scanColumns");
    QTest::addColumn<int>("saveAsEntries");
    QTest::newRow("Excel 11") << "11.0" << false << "" << 11 << 256 << 33;
    QTest::newRow("Excel 12 and Word") << "12.0" << true << "" << 12 << 16384 << 22;
    QTest::newRow("Excel 16") << "16.0" << true << "" << 16 << 16384 << 26;
    QTest::newRow("no Excel") << "" << true << "" << -1 << 256 << 23;
    QTest::newRow("Excel without a version") << "16.0" << false << "Application.Version" << -1 << 256 << 23;
}

void TestExcelQueries::detectionThroughTheSurfaces()
{
    QFETCH(QString, version);
    QFETCH(bool, word);
    QFETCH(QString, failing);
    QFETCH(int, major);
    QFETCH(int, scanColumns);
    QFETCH(int, saveAsEntries);
    FakeClipboard clipboard;
    FakeExcel excel(clipboard);
    FakeWord fakeWord(clipboard);
    excel.registered = !version.isEmpty();
    excel.version = version.toStdWString();
    excel.failOn = {failing.toStdString()};
    fakeWord.registered = word;
    FakeDetectionPort calc;
    calc.registered = {QStringLiteral("com.sun.star.ServiceManager")};
    AutomationDetectionPort port(&excel, &fakeWord, calc);

    const OfficeDetectionResult found = OfficeDetection::detect(port);
    QCOMPARE(found.ExcelInstalled, major >= 0);
    QCOMPARE(found.ExcelMajorVersion, qMax(major, 0));
    QCOMPARE(found.WordInstalled, word);
    QVERIFY(found.CalcInstalled);
    QVERIFY(excel.everyInstanceQuit());
    for (const auto &instance : excel.instances)
        QVERIFY(instance->alertsOnAtQuit && instance->interactiveAtQuit);
    for (const auto &instance : fakeWord.instances)
        QVERIFY(instance->quit && instance->displayAlerts);

    // The office reaction picks the scan bounds and the save-as table by the version.
    PreferencesModel preferences;
    preferences.create(found);
    preferences.setOffice(found.ExcelInstalled ? 0 : 1);
    QCOMPARE(preferences.maxScanColumns(), scanColumns);
    QCOMPARE(preferences.maxScanRows(), scanColumns == 256 ? 65536 : 1048576);
    QCOMPARE(preferences.saveAsItems().size(), saveAsEntries);
    QCOMPARE(preferences.docTableEnabled(), found.ExcelInstalled && word);

    // Without COM nothing is registered.
    AutomationDetectionPort platform(nullptr, nullptr, calc);
    QVERIFY(!platform.classRegistered(QStringLiteral("Excel.Application")));
    QVERIFY(!platform.classRegistered(QStringLiteral("Word.Application")));
}

QTEST_GUILESS_MAIN(TestExcelQueries)
#include "tst_excelqueries.moc"
