#include "ExcelBackend.h"
#include "FakeExcel.h"
#include "FakeWord.h"
#include "FormatDocumentExcel.h"
#include "FormatJob.h"
#include "ProcessProgress.h"
#include "RecordingBackendHost.h"

#include "TestFiles.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QLoggingCategory>
#include <QPoint>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A fresh folder of every test (and data row): documents are real files there.
QString WorkDir;
QString XlsPath;

QString inWork(const QString &name)
{
    return WorkDir + QLatin1Char('/') + name;
}

std::wstring wide(const QString &path)
{
    return path.toStdWString();
}

// A header row and five rows in A1:C6: texts in column A, numbers in B and C.
FakeExcelWorkbook table(const std::vector<std::wstring> &sheets = {L"Sheet1"})
{
    FakeExcelWorkbook book = FakeExcelWorkbook::withSheets(sheets);
    for (FakeExcelSheet &sheet : book.sheets) {
        sheet.fill({{L"Name", L"Count", L"Share"}, {L"a", 1, 0.5}, {L"b", 2, 0.25}, {L"c", 3, 0.125},
                    {L"d", 4, 0.0625}, {L"e", 5, 0.03125}});
    }
    return book;
}

// A run through Excel 2016 on .xls documents, stored as "Excel 97-2003 Workbook" over
// themselves.
FormatJob defaultJob()
{
    FormatJob job;
    job.saveAs.Office = 0;
    job.saveAs.Extension = 0;
    job.saveAs.SaveAs = 0;
    job.saveAs.ExcelMajorVersion = 16;
    job.saveAs.excelCode = 1;
    job.maxScanColumns = 16384;
    job.maxScanRows = 1048576;
    return job;
}


// Every file and folder of the work folder, hidden ones too.
QStringList workFolder()
{
    return QDir(WorkDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

struct Run
{
    FakeClipboard clipboard;
    FakeExcel excel{clipboard};
    FakeWord word{clipboard};
    RecordingBackendHost host;
    FormatJob job = defaultJob();

    // The document table.xls holds book; nothing is put there without one.
    explicit Run(const std::optional<FakeExcelWorkbook> &book = table())
    {
        if (book)
            put(*book);
    }

    void put(const FakeExcelWorkbook &book, const QString &path = XlsPath) { excel.addFile(wide(path), book); }
    void format(int sheet = 1, const QString &path = XlsPath)
    {
        FormatDocumentExcel(excel, &word, path, sheet, 3, 7, job, host);
    }
    void formatAll(const QString &path = XlsPath) { FormatAllSheetsExcel(excel, &word, path, 3, 7, job, host); }
    void manualRange(const QString &left, const QString &right, const QString &top, const QString &bottom)
    {
        job.set.RangeAuto = false;
        job.set.LeftColumn = left;
        job.set.RightColumn = right;
        job.set.TopDigit = top;
        job.set.BottomDigit = bottom;
    }
    FakeExcelWorkbook stored(const QString &path = XlsPath) const
    {
        const std::optional<FakeExcelWorkbook> book = excel.read(wide(path));
        if (!book)
            qWarning("no workbook at %s", qPrintable(path));
        return book.value_or(FakeExcelWorkbook::withSheets({L"missing", L"missing", L"missing"}));
    }
    FakeExcelSheet sheet(int number = 1, const QString &path = XlsPath) const { return stored(path).sheet(number); }
    int saves() const
    {
        int count = 0;
        for (const auto &instance : excel.instances) {
            for (const FakeExcelOpenWorkbook &book : instance->workbooks)
                count += int(book.saves.size());
        }
        return count;
    }
    QString lastLog() const { return host.logLines.isEmpty() ? QString() : host.logLines.last().second; }
};

// Every instance hidden, ended with alerts and input back on, its workbook closed, the
// clipboard let go, no question left unanswered.
void verifyExcelEnded(const FakeExcel &excel, bool alertsRestorable = true)
{
    QVERIFY(excel.everyInstanceQuit());
    for (const auto &instance : excel.instances) {
        if (instance->process->ended())
            continue;   // ended by the watchdog: nothing is left of it
        QVERIFY(instance->quit);
        QVERIFY(!instance->anyWorkbookOpen());
        QVERIFY(!instance->cutCopyMode);
        QVERIFY(instance->process->prompts().empty());
        if (alertsRestorable) {
            QVERIFY(instance->alertsOnAtQuit);
            QVERIFY(instance->interactiveAtQuit);
        }
    }
}

void verifyProgress(const RecordingBackendHost &host)
{
    QCOMPARE(host.progress.size(), 1);
    QCOMPARE(host.progress.first().position, 3);
    QCOMPARE(host.progress.first().count, 7);
    QCOMPARE(host.progress.first().wording, ProgressWording::Excel);
}

void verifyStored(Run &run)
{
    QVERIFY2(!run.host.problemLogged, qPrintable(run.lastLog()));
    for (const auto &line : run.host.logLines)
        QVERIFY2(line.second.contains(QStringLiteral("moved to the trash")), qPrintable(line.second));
    QCOMPARE(run.saves(), 1);
    verifyProgress(run.host);
    verifyExcelEnded(run.excel);
    QVERIFY(run.excel.overwritten.empty());
}

// One log line: the local date and time, " - " and the path; then " - ", message 46
// and, where one is known, the reason.
void verifyFailed(Run &run, const QString &reason = QString(), const QString &path = XlsPath)
{
    QVERIFY(run.host.problemLogged);
    QCOMPARE(run.saves(), 0);
    verifyProgress(run.host);
    if (!run.job.set.Log) {
        QVERIFY(run.host.logLines.isEmpty());
        return;
    }
    QCOMPARE(run.host.logLines.size(), 1);
    const QString first = run.host.logLines.first().first;
    QVERIFY2(first.startsWith(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)), qPrintable(first));
    QVERIFY2(first.endsWith(QStringLiteral(" - ") + path), qPrintable(first));
    const QString second = run.host.logLines.first().second;
    QVERIFY2(second.startsWith(QStringLiteral(" - can`t process document") + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason)),
             qPrintable(second));
}

