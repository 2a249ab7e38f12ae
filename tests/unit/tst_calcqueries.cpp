#include "CalcBackend.h"
#include "CalcPaths.h"
#include "CalcQueries.h"
#include "CalcStartTest.h"
#include "FakeCalcOffice.h"
#include "RecordingBackendHost.h"

#include <QLoggingCategory>
#include <QTest>

namespace {

const QString Path = QStringLiteral("/data/pattern.xls");

// A pattern sheet with A1:D1 filled, E1 empty and data beyond.
FakeCalcWorkbook pattern(const QStringList &sheets = {QStringLiteral("Widths")})
{
    FakeCalcWorkbook book = FakeCalcWorkbook::xls(sheets);
    FakeCalcSheetData &s = book.sheet();
    s.fill({{QStringLiteral("a"), 0, QStringLiteral("c"), 4.5, QVariant(), QStringLiteral("f")}});
    for (int column = 0; column < 6; ++column)
        s.columns[column].width = 1000 + 100 * column;
    return book;
}

void verifyReleased(const FakeCalcOffice &office)
{
    QCOMPARE(office.documentsOpen, 0);
    QCOMPARE(office.desktopsAlive, 0);
}

void verifyLoadMessage(const RecordingBackendHost &host)
{
    QCOMPARE(host.messages.size(), 1);
    QCOMPARE(host.messages.first().text, QStringLiteral("Tablevane cant`t load file"));
    QCOMPARE(host.messages.first().icon, MessageIcon::Error);
}

} // namespace

class TestCalcQueries : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sheetNamesFillTheResultsAndTheList();
    void sheetNamesOfAnUnreadableDocumentKeepTheOldResults();
    void patternWidthsOfTheFirstRowColumns();
    void patternReadsTheChosenSheet();
    void emptyPatternSheetWarnsAndRestartsTheChoice_data();
    void emptyPatternSheetWarnsAndRestartsTheChoice();
    void unreadablePatternGoesBackToAutoWidths_data();
    void unreadablePatternGoesBackToAutoWidths();
    void viewSheetName();
    void startTest();
    void documentUrlsAreEncoded();
    void backendPassesSheetsAsItsCallersCountThem();
};

void TestCalcQueries::initTestCase()
{
    // The failures here are wanted; their diagnostics would only hide real output.
    QLoggingCategory::setFilterRules(QStringLiteral("tablevane.calc.warning=false"));
}

void TestCalcQueries::sheetNamesFillTheResultsAndTheList()
{
    FakeCalcOffice office;
    RecordingBackendHost host;
    office.addFile(Path, FakeCalcWorkbook::ods({QStringLiteral("Erste"), QStringLiteral("Zweite"),
                                                QStringLiteral("Dritte")}));
    host.results.SheetNames = {QStringLiteral("old"), QStringLiteral("old"), QStringLiteral("old"),
                               QStringLiteral("old")};
    office.disk.first().loadFilter = QStringLiteral("MS Excel 97");
    ReadSheetNamesCalc(office, Path, host);
    QCOMPARE(host.results.SheetCount, 3);
    QCOMPARE(host.results.SheetNames,
             QStringList({QStringLiteral("Erste"), QStringLiteral("Zweite"), QStringLiteral("Dritte")}));
    QCOMPARE(host.sheetNumberItems, QStringList({"1", "2", "3"}));
    QVERIFY(!host.sheetNumberSelected);
    QVERIFY(host.messages.isEmpty());
    QVERIFY(office.stores.isEmpty());
    verifyReleased(office);
}

