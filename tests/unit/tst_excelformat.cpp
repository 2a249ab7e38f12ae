#include "AutomationPaths.h"
#include "ExcelBackend.h"
#include "FakeExcel.h"
#include "FakeWord.h"
#include "FormatDocumentExcel.h"
#include "FormatJob.h"
#include "RecordingBackendHost.h"

#include <QDate>
#include <QLocale>
#include <QLoggingCategory>
#include <QPoint>
#include <QTest>

namespace {

const QString Path = QStringLiteral("/data/work/table.xls");

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

struct Run
{
    FakeClipboard clipboard;
    FakeExcel excel{clipboard};
    FakeWord word{clipboard};
    RecordingBackendHost host;
    FormatJob job = defaultJob();

    Run() { excel.disk[Path.toStdWString()] = table(); }

    void format(int sheet = 1, const QString &path = Path)
    {
        FormatDocumentExcel(excel, &word, path, sheet, 3, 7, job, host);
    }
    void manualRange(const QString &left, const QString &right, const QString &top, const QString &bottom)
    {
        job.set.RangeAuto = false;
        job.set.LeftColumn = left;
        job.set.RightColumn = right;
        job.set.TopDigit = top;
        job.set.BottomDigit = bottom;
    }
    FakeExcelSheet &original(int sheet = 1) { return excel.disk[Path.toStdWString()].sheet(sheet); }
    // The document as it is on disk after the store over itself.
    const FakeExcelSheet &stored(int sheet = 1) { return original(sheet); }
    int saves() const
    {
        int count = 0;
        for (const auto &instance : excel.instances) {
            for (const FakeExcelOpenWorkbook &book : instance->workbooks)
                count += int(book.saves.size());
        }
        return count;
    }
};

// Every instance hidden, ended with alerts and input back on, its workbook closed.
void verifyExcelEnded(const FakeExcel &excel, bool alertsRestorable = true)
{
    QVERIFY(excel.everyInstanceQuit());
    for (const auto &instance : excel.instances) {
        QVERIFY(!instance->anyWorkbookOpen());
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
    QVERIFY(!run.host.problemLogged);
    QVERIFY(run.host.logLines.isEmpty());
    QCOMPARE(run.saves(), 1);
    verifyProgress(run.host);
    verifyExcelEnded(run.excel);
}

void verifyFailed(Run &run, const QString &path = Path)
{
    QVERIFY(run.host.problemLogged);
    QCOMPARE(run.saves(), 0);
    verifyProgress(run.host);
    if (!run.job.set.Log) {
        QVERIFY(run.host.logLines.isEmpty());
        return;
    }
    // The local date and time, " - " and the path; then " - " and message 46.
    QCOMPARE(run.host.logLines.size(), 1);
    const QString first = run.host.logLines.first().first;
    QVERIFY2(first.startsWith(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)), qPrintable(first));
    QVERIFY2(first.endsWith(QStringLiteral(" - ") + path), qPrintable(first));
    QCOMPARE(run.host.logLines.first().second, QStringLiteral(" - can`t process document"));
}

bool filled(const FakeExcelSheet &sheet, int row, int column)
{
    return sheet.cell(row, column).wrapText;
}

} // namespace

// FormatDocumentExcel over the simulated Excel (and Word): what the document looks like
// afterwards, what was stored, and how every way out ends Excel.
class TestExcelFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void emptyFirstCellClosesUnsaved();
    void scanStopsAtGapsAndBounds_data();
    void scanStopsAtGapsAndBounds();
    void manualRangeIsPutInOrder_data();
    void manualRangeIsPutInOrder();
    void fontOnTheWholeRange_data();
    void fontOnTheWholeRange();
    void edgesAndCornersAreBold_data();
    void edgesAndCornersAreBold();
    void pageSetup_data();
    void pageSetup();
    void bordersAndApa_data();
    void bordersAndApa();
    void interleave_data();
    void interleave();
    void widthsFittedOrFromThePattern();
    void storedUnderTheOutputBase_data();
    void storedUnderTheOutputBase();
    void wordTableLeavesTheWorkbookUnsaved();
    void failuresEndExcelAndAreLogged_data();
    void failuresEndExcelAndAreLogged();
    void sheetsOfOneDocumentAccumulateInPlace();
};