bool filled(const FakeExcelSheet &sheet, int row, int column)
{
    return sheet.cell(row, column).wrapText;
}

} // namespace

// FormatDocumentExcel and FormatAllSheetsExcel over the simulated Excel (and Word), on
// real files: what the document looks like afterwards, where it was stored, what became
// of the files on disk, and how every way out ends Excel.
class TestExcelFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void emptyFirstCellFailsWithItsReason();
    void scanStopsAtGapsAndTheGrid_data();
    void scanStopsAtGapsAndTheGrid();
    void manualRangeIsPutInOrder_data();
    void manualRangeIsPutInOrder();
    void fontOnTheWholeRange_data();
    void fontOnTheWholeRange();
    void edgesAndCornersAreBold_data();
    void edgesAndCornersAreBold();
    void pageSetupAndHeader_data();
    void pageSetupAndHeader();
    void bordersAndApa_data();
    void bordersAndApa();
    void interleave_data();
    void interleave();
    void widthsFittedOrFromThePattern();
    void storedInPlaceOrBesideIt_data();
    void storedInPlaceOrBesideIt();
    void saveAsChoiceWithoutDocumentedFormatIsRefused_data();
    void saveAsChoiceWithoutDocumentedFormatIsRefused();
    void filesOnDiskAreRespected_data();
    void filesOnDiskAreRespected();
    void misreadDocumentIsRefused_data();
    void misreadDocumentIsRefused();
    void wordTableLeavesTheWorkbookUnchanged();
    void failuresEndExcelAndAreLogged_data();
    void failuresEndExcelAndAreLogged();
    void noQuestionHangsARun_data();
    void noQuestionHangsARun();
    void watchdogTellsAHangFromWork();
    void allSheetsInOneOpening_data();
    void allSheetsInOneOpening();

private:
    QTemporaryDir m_data;
};

void TestExcelFormat::initTestCase()
{
    // The failures here are wanted; their diagnostics would only hide real output.
    QLoggingCategory::setFilterRules(QStringLiteral("tablevane.excel.warning=false"));
    // Files in the way of a result go to a trash of the test's own.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.filePath(QStringLiteral("data"))));
}

void TestExcelFormat::init()
{
    static int tests = 0;
    WorkDir = m_data.filePath(QStringLiteral("work-%1").arg(++tests));
    QVERIFY(QDir().mkpath(WorkDir));
    XlsPath = inWork(QStringLiteral("table.xls"));
}

void TestExcelFormat::emptyFirstCellFailsWithItsReason()
{
    // Nothing formatted is no success: the document fails with the reason, unchanged.
    FakeExcelWorkbook book = table();
    book.sheet().cells.erase({1, 1});
    Run run(book);
    const QByteArray before = TestFiles::read(XlsPath);
    run.format();
    verifyFailed(run, QStringLiteral("nothing to format: cell A1 of sheet 1 is empty"));
    verifyExcelEnded(run.excel);
    QCOMPARE(TestFiles::read(XlsPath), before);
    QCOMPARE(workFolder(), QStringList{QStringLiteral("table.xls")});
}

void TestExcelFormat::scanStopsAtGapsAndTheGrid_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("fileFormat");  // as Excel reads the document
    QTest::addColumn<int>("columns");     // filled cells of the first row from A1
    QTest::addColumn<int>("rows");        // filled cells of the first column from A1
    QTest::addColumn<QPoint>("gap");      // an empty cell (column, row), none at 0
    QTest::addColumn<QPoint>("corner");   // the bottom-right cell found (column, row)
    QTest::newRow("first-column gap") << "16.0" << 56 << 3 << 6 << QPoint(1, 4) << QPoint(3, 3);
    QTest::newRow("first-row gap") << "16.0" << 56 << 3 << 6 << QPoint(2, 1) << QPoint(1, 6);
    QTest::newRow("Excel 2003: 256 columns") << "11.0" << -4143 << 300 << 2 << QPoint() << QPoint(256, 2);
    QTest::newRow("a .xls in Excel 2016: 256 columns") << "16.0" << 56 << 300 << 2 << QPoint() << QPoint(256, 2);
    QTest::newRow("a .xlsx in Excel 2016: 16384 columns") << "16.0" << 51 << 16384 << 2 << QPoint() << QPoint(16384, 2);
}

void TestExcelFormat::scanStopsAtGapsAndTheGrid()
{
    QFETCH(QString, version);
    QFETCH(int, fileFormat);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QPoint, gap);
    QFETCH(QPoint, corner);
    FakeExcelWorkbook book = FakeExcelWorkbook::withSheets();
    book.fileFormat = fileFormat;
    FakeExcelSheet &sheet = book.sheet();
    for (int column = 1; column <= std::min(columns, book.lastColumn(16)); ++column)
        sheet.cellRef(1, column).value = AutomationValue::fromText(L"h");
    for (int row = 1; row <= rows; ++row)
        sheet.cellRef(row, 1).value = AutomationValue::fromText(L"v");
    sheet.cellRef(3, 5).value = AutomationValue::fromText(L"beyond");   // inside only when the scan reaches it
    sheet.cells.erase({gap.y(), gap.x()});
    const QString path = inWork(fileFormat == 51 ? QStringLiteral("table.xlsx") : QStringLiteral("table.xls"));
    Run run(std::nullopt);
    run.put(book, path);
    run.excel.version = version.toStdWString();
    run.job.saveAs.ExcelMajorVersion = int(version.toDouble());
    run.job.saveAs.excelCode = fileFormat == 51 ? 51 : 1;
    if (version == QStringLiteral("11.0")) {
        run.job.maxScanColumns = 256;
        run.job.maxScanRows = 65536;
    }
    run.format(1, path);
    verifyStored(run);
    const FakeExcelSheet stored = run.sheet(1, path);
    QVERIFY(filled(stored, corner.y(), corner.x()));
    QVERIFY(!filled(stored, corner.y() + 1, corner.x()));
    QVERIFY(!filled(stored, corner.y(), corner.x() + 1));
}