void TestCalcQueries::sheetNamesOfAnUnreadableDocumentKeepTheOldResults()
{
    for (const QString &filter : {QString(), QStringLiteral("Text - txt - csv (StarCalc)")}) {
        FakeCalcOffice office;
        RecordingBackendHost host;
        FakeCalcWorkbook book = FakeCalcWorkbook::xls();
        book.loadFilter = filter;
        office.addFile(Path, book);
        host.results.SheetCount = 2;
        host.results.SheetNames = {QStringLiteral("x"), QStringLiteral("y")};
        host.sheetNumberItems = {QStringLiteral("1"), QStringLiteral("2")};
        ReadSheetNamesCalc(office, Path, host);
        verifyLoadMessage(host);
        QCOMPARE(host.results.SheetCount, 2);
        QCOMPARE(host.results.SheetNames.size(), 2);
        QCOMPARE(host.sheetNumberItems.size(), 2);
        QVERIFY(!host.problemLogged);
        QVERIFY(host.logLines.isEmpty());
        verifyReleased(office);
    }
}

void TestCalcQueries::patternWidthsOfTheFirstRowColumns()
{
    FakeCalcOffice office;
    RecordingBackendHost host;
    office.addFile(Path, pattern());
    ReadPatternWidthsCalc(office, Path, 0, host);
    // A1:D1, the number 0 included; F1 lies beyond the gap.
    QCOMPARE(host.results.PatternColumnCount, 4);
    QCOMPARE(host.results.PatternWidths.mid(1), QVector<int>({1000, 1100, 1200, 1300}));
    QVERIFY(host.messages.isEmpty());
    QVERIFY(host.events.isEmpty());
    QVERIFY(office.stores.isEmpty());
    verifyReleased(office);

    host.maxColumns = 2;
    ReadPatternWidthsCalc(office, Path, 0, host);
    QCOMPARE(host.results.PatternColumnCount, 2);
    QCOMPARE(host.results.PatternWidths.mid(1), QVector<int>({1000, 1100}));
}

void TestCalcQueries::patternReadsTheChosenSheet()
{
    FakeCalcOffice office;
    RecordingBackendHost host;
    FakeCalcWorkbook book = pattern({QStringLiteral("One"), QStringLiteral("Two")});
    book.sheet(1).fill({{1, 2}});
    book.sheet(1).columns[1].width = 4321;
    office.addFile(Path, book);
    ReadPatternWidthsCalc(office, Path, 1, host);
    QCOMPARE(host.results.PatternColumnCount, 2);
    QCOMPARE(host.results.PatternWidths.mid(1), QVector<int>({2258, 4321}));
}

void TestCalcQueries::emptyPatternSheetWarnsAndRestartsTheChoice_data()
{
    QTest::addColumn<int>("sheetCount");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("one sheet") << 1
                               << QStringList{"message", "patternSheetName", "clearSheetNumberSelection",
                                              "clearPatternFileField", "sheetNumberItems",
                                              "restartPatternChoice"};
    QTest::newRow("two sheets") << 2
                                << QStringList{"message", "patternSheetName", "clearSheetNumberSelection"};
}

void TestCalcQueries::emptyPatternSheetWarnsAndRestartsTheChoice()
{
    QFETCH(int, sheetCount);
    QFETCH(QStringList, events);
    FakeCalcOffice office;
    RecordingBackendHost host;
    FakeCalcWorkbook book = FakeCalcWorkbook::xls();
    book.sheet().fill({{QVariant(), 1, 2}});
    office.addFile(Path, book);
    host.results.SheetCount = sheetCount;
    host.results.PatternColumnCount = 5;
    host.sheetNumberItems = {QStringLiteral("1")};
    ReadPatternWidthsCalc(office, Path, 0, host);
    QCOMPARE(host.results.PatternColumnCount, 0);
    QCOMPARE(host.events, events);
    QCOMPARE(host.messages.first().text,
             QStringLiteral("Selected sheet is empty or empty her first line.\n"
                            "Please select sheet with filled by first line  or file of pattern again"));
    QCOMPARE(host.messages.first().icon, MessageIcon::Warning);
    QCOMPARE(host.patternSheetName, QString());
    QCOMPARE(host.sheetNumberItems.isEmpty(), sheetCount == 1);
    verifyReleased(office);
}