void TestExcelFormat::initTestCase()
{
    // The failures here are wanted; their diagnostics would only hide real output.
    QLoggingCategory::setFilterRules(QStringLiteral("tablevane.excel.warning=false"));
}

void TestExcelFormat::emptyFirstCellClosesUnsaved()
{
    Run run;
    run.original().cells.erase({1, 1});
    run.format();
    QCOMPARE(run.saves(), 0);
    QVERIFY(!run.host.problemLogged);
    QVERIFY(run.host.logLines.isEmpty());
    verifyProgress(run.host);
    verifyExcelEnded(run.excel);
    QVERIFY(!filled(run.stored(), 1, 2));
}

void TestExcelFormat::scanStopsAtGapsAndBounds_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("columns");     // filled cells of the first row from A1
    QTest::addColumn<int>("rows");        // filled cells of the first column from A1
    QTest::addColumn<QPoint>("gap");      // an empty cell (column, row), none at 0
    QTest::addColumn<QPoint>("corner");   // the bottom-right cell found (column, row)
    QTest::newRow("first-column gap") << "16.0" << 3 << 6 << QPoint(1, 4) << QPoint(3, 3);
    QTest::newRow("first-row gap") << "16.0" << 3 << 6 << QPoint(2, 1) << QPoint(1, 6);
    QTest::newRow("256 columns") << "11.0" << 300 << 2 << QPoint() << QPoint(256, 2);
    QTest::newRow("16384 columns") << "16.0" << 16384 << 2 << QPoint() << QPoint(16384, 2);
}

void TestExcelFormat::scanStopsAtGapsAndBounds()
{
    QFETCH(QString, version);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QPoint, gap);
    QFETCH(QPoint, corner);
    Run run;
    run.excel.version = version.toStdWString();
    if (version == QStringLiteral("11.0")) {
        run.job.maxScanColumns = 256;
        run.job.maxScanRows = 65536;
    }
    FakeExcelSheet &sheet = run.original();
    sheet.cells.clear();
    for (int column = 1; column <= columns; ++column)
        sheet.cellRef(1, column).value = AutomationValue::fromText(L"h");
    for (int row = 1; row <= rows; ++row)
        sheet.cellRef(row, 1).value = AutomationValue::fromText(L"v");
    sheet.cellRef(3, 5).value = AutomationValue::fromText(L"beyond");   // inside only when the scan reaches it
    sheet.cells.erase({gap.y(), gap.x()});
    run.format();
    verifyStored(run);
    QVERIFY(filled(run.stored(), corner.y(), corner.x()));
    QVERIFY(!filled(run.stored(), corner.y() + 1, corner.x()));
    if (corner.x() < run.excel.lastColumn())
        QVERIFY(!filled(run.stored(), corner.y(), corner.x() + 1));
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
    const FakeExcelSheet &sheet = run.stored();
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
    const FakeExcelCell inside = run.stored().cell(4, 2);
    QCOMPARE(QString::fromStdWString(inside.fontName), expectedName);
    QCOMPARE(inside.fontSize, expectedSize);
    QVERIFY(inside.bold && inside.italic);
    QCOMPARE(inside.fontColor, 0x00123456u);   // Windows colours go to Excel unchanged
    QCOMPARE(run.stored().cell(7, 2).fontSize, 10);

    // The top row: bold and centred, or normal and left.
    QCOMPARE(run.stored().cell(1, 2).horizontalAlignment, 3);
    Run plain;
    plain.job.set.BoldTopLine = false;
    plain.format();
    QVERIFY(!plain.stored().cell(1, 2).bold);
    QCOMPARE(plain.stored().cell(1, 2).horizontalAlignment, 2);
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
    const FakeExcelSheet &s = run.stored();
    const QList<bool> actual = {s.cell(3, 1).bold, s.cell(3, 3).bold, s.cell(6, 2).bold, s.cell(1, 1).bold,
                                s.cell(1, 3).bold, s.cell(6, 1).bold, s.cell(6, 3).bold};
    QCOMPARE(actual, bold);
    QVERIFY(!s.cell(3, 2).bold);
}