void TestExcelFormat::manualRangeIsPutInOrder_data()
{
    QTest::addColumn<QStringList>("combos");   // left, right, top, bottom
    QTest::addColumn<QPoint>("topLeft");       // (column, row)
    QTest::addColumn<QPoint>("bottomRight");
    QTest::newRow("C/A and 5/2") << QStringList{"C", "A", "5", "2"} << QPoint(1, 2) << QPoint(3, 5);
    // By column number: B to AA, not AA to B as the texts would order them.
    QTest::newRow("B/AA") << QStringList{"B", "AA", "1", "3"} << QPoint(2, 1) << QPoint(27, 3);
    QTest::newRow("lower case from a set file") << QStringList{"a", "b", "1", "1"} << QPoint(1, 1) << QPoint(2, 1);
}

void TestExcelFormat::manualRangeIsPutInOrder()
{
    QFETCH(QStringList, combos);
    QFETCH(QPoint, topLeft);
    QFETCH(QPoint, bottomRight);
    Run run;
    run.manualRange(combos.at(0), combos.at(1), combos.at(2), combos.at(3));
    run.job.set.BoldTopLine = false;
    run.job.set.BoldLeftFirst = true;
    run.job.set.InterLeave = 2;
    run.job.set.InterLeaveColor = 0x00CCFFCC;
    run.format();
    verifyStored(run);
    const FakeExcelSheet sheet = run.sheet();
    QVERIFY(filled(sheet, topLeft.y(), topLeft.x()));
    QVERIFY(filled(sheet, bottomRight.y(), bottomRight.x()));
    QVERIFY(!filled(sheet, topLeft.y(), topLeft.x() - 1));
    QVERIFY(!filled(sheet, bottomRight.y() + 1, bottomRight.x()));
    QVERIFY(!filled(sheet, bottomRight.y(), bottomRight.x() + 1));
    // The left column is bold and the columns right of it are interleaved.
    QVERIFY(sheet.cell(bottomRight.y(), topLeft.x()).bold);
    QVERIFY(!sheet.cell(bottomRight.y(), bottomRight.x()).bold);
    QVERIFY(sheet.cell(topLeft.y(), topLeft.x() + 1).fill.has_value() == ((topLeft.x() + 1) % 2 == 0));
}

void TestExcelFormat::fontOnTheWholeRange_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<int>("expectedSize");
    QTest::newRow("given") << "Times New Roman" << "14" << "Times New Roman" << 14;
    QTest::newRow("empty size") << "Verdana" << "" << "Verdana" << 10;
    QTest::newRow("size 0") << "Verdana" << "0" << "Verdana" << 10;
    QTest::newRow("no font chosen keeps the cells' font") << "" << "12" << "Arial" << 12;
}

void TestExcelFormat::fontOnTheWholeRange()
{
    QFETCH(QString, name);
    QFETCH(QString, size);
    QFETCH(QString, expectedName);
    QFETCH(int, expectedSize);
    Run run;
    run.job.set.FontAsIs = false;
    run.job.set.FontName = name;
    run.job.set.FontSize = size;
    run.job.set.Italic = true;
    run.job.set.Bold = true;
    run.job.set.FontColor = 0x00123456;
    run.format();
    verifyStored(run);
    const FakeExcelCell inside = run.sheet().cell(4, 2);
    QCOMPARE(QString::fromStdWString(inside.fontName), expectedName);
    QCOMPARE(inside.fontSize, expectedSize);
    QVERIFY(inside.bold && inside.italic);
    QCOMPARE(inside.fontColor, 0x00123456u);   // Windows colours go to Excel unchanged
    QCOMPARE(run.sheet().cell(7, 2).fontSize, 10);

    // The top row: bold and centred, or normal and left (xlHAlignCenter, xlHAlignLeft).
    QCOMPARE(run.sheet().cell(1, 2).horizontalAlignment, -4108);
    init();
    Run plain;
    plain.job.set.BoldTopLine = false;
    plain.format();
    QVERIFY(!plain.sheet().cell(1, 2).bold);
    QCOMPARE(plain.sheet().cell(1, 2).horizontalAlignment, -4131);
}

void TestExcelFormat::edgesAndCornersAreBold_data()
{
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("bottom");
    // Bold or not: the left column, right column and bottom row inside, then the corners
    // top-left, top-right, bottom-left, bottom-right.
    QTest::addColumn<QList<bool>>("bold");
    QTest::newRow("top without left") << true << false << false << false
                                      << QList<bool>{false, false, false, true, true, false, false};
    QTest::newRow("left") << false << true << false << false
                          << QList<bool>{true, false, false, true, false, true, false};
    QTest::newRow("right") << false << false << true << false
                           << QList<bool>{false, true, false, false, true, false, true};
    QTest::newRow("bottom") << false << false << false << true
                            << QList<bool>{false, false, true, false, false, true, true};
}

void TestExcelFormat::edgesAndCornersAreBold()
{
    QFETCH(bool, top);
    QFETCH(bool, left);
    QFETCH(bool, right);
    QFETCH(bool, bottom);
    QFETCH(QList<bool>, bold);
    Run run;
    run.job.set.BoldTopLine = top;
    run.job.set.BoldLeftFirst = left;
    run.job.set.BoldLastRight = right;
    run.job.set.BoldLastLine = bottom;
    run.format();
    verifyStored(run);
    const FakeExcelSheet s = run.sheet();
    const QList<bool> actual = {s.cell(3, 1).bold, s.cell(3, 3).bold, s.cell(6, 2).bold, s.cell(1, 1).bold,
                                s.cell(1, 3).bold, s.cell(6, 1).bold, s.cell(6, 3).bold};
    QCOMPARE(actual, bold);
    QVERIFY(!s.cell(3, 2).bold);
}

void TestExcelFormat::pageSetupAndHeader_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("fileName");
    QTest::addColumn<bool>("pageNumbers");
    QTest::addColumn<QString>("centreBefore");
    QTest::addColumn<int>("excelOrientation");
    QTest::addColumn<QStringList>("headers");   // left, centre
    QTest::newRow("portrait, file name: the centre is the user's") << 0 << true << false << "centre" << 1
                                                                   << QStringList{"&F", "centre"};
    QTest::newRow("landscape, page numbers after the user's centre") << 1 << false << true << "centre" << 2
                                                                     << QStringList{"", "centre&P"};
    QTest::newRow("as is, formatted again: still one page number") << 2 << true << true << "Page &P of &N && more&P"
                                                                   << 2 << QStringList{"&F", "Page  of &N && more&P"};
}