void TestCalcQueries::unreadablePatternGoesBackToAutoWidths_data()
{
    QTest::addColumn<bool>("onDisk");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QString>("failingCall");
    QTest::newRow("missing file") << false << 0 << QString();
    QTest::newRow("sheet beyond the last") << true << 3 << QString();
    QTest::newRow("no office") << true << 0 << "createDesktop";
    QTest::newRow("widths") << true << 0 << "columnWidths";
}

void TestCalcQueries::unreadablePatternGoesBackToAutoWidths()
{
    QFETCH(bool, onDisk);
    QFETCH(int, sheet);
    QFETCH(QString, failingCall);
    FakeCalcOffice office;
    RecordingBackendHost host;
    if (onDisk)
        office.addFile(Path, pattern());
    office.failOn.insert(failingCall);
    host.results.PatternColumnCount = 7;
    host.results.PatternWidths = {0, 1, 2, 3, 4, 5, 6, 7};
    ReadPatternWidthsCalc(office, Path, sheet, host);
    QCOMPARE(host.events, QStringList({"chooseAutoWidths", "patternSheetName", "message"}));
    verifyLoadMessage(host);
    QCOMPARE(host.patternSheetName, QString());
    QCOMPARE(host.results.PatternColumnCount, 7);
    QCOMPARE(host.results.PatternWidths.size(), 8);
    verifyReleased(office);
}

void TestCalcQueries::viewSheetName()
{
    FakeCalcOffice office;
    RecordingBackendHost host;
    office.addFile(Path, FakeCalcWorkbook::xls({QStringLiteral("One"), QStringLiteral("Two")}));
    QCOMPARE(ViewSheetNameCalc(office, Path, 2, host), std::optional<QString>(QStringLiteral("Two")));
    QVERIFY(host.messages.isEmpty());

    QCOMPARE(ViewSheetNameCalc(office, Path, 3, host), std::nullopt);
    QCOMPARE(host.messages.last().text, QStringLiteral("Tablevane can`t load sheet #3"));
    QCOMPARE(host.messages.last().icon, MessageIcon::Error);
    verifyReleased(office);

    RecordingBackendHost missing;
    QCOMPARE(ViewSheetNameCalc(office, QStringLiteral("/data/none.xls"), 1, missing), std::nullopt);
    verifyLoadMessage(missing);
    verifyReleased(office);
}

void TestCalcQueries::startTest()
{
    FakeCalcOffice office;
    QVERIFY(CalcStartTest(office));
    QCOMPARE(office.loadedUrls, QStringList({"private:factory/scalc"}));
    verifyReleased(office);
    for (const QString &call : {QStringLiteral("createDesktop"), QStringLiteral("load")}) {
        FakeCalcOffice failing;
        failing.failOn.insert(call);
        QVERIFY(!CalcStartTest(failing));
        verifyReleased(failing);
    }
}

void TestCalcQueries::documentUrlsAreEncoded()
{
    QCOMPARE(CalcPaths::documentUrl(QStringLiteral("/tmp/a b#1 100%/Müller.xls")),
             QStringLiteral("file:///tmp/a%20b%231%20100%25/M%C3%BCller.xls"));
}

void TestCalcQueries::backendPassesSheetsAsItsCallersCountThem()
{
    FakeCalcOffice office;
    RecordingBackendHost host;
    office.addFile(Path, pattern({QStringLiteral("One"), QStringLiteral("Two")}));
    CalcBackend backend(office);
    // viewSheetName takes the sheet number of the window, readPatternWidths an index.
    QCOMPARE(backend.viewSheetName(Path, 1, host), std::optional<QString>(QStringLiteral("One")));
    backend.readPatternWidths(Path, 0, host);
    QCOMPARE(host.results.PatternColumnCount, 4);
    backend.readSheetNames(Path, host);
    QCOMPARE(host.results.SheetCount, 2);
}

QTEST_GUILESS_MAIN(TestCalcQueries)
#include "tst_calcqueries.moc"