void TestExcelFormat::pageSetup_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("fileName");
    QTest::addColumn<bool>("pageNumbers");
    QTest::addColumn<int>("excelOrientation");
    QTest::addColumn<QStringList>("headers");   // left, centre
    QTest::newRow("portrait, file name") << 0 << true << false << 1 << QStringList{"&F", ""};
    QTest::newRow("landscape, page numbers") << 1 << false << true << 2 << QStringList{"", "&P"};
    QTest::newRow("as is, both") << 2 << true << true << 2 << QStringList{"&F", "&P"};
}

void TestExcelFormat::pageSetup()
{
    QFETCH(int, orientation);
    QFETCH(bool, fileName);
    QFETCH(bool, pageNumbers);
    QFETCH(int, excelOrientation);
    QFETCH(QStringList, headers);
    Run run;
    run.original().pageSetup.orientation = 2;
    run.job.set.Orientation = orientation;
    run.job.set.FName = fileName;
    run.job.set.PageNumeration = pageNumbers;
    run.format();
    verifyStored(run);
    const FakeExcelPageSetup &page = run.stored().pageSetup;
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
    QTest::addColumn<QList<int>>("lines");   // left, right, top, bottom of an inner cell
    QTest::addColumn<QList<int>>("alignments");   // columns A, B below the top row
    QTest::newRow("borders") << true << false << true << QList<int>{1, 1, 1, 1} << QList<int>{0, 0};
    QTest::newRow("no borders") << false << false << true << QList<int>{-4142, -4142, -4142, -4142}
                                << QList<int>{0, 0};
    QTest::newRow("apa") << true << true << true << QList<int>{0, 0, 1, 1} << QList<int>{2, 1};
    QTest::newRow("apa with combos") << true << true << false << QList<int>{0, 0, 1, 1} << QList<int>{0, 0};
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
    const FakeExcelSheet &s = run.stored();
    const FakeExcelCell inner = s.cell(3, 2);
    QCOMPARE((QList<int>{inner.leftLine, inner.rightLine, inner.topLine, inner.bottomLine}), lines);
    QCOMPARE((QList<int>{s.cell(4, 1).horizontalAlignment, s.cell(4, 2).horizontalAlignment}), alignments);
    QCOMPARE(s.cell(1, 1).horizontalAlignment, 3);   // the top row keeps its own
    const FakeExcelPageSetup &page = s.pageSetup;
    QCOMPARE(page.centerHorizontally, apa);
    const double margin = apa ? 72 : 50.4;
    QCOMPARE(page.leftMargin, margin);
    QCOMPARE(page.rightMargin, margin);
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
    Run run;
    if (mode == 0 || mode == 3) {
        for (int row = 1; row <= 6; ++row) {
            for (int column = 1; column <= 3; ++column)
                run.original().cellRef(row, column).fill = 0x00FF0000;   // an earlier background
        }
    }
    run.manualRange(combos.at(0), combos.at(1), combos.at(2), combos.at(3));
    run.job.set.InterLeave = mode;
    run.job.set.InterLeaveColor = 0x00CCFFCC;
    run.format();
    verifyStored(run);
    for (const QPoint &cell : coloured)
        QVERIFY2(run.stored().cell(cell.y(), cell.x()).fill.has_value(), qPrintable(QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y())));
    if (mode == 1 || mode == 2)
        QCOMPARE(*run.stored().cell(coloured.first().y(), coloured.first().x()).fill, 0x00CCFFCCu);
    for (const QPoint &cell : plain)
        QVERIFY2(!run.stored().cell(cell.y(), cell.x()).fill, qPrintable(QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y())));
}