void TestExcelFormat::pageSetupAndHeader()
{
    QFETCH(int, orientation);
    QFETCH(bool, fileName);
    QFETCH(bool, pageNumbers);
    QFETCH(QString, centreBefore);
    QFETCH(int, excelOrientation);
    QFETCH(QStringList, headers);
    FakeExcelWorkbook book = table();
    book.sheet().pageSetup.orientation = 2;
    book.sheet().pageSetup.centerHeader = centreBefore.toStdWString();
    Run run(book);
    run.job.set.Orientation = orientation;
    run.job.set.FName = fileName;
    run.job.set.PageNumeration = pageNumbers;
    run.format();
    verifyStored(run);
    const FakeExcelPageSetup page = run.sheet().pageSetup;
    QCOMPARE(page.orientation, excelOrientation);
    QCOMPARE(QString::fromStdWString(page.leftHeader), headers.at(0));
    QCOMPARE(QString::fromStdWString(page.centerHeader), headers.at(1));
    QVERIFY(!page.centerHorizontally);
}

void TestExcelFormat::bordersAndApa_data()
{
    QTest::addColumn<bool>("borders");
    QTest::addColumn<bool>("apa");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QList<int>>("lines");        // left, right, top, bottom of an inner cell
    QTest::addColumn<QList<int>>("alignments");   // columns A, B below the top row
    const int none = FakeExcelNoLine;
    QTest::newRow("borders") << true << false << true << QList<int>{1, 1, 1, 1} << QList<int>{0, 0};
    QTest::newRow("no borders") << false << false << true << QList<int>{none, none, none, none} << QList<int>{0, 0};
    // The lines between the cells are shared: the top line of each cell is the bottom
    // line of the one above it.
    QTest::newRow("apa") << true << true << true << QList<int>{none, none, 1, 1} << QList<int>{-4131, 1};
    QTest::newRow("apa without borders") << false << true << true << QList<int>{none, none, 1, 1}
                                         << QList<int>{-4131, 1};
    QTest::newRow("apa with combos") << true << true << false << QList<int>{none, none, 1, 1} << QList<int>{0, 0};
}

void TestExcelFormat::bordersAndApa()
{
    QFETCH(bool, borders);
    QFETCH(bool, apa);
    QFETCH(bool, automatic);
    QFETCH(QList<int>, lines);
    QFETCH(QList<int>, alignments);
    Run run;
    run.job.set.Borders = borders;
    run.job.set.APAStyle = apa;
    if (!automatic)
        run.manualRange(QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("1"), QStringLiteral("6"));
    run.format();
    verifyStored(run);
    const FakeExcelSheet s = run.sheet();
    const FakeExcelEdges inner = s.edges(3, 2);
    QCOMPARE((QList<int>{inner.left, inner.right, inner.top, inner.bottom}), lines);
    QCOMPARE((QList<int>{s.cell(4, 1).horizontalAlignment, s.cell(4, 2).horizontalAlignment}), alignments);
    QCOMPARE(s.cell(1, 1).horizontalAlignment, -4108);   // the top row keeps its own
    const FakeExcelPageSetup &page = s.pageSetup;
    QCOMPARE(page.centerHorizontally, apa);
    QCOMPARE(page.leftMargin, apa ? 72 : 50.4);
    QCOMPARE(page.rightMargin, apa ? 72 : 50.4);
    QCOMPARE(page.topMargin, apa ? 72 : 54.0);
    QCOMPARE(page.bottomMargin, apa ? 72 : 54.0);
}

void TestExcelFormat::interleave_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("combos");
    QTest::addColumn<QList<QPoint>>("coloured");   // (column, row)
    QTest::addColumn<QList<QPoint>>("plain");
    QTest::newRow("rows from 3") << 1 << QStringList{"A", "C", "3", "9"}
                                 << QList<QPoint>{{1, 4}, {3, 6}, {2, 8}}
                                 << QList<QPoint>{{1, 3}, {2, 5}, {3, 9}, {1, 10}, {4, 4}};
    QTest::newRow("columns from B") << 2 << QStringList{"B", "H", "1", "2"}
                                    << QList<QPoint>{{4, 1}, {6, 2}, {8, 1}}
                                    << QList<QPoint>{{2, 1}, {3, 1}, {5, 2}, {7, 1}, {4, 3}};
    QTest::newRow("none clears") << 0 << QStringList{"A", "C", "1", "6"} << QList<QPoint>{}
                                 << QList<QPoint>{{2, 2}, {3, 5}};
    QTest::newRow("as is keeps") << 3 << QStringList{"A", "C", "1", "6"} << QList<QPoint>{{2, 2}, {3, 5}}
                                 << QList<QPoint>{};
}

void TestExcelFormat::interleave()
{
    QFETCH(int, mode);
    QFETCH(QStringList, combos);
    QFETCH(QList<QPoint>, coloured);
    QFETCH(QList<QPoint>, plain);
    FakeExcelWorkbook book = table();
    if (mode == 0 || mode == 3) {
        for (int row = 1; row <= 6; ++row) {
            for (int column = 1; column <= 3; ++column)
                book.sheet().cellRef(row, column).fill = 0x00FF0000;   // an earlier background
        }
    }
    Run run(book);
    run.manualRange(combos.at(0), combos.at(1), combos.at(2), combos.at(3));
    run.job.set.InterLeave = mode;
    run.job.set.InterLeaveColor = 0x00CCFFCC;
    run.format();
    verifyStored(run);
    const FakeExcelSheet sheet = run.sheet();
    for (const QPoint &cell : coloured)
        QVERIFY2(sheet.cell(cell.y(), cell.x()).fill.has_value(), qPrintable(QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y())));
    if (mode == 1 || mode == 2)
        QCOMPARE(*sheet.cell(coloured.first().y(), coloured.first().x()).fill, 0x00CCFFCCu);
    for (const QPoint &cell : plain)
        QVERIFY2(!sheet.cell(cell.y(), cell.x()).fill, qPrintable(QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y())));
}