void TestExcelFormat::widthsFittedOrFromThePattern()
{
    Run run;
    run.format();
    verifyStored(run);
    QVERIFY(run.stored().autoFitted == (std::set<int>{1, 2, 3}));

    // A pattern of 3 columns over a range of 5: only the first 3 get widths.
    Run pattern;
    pattern.manualRange(QStringLiteral("B"), QStringLiteral("F"), QStringLiteral("1"), QStringLiteral("6"));
    pattern.job.set.WidthByPattern = true;
    pattern.job.patternWidths = {0, 11, 12, 13};
    pattern.job.patternColumnCount = 3;
    pattern.format();
    verifyStored(pattern);
    const FakeExcelSheet &s = pattern.stored();
    QCOMPARE((QList<double>{s.width(1), s.width(2), s.width(3), s.width(4), s.width(5)}),
             (QList<double>{8.43, 11, 12, 13, 8.43}));
    QVERIFY(s.autoFitted.empty());
}

void TestExcelFormat::storedUnderTheOutputBase_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");   // given to SaveAs
    QTest::newRow("in place") << Path << 1 << "/data/work/table";
    QTest::newRow("unicode text") << Path << 42 << "/data/work/table.txt";
    QTest::newRow("two dots") << "/data/work/report.final.xls" << 51 << "/data/work/report.final";
    QTest::newRow("drive root") << "C:\\\\report.xls" << 1 << "C:\\report";
}

void TestExcelFormat::storedUnderTheOutputBase()
{
    QFETCH(QString, path);
    QFETCH(int, code);
    QFETCH(QString, name);
    Run run;
    run.excel.disk[AutomationPaths::documentPath(path.toStdWString())] = table();
    run.job.saveAs.excelCode = code;
    run.format(1, path);
    verifyStored(run);
    const auto &saves = run.excel.lastInstance().workbooks.front().saves;
    QCOMPARE(QString::fromStdWString(saves.front().first), name);
    QCOMPARE(QString::fromStdWString(saves.front().second), QString::number(code));
}

void TestExcelFormat::wordTableLeavesTheWorkbookUnsaved()
{
    Run run;
    run.job.saveAs.DocTable = true;
    run.job.set.Orientation = 1;
    run.format();
    QVERIFY(!run.host.problemLogged);
    QCOMPARE(run.saves(), 0);
    verifyExcelEnded(run.excel);
    QCOMPARE(run.word.instances.size(), size_t(1));
    FakeWordInstance &word = run.word.lastInstance();
    QVERIFY(word.quit);
    const FakeWordDocument &document = word.documents.front();
    QCOMPARE(QString::fromStdWString(*document.savedAs), QStringLiteral("/data/work/table"));
    QCOMPARE(document.orientation.value_or(-1), 1);
    const std::vector<FakeWordBlock> content = document.content();
    QCOMPARE(content.size(), size_t(1));
    const FakeWordTable &pasted = content.front().table;
    QCOMPARE(pasted.cells.size(), size_t(6));
    QCOMPARE(QString::fromStdWString(pasted.cells[5][2]), QStringLiteral("0.03125"));
    QVERIFY(run.stored().cell(1, 1).bold == false);   // the original is untouched
}