void TestExcelFormat::widthsFittedOrFromThePattern()
{
    Run run;
    run.format();
    verifyStored(run);
    QVERIFY(run.sheet().autoFitted == (std::set<int>{1, 2, 3}));

    // A pattern of 3 columns over a range of 5: only the first 3 get widths.
    init();
    Run pattern;
    pattern.manualRange(QStringLiteral("B"), QStringLiteral("F"), QStringLiteral("1"), QStringLiteral("6"));
    pattern.job.set.WidthByPattern = true;
    pattern.job.patternWidths = {0, 11, 12, 13};
    pattern.job.patternColumnCount = 3;
    pattern.format();
    verifyStored(pattern);
    const FakeExcelSheet s = pattern.sheet();
    QCOMPARE((QList<double>{s.width(1), s.width(2), s.width(3), s.width(4), s.width(5)}),
             (QList<double>{8.43, 11, 12, 13, 8.43}));
    QVERIFY(s.autoFitted.empty());

    // Excel takes no width over 255: the document fails, unchanged.
    init();
    Run wide;
    wide.job.set.WidthByPattern = true;
    wide.job.patternWidths = {0, 300};
    wide.job.patternColumnCount = 1;
    const QByteArray before = TestFiles::read(XlsPath);
    wide.format();
    verifyFailed(wide);
    QCOMPARE(TestFiles::read(XlsPath), before);
}

void TestExcelFormat::storedInPlaceOrBesideIt_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("readAs");     // the format Excel reads the document in
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("code");       // the save-as table's
    QTest::addColumn<int>("saveAs");     // the number SaveAs is given
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("after");  // the source: "replaced", "kept" or "trashed"
    QTest::newRow("xls in place") << "table.xls" << 56 << "16.0" << 1 << 56 << "table.xls" << "replaced";
    QTest::newRow("xls in place, Excel 2003") << "table.xls" << -4143 << "11.0" << 1 << -4143 << "table.xls"
                                              << "replaced";
    QTest::newRow("xls to xlsx") << "table.xls" << 56 << "16.0" << 51 << 51 << "table.xlsx" << "kept";
    QTest::newRow("Unicode text") << "table.xls" << 56 << "16.0" << 42 << 42 << "table.txt" << "kept";
    QTest::newRow("tab-delimited text") << "table.xls" << 56 << "16.0" << 3 << -4158 << "table.txt" << "kept";
    QTest::newRow("two dots") << "report.final.xls" << 56 << "16.0" << 51 << 51 << "report.final.xlsx" << "kept";
    QTest::newRow("HTML named xls") << "table.xls" << 44 << "16.0" << 1 << 56 << "table.xls" << "trashed";
    QTest::newRow("xlsx in place") << "table.xlsx" << 51 << "16.0" << 51 << 51 << "table.xlsx" << "replaced";
    QTest::newRow("upper-case extension") << "T.XLS" << 56 << "16.0" << 1 << 56 << "T.XLS" << "replaced";
}

// Where a result goes, from the format Excel read and the format chosen: over the
// document only in its own format; anywhere else beside it, and the document itself in
// the trash when a result of another format takes its name. Always through a result in
// a private folder first.
void TestExcelFormat::storedInPlaceOrBesideIt()
{
    QFETCH(QString, source);
    QFETCH(int, readAs);
    QFETCH(QString, version);
    QFETCH(int, code);
    QFETCH(int, saveAs);
    QFETCH(QString, target);
    QFETCH(QString, after);
    FakeExcelWorkbook book = table();
    book.fileFormat = readAs;
    Run run(std::nullopt);
    run.put(book, inWork(source));
    run.excel.version = version.toStdWString();
    run.job.saveAs.ExcelMajorVersion = int(version.toDouble());
    run.job.saveAs.excelCode = code;
    const QByteArray original = TestFiles::read(inWork(source));
    run.format(1, inWork(source));
    verifyStored(run);
    const auto &saves = run.excel.lastInstance().workbooks.front().saves;
    QVERIFY2(QString::fromStdWString(saves.front().first).contains(QStringLiteral("/.~tablevane-")),
             qPrintable(QString::fromStdWString(saves.front().first)));
    QCOMPARE(QString::fromStdWString(saves.front().second), QString::number(saveAs));
    const QString stored = inWork(target);
    QVERIFY(filled(run.sheet(1, stored), 1, 1));
    QCOMPARE(run.stored(stored).fileFormat, saveAs);
    if (after == QLatin1String("kept"))
        QCOMPARE(TestFiles::read(inWork(source)), original);
    QCOMPARE(run.host.notices.size(), after == QLatin1String("trashed") ? 1 : 0);
    if (after == QLatin1String("trashed")) {
        const QString notice = run.host.notices.first();
        QCOMPARE(TestFiles::read(notice.mid(notice.lastIndexOf(QStringLiteral(": ")) + 2)), original);
    }
    // Nothing else is left in the folder: no private folder, no lock file.
    QStringList expected{source};
    if (after == QLatin1String("kept"))
        expected.append(target);
    expected.sort();
    QCOMPARE(workFolder(), expected);
}

void TestExcelFormat::saveAsChoiceWithoutDocumentedFormatIsRefused_data()
{
    QTest::addColumn<int>("code");   // -1: no save-as choice
    QTest::addColumn<QString>("reason");
    QTest::newRow("XML data") << 49 << "Excel has no file format that SaveAs writes for the save-as choice (code 49)";
    QTest::newRow("PDF") << 57 << "Excel has no file format that SaveAs writes for the save-as choice (code 57)";
    QTest::newRow("none chosen") << -1 << "no save-as format is chosen";
}

void TestExcelFormat::saveAsChoiceWithoutDocumentedFormatIsRefused()
{
    QFETCH(int, code);
    QFETCH(QString, reason);
    Run run;
    if (code < 0)
        run.job.saveAs.excelCode.reset();
    else
        run.job.saveAs.excelCode = code;
    run.format();
    verifyFailed(run, reason);
    QVERIFY(run.excel.instances.empty());   // refused before Excel starts
}

void TestExcelFormat::filesOnDiskAreRespected_data()
{
    QTest::addColumn<int>("code");             // 1 in place as .xls, 51 a copy as .xlsx
    QTest::addColumn<bool>("wordTable");
    QTest::addColumn<QString>("prepare");
    QTest::addColumn<QString>("logSecond");    // the log line's second part; empty: none
    QTest::newRow("other file in the way") << 51 << false << "table.xlsx" << " - was in the way and has been moved to the trash: ";
    QTest::newRow("Word document in the way") << 1 << true << "table.doc" << " - was in the way and has been moved to the trash: ";
    QTest::newRow("read-only in place") << 1 << false << "read-only" << " - can`t process document: the document is read-only";
    QTest::newRow("read-only to a copy") << 51 << false << "read-only" << QString();
    QTest::newRow("open in Excel") << 1 << false << "~$table.xls"
                                   << " - can`t process document: the document is open in Excel (owner file ~$table.xls)";
    QTest::newRow("open in Excel, to a copy") << 51 << false << "~$table.xls" << QString();
    QTest::newRow("open in another office") << 1 << false << ".~lock.table.xls#"
                                            << " - can`t process document: the document is open in another program "
                                               "(lock file .~lock.table.xls#)";
}

void TestExcelFormat::filesOnDiskAreRespected()
{
    QFETCH(int, code);
    QFETCH(bool, wordTable);
    QFETCH(QString, prepare);
    QFETCH(QString, logSecond);
    Run run;
    const QByteArray original = TestFiles::read(XlsPath);
    if (prepare == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(XlsPath, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    else
        QVERIFY(TestFiles::write(inWork(prepare), "a file of the user"));
    run.job.saveAs.excelCode = code;
    run.job.saveAs.DocTable = wordTable;
    run.format();
    const bool refused = logSecond.contains(QStringLiteral("can`t"));
    QCOMPARE(run.host.problemLogged, refused);
    QCOMPARE(run.excel.instances.empty(), refused);   // a refused document is not even opened
    QCOMPARE(run.host.logLines.size(), logSecond.isEmpty() ? 0 : 1);
    if (!logSecond.isEmpty())
        QVERIFY2(run.lastLog().startsWith(logSecond), qPrintable(run.lastLog()));
    QCOMPARE(TestFiles::read(XlsPath), original);
    if (!refused && prepare.startsWith(QStringLiteral("table."))) {
        QVERIFY(run.host.logLines.first().first.endsWith(QStringLiteral(" - ") + inWork(prepare)));
        const QString trashed = run.lastLog().mid(logSecond.size());
        QCOMPARE(TestFiles::read(trashed), QByteArray("a file of the user"));
        QCOMPARE(run.host.notices.size(), 1);
        QVERIFY(run.host.notices.first().contains(trashed));
    }
    QVERIFY(run.excel.overwritten.empty() && run.word.overwritten.empty());
}

void TestExcelFormat::misreadDocumentIsRefused_data()
{
    QTest::addColumn<QString>("content");   // "text": read as text; else the file's bytes
    QTest::addColumn<QString>("reason");
    QTest::newRow("text named xls") << "text" << "Excel reads it only as plain text, not as the spreadsheet its name promises";
    QTest::newRow("garbage") << "\x01\x02garbage" << "Excel cannot open it (damaged, of another kind, or protected by a password)";
}

void TestExcelFormat::misreadDocumentIsRefused()
{
    QFETCH(QString, content);
    QFETCH(QString, reason);
    FakeExcelWorkbook book = table();
    book.fileFormat = -4158;   // xlCurrentPlatformText
    Run run(std::nullopt);
    if (content == QLatin1String("text"))
        run.put(book);
    else
        QVERIFY(TestFiles::write(XlsPath, content.toLatin1()));
    const QByteArray before = TestFiles::read(XlsPath);
    run.format();
    verifyFailed(run, reason);
    verifyExcelEnded(run.excel);
    QCOMPARE(TestFiles::read(XlsPath), before);
    QCOMPARE(workFolder(), QStringList{QStringLiteral("table.xls")});
}

void TestExcelFormat::wordTableLeavesTheWorkbookUnchanged()
{
    // report.final.xls: the Word document report.final.doc, titled "report" under APA.
    const QString path = inWork(QStringLiteral("report.final.xls"));
    Run run(std::nullopt);
    run.put(table(), path);
    const QByteArray original = TestFiles::read(path);
    run.job.saveAs.DocTable = true;
    run.job.set.APAStyle = true;
    run.job.set.Orientation = 1;
    run.format(1, path);
    QVERIFY(!run.host.problemLogged);
    QCOMPARE(run.saves(), 0);
    verifyExcelEnded(run.excel);
    QCOMPARE(run.word.instances.size(), size_t(1));
    FakeWordInstance &word = run.word.lastInstance();
    QVERIFY(word.quit);
    QVERIFY(word.process->prompts().empty());   // alerts off: no compatibility check asked
    const std::optional<FakeWordDocument> document = run.word.read(wide(inWork(QStringLiteral("report.final.doc"))));
    QVERIFY(document);
    QCOMPARE(document->orientation.value_or(-1), 1);
    const std::vector<FakeWordBlock> content = document->content();
    QCOMPARE(content.size(), size_t(3));
    QCOMPARE(QString::fromStdWString(content[1].paragraph.text), QStringLiteral("report"));
    const FakeWordTable &pasted = content[2].table;
    QCOMPARE(pasted.cells.size(), size_t(6));
    QCOMPARE(QString::fromStdWString(pasted.cells[5][2]), QStringLiteral("0.03125"));
    QCOMPARE(pasted.rowAlignment.front(), 1);   // found although the selection holds no table
    QCOMPARE(TestFiles::read(path), original);
    QCOMPARE(workFolder(), (QStringList{QStringLiteral("report.final.doc"), QStringLiteral("report.final.xls")}));
}

void TestExcelFormat::failuresEndExcelAndAreLogged_data()
{
    QTest::addColumn<QString>("failing");   // a member of the simulated Excel or Word
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QString>("change");    // a choice that takes another way, or cannot be used
    QTest::addColumn<bool>("log");
    QTest::addColumn<QString>("reason");
    // Every step of a run with every choice on, in order.
    const QStringList members = {
        "createApplication", "Application.Visible", "Application.InterActive", "Workbook.FileFormat",
        "Range.Value", "Font.Name", "Font.Size", "Font.Italic", "Font.Color", "Font.Bold",
        "Range.HorizontalAlignment", "PageSetup.Orientation", "Range.WrapText", "Range.VerticalAlignment",
        "PageSetup.LeftHeader", "PageSetup.CenterHeader", "Borders.LineStyle", "Borders.Item",
        "PageSetup.CenterHorizontally", "PageSetup.BottomMargin", "Interior.Color", "Columns.ColumnWidth"};
    for (const QString &member : members)
        QTest::newRow(qPrintable(member)) << member << 1 << "" << true << "";
    QTest::newRow("Workbooks.Open") << "Workbooks.Open" << 1 << "" << true << "Excel cannot open it";
    QTest::newRow("Workbook.SaveAs") << "Workbook.SaveAs" << 1 << "" << true
                                     << "the office could not write the document in the chosen format";
    QTest::newRow("Interior.ColorIndex") << "Interior.ColorIndex" << 1 << "no interleave" << true << "";
    QTest::newRow("Columns.AutoFit") << "Columns.AutoFit" << 1 << "auto widths" << true << "";
    QTest::newRow("Range.Copy") << "Range.Copy" << 1 << "word" << true << "";
    QTest::newRow("Selection.Paste") << "Selection.Paste" << 1 << "word" << true << "";
    QTest::newRow("Document.SaveAs") << "Document.SaveAs" << 1 << "word" << true
                                     << "the office could not write the document in the chosen format";
    QTest::newRow("no Word") << "" << 1 << "no word" << true << "Word is not installed";
    QTest::newRow("sheet past the last") << "" << 4 << "" << true << "it has no sheet 4 (its last sheet is sheet 1)";
    QTest::newRow("font size") << "" << 1 << "size" << true << "";
    QTest::newRow("row combo") << "" << 1 << "row" << true << "";
    QTest::newRow("without log") << "Workbooks.Open" << 1 << "" << false << "";
    QTest::newRow("alerts") << "Application.DisplayAlerts" << 1 << "" << true << "";
}

void TestExcelFormat::failuresEndExcelAndAreLogged()
{
    QFETCH(QString, failing);
    QFETCH(int, sheet);
    QFETCH(QString, change);
    QFETCH(bool, log);
    QFETCH(QString, reason);
    Run run;
    const QByteArray original = TestFiles::read(XlsPath);
    run.excel.failOn.insert(failing.toStdString());
    run.word.failOn.insert(failing.toStdString());
    run.job.set.Log = log;
    run.job.set.FontAsIs = false;
    run.job.set.FontName = QStringLiteral("Verdana");
    run.job.set.APAStyle = true;
    run.job.set.PageNumeration = true;
    run.job.set.InterLeave = change == QStringLiteral("no interleave") ? 0 : 1;
    run.job.set.WidthByPattern = change != QStringLiteral("auto widths");
    run.job.patternWidths = {0, 20, 20};
    run.job.patternColumnCount = 2;
    if (change == QStringLiteral("word") || change == QStringLiteral("no word"))
        run.job.saveAs.DocTable = true;
    else if (change == QStringLiteral("size"))
        run.job.set.FontSize = QStringLiteral("1x");
    else if (change == QStringLiteral("row"))
        run.manualRange(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("x"), QStringLiteral("3"));
    if (change == QStringLiteral("no word")) {
        FormatDocumentExcel(run.excel, nullptr, XlsPath, sheet, 3, 7, run.job, run.host);
        QVERIFY(run.excel.instances.empty());   // refused before Excel starts
    }
    else
        run.format(sheet);
    verifyFailed(run, reason);
    verifyExcelEnded(run.excel, failing != QStringLiteral("Application.DisplayAlerts"));
    QCOMPARE(TestFiles::read(XlsPath), original);   // nothing half-stored over the original
    QCOMPARE(workFolder(), QStringList{QStringLiteral("table.xls")});
    for (const auto &word : run.word.instances)
        QVERIFY(word->quit);
}

void TestExcelFormat::noQuestionHangsARun_data()
{
    QTest::addColumn<QString>("document");   // what makes Excel or Word ask
    QTest::addColumn<bool>("wordTable");
    QTest::addColumn<QString>("reason");     // empty: the document is formatted
    // Answered by the arguments of Open, by CutCopyMode before Quit, by alerts off.
    QTest::newRow("links") << "links" << false << "";
    QTest::newRow("read-only recommended") << "read-only recommended" << false << "";
    QTest::newRow("password") << "password" << false << "Excel cannot open it";
    QTest::newRow("clipboard after the Word table") << "" << true << "";
    // A question nothing answers: the watchdog ends Excel or Word.
    QTest::newRow("any other question of Excel") << "Excel asks" << false
                                                << "Excel stopped responding (waiting for an answer nobody could give) "
                                                   "and was ended";
    QTest::newRow("any other question of Word") << "Word asks" << true
                                               << "Word stopped responding (waiting for an answer nobody could give) "
                                                  "and was ended";
}

void TestExcelFormat::noQuestionHangsARun()
{
    QFETCH(QString, document);
    QFETCH(bool, wordTable);
    QFETCH(QString, reason);
    FakeExcelWorkbook book = table();
    book.externalLinks = document == QLatin1String("links");
    book.readOnlyRecommended = document == QLatin1String("read-only recommended");
    if (document == QLatin1String("password"))
        book.password = L"secret";
    Run run(book);
    const QByteArray original = TestFiles::read(XlsPath);
    run.job.saveAs.DocTable = wordTable;
    run.job.saveAs.excelCode = 51;
    run.excel.limits.noProgress = run.word.limits.noProgress = std::chrono::seconds(1);
    if (document == QLatin1String("Excel asks"))
        run.excel.promptOn = {"Font.Bold"};
    if (document == QLatin1String("Word asks"))
        run.word.promptOn = {"Selection.Paste"};
    QElapsedTimer timer;
    timer.start();
    run.format();
    QVERIFY(timer.elapsed() < 30000);
    QCOMPARE(TestFiles::read(XlsPath), original);
    const bool watchdog = document.endsWith(QStringLiteral("asks"));
    for (const auto &instance : run.excel.instances)
        QCOMPARE(instance->process->prompts().size(), size_t(document == QLatin1String("Excel asks")));
    for (const auto &instance : run.word.instances)
        QCOMPARE(instance->process->prompts().size(), size_t(document == QLatin1String("Word asks")));
    if (reason.isEmpty()) {
        QVERIFY(run.excel.lastInstance().workbooks.front().arguments.ReadOnly.value_or(false));
        QVERIFY(!run.host.problemLogged);
        QVERIFY(QFileInfo::exists(inWork(wordTable ? QStringLiteral("table.doc") : QStringLiteral("table.xlsx"))));
        verifyExcelEnded(run.excel);
        return;
    }
    verifyFailed(run, reason);
    verifyExcelEnded(run.excel, !watchdog);
    QCOMPARE(workFolder(), QStringList{QStringLiteral("table.xls")});
    if (!watchdog)
        return;
    // The run goes on: the next document gets a fresh instance.
    run.excel.promptOn.clear();
    run.word.promptOn.clear();
    run.host = RecordingBackendHost();
    const size_t instances = run.excel.instances.size();
    run.format();
    QVERIFY(!run.host.problemLogged);
    QCOMPARE(run.excel.instances.size(), instances + 1);
}

void TestExcelFormat::watchdogTellsAHangFromWork()
{
    using namespace std::chrono_literals;
    ProcessProgress::Limits limits{10s, 60s, 1s};
    const auto start = ProcessProgress::Clock::now();
    using Verdict = ProcessProgress::Verdict;
    // Busy: the processor time grows at every look, up to the total limit.
    ProcessProgress busy(limits, start);
    for (int second = 1; second < 60; ++second)
        QCOMPARE(busy.sample(start + std::chrono::seconds(second), std::chrono::seconds(second)), Verdict::Working);
    QCOMPARE(busy.sample(start + 60s, 60s), Verdict::TooLong);
    // Waiting for an answer: no processor time for the no-progress limit.
    ProcessProgress waiting(limits, start);
    QCOMPARE(waiting.sample(start + 1s, 2s), Verdict::Working);
    QCOMPARE(waiting.sample(start + 10s, 2s), Verdict::Working);
    QCOMPARE(waiting.sample(start + 11s, 2s), Verdict::Stalled);
    // A process that cannot be read (it ended) is no hang of it.
    ProcessProgress gone(limits, start);
    QCOMPARE(gone.sample(start + 30s, std::nullopt), Verdict::Working);
}

void TestExcelFormat::allSheetsInOneOpening_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("three sheets, one empty, to another format") << "xlsx";
    QTest::newRow("three sheets into one Word document") << "word";
    QTest::newRow("damaged") << "damaged";
}

void TestExcelFormat::allSheetsInOneOpening()
{
    QFETCH(QString, kind);
    FakeExcelWorkbook book = table({L"One", L"Empty", L"Three"});
    book.sheet(2).cells.clear();
    book.sheet(2).fill({{FakeExcelInput(), L"x"}, {1, 2}});
    Run run(book);
    if (kind == QLatin1String("damaged"))
        QVERIFY(TestFiles::write(XlsPath, "damaged"));
    const QByteArray original = TestFiles::read(XlsPath);
    run.job.set.ApplyForAll = true;
    run.job.saveAs.excelCode = 51;
    run.job.saveAs.DocTable = kind == QLatin1String("word");
    run.host.results.SheetCount = 50;   // an earlier document's
    ExcelBackend backend(run.excel, &run.word);
    QVERIFY(backend.formatAllSheets(XlsPath, 3, 7, run.job, run.host));
    verifyProgress(run.host);   // the document counts once, when it is done
    verifyExcelEnded(run.excel);
    QCOMPARE(run.excel.instances.size(), size_t(1));
    QCOMPARE(TestFiles::read(XlsPath), original);
    if (kind == QLatin1String("damaged")) {
        verifyFailed(run, QStringLiteral("Excel cannot open it"));
        QCOMPARE(run.host.results.SheetCount, 50);
        return;
    }
    QVERIFY(!run.host.problemLogged);
    QCOMPARE(run.host.results.SheetCount, 3);
    QCOMPARE(run.host.results.SheetNames, (QStringList{QString(), "One", "Empty", "Three"}));
    QCOMPARE(run.host.sheetNumberItems, (QStringList{"1", "2", "3"}));
    QCOMPARE(run.host.notices, QStringList{XlsPath + QStringLiteral(": nothing formatted, cell A1 of sheet 2 is empty")});
    if (kind == QLatin1String("word")) {
        const std::optional<FakeWordDocument> document = run.word.read(wide(inWork(QStringLiteral("table.doc"))));
        QVERIFY(document);
        const std::vector<FakeWordBlock> content = document->content();
        // The two tables, an empty paragraph between them, each header row centred.
        QCOMPARE(content.size(), size_t(3));
        QVERIFY(content[0].isTable && !content[1].isTable && content[2].isTable);
        QCOMPARE(content[0].table.rowAlignment.front(), 1);
        QCOMPARE(content[2].table.rowAlignment.front(), 1);
        return;
    }
    QCOMPARE(run.saves(), 1);
    const FakeExcelWorkbook stored = run.stored(inWork(QStringLiteral("table.xlsx")));
    QVERIFY(filled(stored.sheet(1), 1, 1));
    QVERIFY(filled(stored.sheet(3), 6, 3));
    QVERIFY(!filled(stored.sheet(2), 1, 2));
}

QTEST_GUILESS_MAIN(TestExcelFormat)
#include "tst_excelformat.moc"