void TestExcelFormat::failuresEndExcelAndAreLogged_data()
{
    QTest::addColumn<QString>("failing");   // a member of the simulated Excel or Word
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QString>("change");    // a choice that takes another way, or cannot be used
    QTest::addColumn<bool>("log");
    // Every step of a run with every choice on, in order.
    const QStringList members = {
        "createApplication", "Application.Visible", "Application.InterActive", "Workbooks.Open", "Range.Value",
        "Font.Name", "Font.Size", "Font.Italic", "Font.Color", "Font.Bold", "Range.HorizontalAlignment",
        "PageSetup.Orientation", "Range.WrapText", "Range.VerticalAlignment", "PageSetup.LeftHeader",
        "PageSetup.CenterHeader", "Borders.LineStyle", "Borders.Item", "PageSetup.CenterHorizontally",
        "PageSetup.BottomMargin", "Interior.Color", "Columns.ColumnWidth", "Workbook.SaveAs"};
    for (const QString &member : members)
        QTest::newRow(qPrintable(member)) << member << 1 << "" << true;
    QTest::newRow("Interior.ColorIndex") << "Interior.ColorIndex" << 1 << "no interleave" << true;
    QTest::newRow("Columns.AutoFit") << "Columns.AutoFit" << 1 << "auto widths" << true;
    QTest::newRow("Range.Copy") << "Range.Copy" << 1 << "word" << true;
    QTest::newRow("Selection.Paste") << "Selection.Paste" << 1 << "word" << true;
    QTest::newRow("sheet past the last") << "" << 4 << "" << true;
    QTest::newRow("font size") << "" << 1 << "size" << true;
    QTest::newRow("row combo") << "" << 1 << "row" << true;
    QTest::newRow("no save-as format") << "" << 1 << "code" << true;
    QTest::newRow("without log") << "Workbooks.Open" << 1 << "" << false;
    QTest::newRow("alerts") << "Application.DisplayAlerts" << 1 << "" << true;
}

void TestExcelFormat::failuresEndExcelAndAreLogged()
{
    QFETCH(QString, failing);
    QFETCH(int, sheet);
    QFETCH(QString, change);
    QFETCH(bool, log);
    Run run;
    run.excel.failOn.insert(failing.toStdString());
    run.word.failOn.insert(failing.toStdString());
    run.job.set.Log = log;
    run.job.set.FontAsIs = false;
    run.job.set.FontName = QStringLiteral("Verdana");
    run.job.set.APAStyle = true;
    run.job.set.InterLeave = change == QStringLiteral("no interleave") ? 0 : 1;
    run.job.set.WidthByPattern = change != QStringLiteral("auto widths");
    run.job.patternWidths = {0, 20, 20};
    run.job.patternColumnCount = 2;
    if (change == QStringLiteral("word"))
        run.job.saveAs.DocTable = true;
    else if (change == QStringLiteral("size"))
        run.job.set.FontSize = QStringLiteral("1x");
    else if (change == QStringLiteral("row"))
        run.manualRange(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("x"), QStringLiteral("3"));
    else if (change == QStringLiteral("code"))
        run.job.saveAs.excelCode.reset();
    run.format(sheet);
    verifyFailed(run);
    verifyExcelEnded(run.excel, failing != QStringLiteral("Application.DisplayAlerts"));
    QVERIFY(!filled(run.stored(), 2, 2));   // nothing half-stored over the original
    for (const auto &word : run.word.instances)
        QVERIFY(word->quit);
}

void TestExcelFormat::sheetsOfOneDocumentAccumulateInPlace()
{
    // "Apply for all sheets": one call per sheet, each storing over the document.
    Run run;
    run.excel.disk[Path.toStdWString()] = table({L"One", L"Two", L"Three"});
    ExcelBackend backend(run.excel, &run.word);
    for (int sheet = 1; sheet <= 3; ++sheet)
        backend.formatDocument(Path, sheet, 1, 1, run.job, run.host);
    QVERIFY(!run.host.problemLogged);
    QCOMPARE(run.excel.instances.size(), size_t(3));
    verifyExcelEnded(run.excel);
    for (int sheet = 1; sheet <= 3; ++sheet)
        QVERIFY(filled(run.stored(sheet), 6, 3));
}

QTEST_GUILESS_MAIN(TestExcelFormat)
#include "tst_excelformat.moc"
