#include "CalcPaths.h"
#include "FakeCalcOffice.h"
#include "FakeCalcSheet.h"
#include "FormatDocumentCalc.h"
#include "FormatJob.h"
#include "RecordingBackendHost.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

// A fresh folder of every test (and data row): documents are real files there.
QString WorkDir;
QString XlsPath;
QString OdsPath;
QString OtherXlsPath;

QString inWork(const QString &name)
{
    return WorkDir + QLatin1Char('/') + name;
}

constexpr int Bold = 200;
constexpr int Normal = 100;

CalcFilter filter(const QString &name, const QString &extension)
{
    return CalcFilter{name, name, extension};
}

// A run through Calc on .xls documents, stored in place, as the Preferences choose it
// by default.
FormatJob defaultJob()
{
    FormatJob job;
    job.saveAs.Office = 1;
    job.saveAs.Extension = 0;
    job.saveAs.SaveAs = 7;
    job.saveAs.calcFilter = filter(QStringLiteral("MS Excel 97/2000/XP"), QStringLiteral(".xls"));
    job.saveAs.charsetToken = QStringLiteral("ANSI");
    job.saveAs.fieldDelimiterCode = 44;
    job.saveAs.textDelimiterCode = 34;
    return job;
}

// A header row and five rows of numbers in A1:C6.
FakeCalcWorkbook table(FakeCalcWorkbook book = FakeCalcWorkbook::xls())
{
    book.sheet().fill({{QStringLiteral("Name"), QStringLiteral("Count"), QStringLiteral("Share")},
                       {QStringLiteral("a"), 1, 0.5},
                       {QStringLiteral("b"), 2, 0.25},
                       {QStringLiteral("c"), 3, 0.125},
                       {QStringLiteral("d"), 4, 0.0625},
                       {QStringLiteral("e"), 5, 0.03125}});
    return book;
}

struct Run
{
    FakeCalcOffice office;
    RecordingBackendHost host;
    FormatJob job = defaultJob();

    void format(const QString &path = XlsPath, int sheet = 0)
    {
        FormatDocumentCalc(office, path, sheet, 3, 7, job, host);
    }
    FakeCalcWorkbook stored(const QString &path = XlsPath) const { return office.file(path); }
    FakeCalcSheetData sheet(const QString &path = XlsPath) const { return office.file(path).sheet(); }
};

// The trash path a notice of a file moved to the trash names.
QString trashedPath(const QString &notice)
{
    return notice.mid(notice.lastIndexOf(QStringLiteral(": ")) + 2);
}

void verifyReleased(const FakeCalcOffice &office)
{
    QCOMPARE(office.documentsOpen, 0);
    QCOMPARE(office.desktopsAlive, 0);
}

void verifySucceeded(const Run &run)
{
    QVERIFY(!run.host.problemLogged);
    // The one line a success may log: a file that went to the trash.
    for (const auto &line : run.host.logLines)
        QVERIFY2(line.second.contains(QStringLiteral("moved to the trash")), qPrintable(line.second));
    QCOMPARE(run.office.stores.size(), 1);
    verifyReleased(run.office);
}

void verifyFailed(const Run &run, const QString &path = XlsPath)
{
    QVERIFY(run.host.problemLogged);
    QCOMPARE(run.host.logLines.size(), 1);
    QCOMPARE(run.host.logLines.first().first, path);
    QVERIFY(run.host.logLines.first().second.startsWith(QStringLiteral("can`t process document")));
    QVERIFY(run.office.stores.isEmpty());
    QCOMPARE(run.host.progress.size(), 1);
    verifyReleased(run.office);
}

} // namespace

class TestCalcFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void fontIsWrittenOnTheWholeRange();
    void fontSizeFallsBackToTen_data();
    void fontSizeFallsBackToTen();
    void fontAsIsKeepsTheFont();
    void topRowIsCentredAndBoldOrLeftAndNormal();
    void edgesAndCornersAreBold_data();
    void edgesAndCornersAreBold();
    void wrapAndVerticalCentring();
    void rowHeightsAreFittedOnceBeforeTheStore();
    void headerCarriesFileNameAndOnePageNumber();
    void headerWithoutChoicesKeepsTheCentre();
    void bordersOnOffAndApa_data();
    void bordersOnOffAndApa();
    void apaAlignsColumnsByTheirSecondRow();
    void apaSetsMarginsAndCentring();
    void orientationOnTheSheetsOwnPageStyle_data();
    void orientationOnTheSheetsOwnPageStyle();
    void odsWithTwoPageStylesIsFormatted();
    void interleavedRows();
    void interleavedRowsFromManualTop();
    void interleavedColumns();
    void noInterleaveClearsAndAsIsKeeps();
    void optimalWidthsOverTheRange();
    void patternWidthsForFewerPatternColumns();
    void hiddenColumnsKeepHiddenAndTheirWidth_data();
    void hiddenColumnsKeepHiddenAndTheirWidth();
    void documentIsLockedAndCheckedWhileInWork();
    void manualRangeIsPutInOrder();
    void manualColumnsAreOrderedAsNumbers();
    void emptyA1FailsWithItsReason();
    void scanStopsAtTheFirstEmptyCell();
    void scanCountsZeroAndErrorsButNotEmptyTexts();
    void scanKeepsToItsBounds();
    void storesInPlaceOrToTheChosenFormat_data();
    void storesInPlaceOrToTheChosenFormat();
    void textFilterOptions_data();
    void textFilterOptions();
    void missingCharsetFailsTheDocument();
    void refusedFilterFailsTheDocument();
    void failuresAreLoggedAndNothingIsStored_data();
    void failuresAreLoggedAndNothingIsStored();
    void misreadDocumentIsLeftUntouched();
    void failureWithoutLogStillMarksTheProblem();
    void badFontSizeFailsTheDocument();
    void progressUsesTheCalcWording();
    void filesOnDiskAreRespected_data();
    void filesOnDiskAreRespected();
    void brokenStoreLeavesNoOfficeTempFile();
    void allSheetsInOneOpening_data();
    void allSheetsInOneOpening();
    void oneSheetNeverChangesAnother();

private:
    QTemporaryDir m_data;
};

void TestCalcFormat::initTestCase()
{
    // The failures here are wanted; their diagnostics would only hide real output.
    QLoggingCategory::setFilterRules(QStringLiteral("tablevane.calc.warning=false"));
    // Files in the way of a result go to a trash of the test's own.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.filePath(QStringLiteral("data"))));
}

void TestCalcFormat::init()
{
    static int tests = 0;
    WorkDir = m_data.filePath(QStringLiteral("work-%1").arg(++tests));
    QVERIFY(QDir().mkpath(WorkDir));
    XlsPath = inWork(QStringLiteral("table.xls"));
    OdsPath = inWork(QStringLiteral("table.ods"));
    OtherXlsPath = inWork(QStringLiteral("other.xls"));
}

void TestCalcFormat::fontIsWrittenOnTheWholeRange()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.job.set.FontAsIs = false;
    run.job.set.FontName = QStringLiteral("Liberation Serif");
    run.job.set.FontSize = QStringLiteral("14");
    run.job.set.Bold = true;
    run.job.set.Italic = true;
    run.job.set.FontColor = 0x00123456;   // 0x00BBGGRR
    run.format();

    verifySucceeded(run);
    const FakeCalcSheetData sheet = run.sheet();
    for (const auto &[column, row] : {std::pair{0, 0}, {1, 3}, {2, 5}}) {
        const FakeCalcCellFormat f = sheet.format(column, row);
        QCOMPARE(f.fontName, QStringLiteral("Liberation Serif"));
        QCOMPARE(f.height, 14.0);
        QCOMPARE(f.posture, 2);
        QCOMPARE(f.color, 0x563412);   // red and blue exchanged
    }
    QCOMPARE(sheet.format(1, 3).weight, Bold);
    QCOMPARE(sheet.format(3, 3).fontName, QStringLiteral("Liberation Sans"));   // outside
    QCOMPARE(sheet.format(1, 6).height, 10.0);

    run.job.set.Bold = false;
    run.job.set.Italic = false;
    run.job.set.FontName.clear();   // no font selected in the list
    run.format();
    QCOMPARE(run.sheet().format(1, 3).weight, Normal);
    QCOMPARE(run.sheet().format(1, 3).posture, 0);
    QCOMPARE(run.sheet().format(1, 3).fontName, QStringLiteral("Liberation Serif"));
}

void TestCalcFormat::fontSizeFallsBackToTen_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<double>("height");
    QTest::newRow("given") << QStringLiteral("12") << 12.0;
    QTest::newRow("empty") << QString() << 10.0;
    QTest::newRow("zero") << QStringLiteral("0") << 10.0;
}

void TestCalcFormat::fontSizeFallsBackToTen()
{
    QFETCH(QString, size);
    QFETCH(double, height);
    Run run;
    run.office.addFile(XlsPath, table());
    run.job.set.FontAsIs = false;
    run.job.set.FontName = QStringLiteral("Liberation Sans");
    run.job.set.FontSize = size;
    run.format();
    verifySucceeded(run);
    QCOMPARE(run.sheet().format(1, 1).height, height);
}

void TestCalcFormat::fontAsIsKeepsTheFont()
{
    Run run;
    FakeCalcWorkbook book = table();
    FakeCalcSheet::apply(book.sheet(), {0, 0, 2, 5}, [] {
        CalcCellProperties p;
        p.CharFontName = QStringLiteral("DejaVu Sans");
        p.CharPosture = 2;
        return p;
    }());
    run.office.addFile(XlsPath, book);
    run.format();
    verifySucceeded(run);
    QCOMPARE(run.sheet().format(1, 2).fontName, QStringLiteral("DejaVu Sans"));
    QCOMPARE(run.sheet().format(1, 2).posture, 2);
}

void TestCalcFormat::topRowIsCentredAndBoldOrLeftAndNormal()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.format();
    QCOMPARE(run.sheet().format(1, 0).weight, Bold);
    QCOMPARE(run.sheet().format(1, 0).hori, 2);
    QCOMPARE(run.sheet().format(1, 1).weight, Normal);

    run.job.set.BoldTopLine = false;
    run.format();
    QCOMPARE(run.sheet().format(1, 0).weight, Normal);
    QCOMPARE(run.sheet().format(1, 0).hori, 1);
    QCOMPARE(run.sheet().format(0, 0).weight, Normal);   // no corner rule applies
}

void TestCalcFormat::edgesAndCornersAreBold_data()
{
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("bottom");
    // Expected weights: left column, right column, bottom row (inner cells), then the
    // corners top-left, top-right, bottom-left, bottom-right.
    QTest::addColumn<QList<int>>("weights");
    QTest::newRow("none") << false << false << false << false
                          << QList<int>{Normal, Normal, Normal, Normal, Normal, Normal, Normal};
    QTest::newRow("top only") << true << false << false << false
                              << QList<int>{Normal, Normal, Normal, Bold, Bold, Normal, Normal};
    QTest::newRow("left") << false << true << false << false
                          << QList<int>{Bold, Normal, Normal, Bold, Normal, Bold, Normal};
    QTest::newRow("right") << false << false << true << false
                           << QList<int>{Normal, Bold, Normal, Normal, Bold, Normal, Bold};
    QTest::newRow("bottom") << false << false << false << true
                            << QList<int>{Normal, Normal, Bold, Normal, Normal, Bold, Bold};
    QTest::newRow("all") << true << true << true << true
                         << QList<int>{Bold, Bold, Bold, Bold, Bold, Bold, Bold};
}

void TestCalcFormat::edgesAndCornersAreBold()
{
    QFETCH(bool, top);
    QFETCH(bool, left);
    QFETCH(bool, right);
    QFETCH(bool, bottom);
    QFETCH(QList<int>, weights);
    Run run;
    run.office.addFile(XlsPath, table());
    run.job.set.BoldTopLine = top;
    run.job.set.BoldLeftFirst = left;
    run.job.set.BoldLastRight = right;
    run.job.set.BoldLastLine = bottom;
    run.format();
    verifySucceeded(run);
    const FakeCalcSheetData s = run.sheet();
    const QList<int> actual = {s.format(0, 2).weight, s.format(2, 2).weight, s.format(1, 5).weight,
                               s.format(0, 0).weight, s.format(2, 0).weight,
                               s.format(0, 5).weight, s.format(2, 5).weight};
    QCOMPARE(actual, weights);
    QCOMPARE(s.format(1, 2).weight, Normal);   // inside
}

void TestCalcFormat::wrapAndVerticalCentring()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.format();
    QVERIFY(run.sheet().format(2, 5).wrap);
    QCOMPARE(run.sheet().format(2, 5).vert, 2);
    QVERIFY(!run.sheet().format(3, 5).wrap);

    run.job.set.WordWrap = false;
    run.format();
    QVERIFY(!run.sheet().format(2, 5).wrap);
    QCOMPARE(run.sheet().format(2, 5).vert, 2);   // centred with or without wrap
}

void TestCalcFormat::rowHeightsAreFittedOnceBeforeTheStore()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.format();
    verifySucceeded(run);
    QVERIFY(!run.stored().rowHeightsLocked);
    QCOMPARE(run.sheet().fittedRows, (QList<QPair<int, int>>{{0, 5}}));

    // A one-row range: its right column reaches one row below it, and that row is fitted too.
    Run oneRow;
    oneRow.office.addFile(XlsPath, table());
    oneRow.job.set.RangeAuto = false;
    oneRow.job.set.RightColumn = QStringLiteral("C");
    oneRow.job.set.TopDigit = oneRow.job.set.BottomDigit = QStringLiteral("4");
    oneRow.job.set.BoldLastRight = true;
    oneRow.format();
    QCOMPARE(oneRow.sheet().format(2, 4).weight, Bold);
    QCOMPARE(oneRow.sheet().fittedRows, (QList<QPair<int, int>>{{3, 4}}));
}

void TestCalcFormat::headerCarriesFileNameAndOnePageNumber()
{
    Run run;
    FakeCalcWorkbook book = table();
    const FakeCalcHeaderPart own{FakeCalcHeaderPart::Kind::Text, QStringLiteral("Confidential")};
    book.pageStyles[2].header.centre = {{FakeCalcHeaderPart::Kind::PageNumber, {}}, own};
    run.office.addFile(XlsPath, book);
    run.job.set.FName = true;
    run.job.set.PageNumeration = true;
    run.format();
    run.format();   // a second formatting adds no second field
    const FakeCalcPageStyleData &style = run.stored().pageStyleOf();
    QVERIFY(style.headerIsOn);
    QVERIFY(style.headerIsShared);
    QCOMPARE(style.header.left, QStringLiteral("table.xls"));
    // The user's text stays; the one field ends the centre.
    QCOMPARE(style.header.centre, (QList<FakeCalcHeaderPart>{own, {FakeCalcHeaderPart::Kind::PageNumber, {}}}));

    // The source's own name also when the result goes to another format.
    Run ods;
    ods.office.addFile(XlsPath, table());
    ods.job.set.FName = true;
    ods.job.saveAs.SaveAs = 3;
    ods.job.saveAs.calcFilter = filter(QStringLiteral("calc8"), QStringLiteral(".ods"));
    ods.format();
    QCOMPARE(ods.stored(OdsPath).pageStyleOf().header.left, QStringLiteral("table.xls"));
}

void TestCalcFormat::headerWithoutChoicesKeepsTheCentre()
{
    Run run;
    FakeCalcWorkbook book = table();
    book.pageStyles[2].header.left = QStringLiteral("old");
    book.pageStyles[2].header.centre = {{FakeCalcHeaderPart::Kind::PageNumber, {}},
                                        {FakeCalcHeaderPart::Kind::Text, QStringLiteral("x")}};
    book.pageStyles[2].headerIsShared = false;
    run.office.addFile(XlsPath, book);
    run.format();
    const FakeCalcPageStyleData &style = run.stored().pageStyleOf();
    QVERIFY(style.headerIsOn);
    QVERIFY(style.headerIsShared);
    QCOMPARE(style.header.left, QString());
    QCOMPARE(style.header.centre, book.pageStyles[2].header.centre);
}

void TestCalcFormat::bordersOnOffAndApa_data()
{
    QTest::addColumn<bool>("borders");
    QTest::addColumn<bool>("apa");
    // Widths of the top, bottom, left, right, vertical and horizontal lines.
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("on") << true << false << QList<int>{2, 2, 2, 2, 2, 2};
    QTest::newRow("off") << false << false << QList<int>{0, 0, 0, 0, 0, 0};
    QTest::newRow("apa") << true << true << QList<int>{2, 2, 0, 0, 0, 2};
    QTest::newRow("apa without borders") << false << true << QList<int>{0, 0, 0, 0, 0, 0};
}

void TestCalcFormat::bordersOnOffAndApa()
{
    QFETCH(bool, borders);
    QFETCH(bool, apa);
    QFETCH(QList<int>, widths);
    Run run;
    FakeCalcWorkbook book = table();
    // Mixed lines before: one thick inner line must not keep the inner lines unchanged.
    for (int column = 0; column <= 2; ++column) {
        for (int row = 0; row <= 5; ++row) {
            FakeCalcCellFormat &f = book.sheet().cellRef(column, row).format;
            f.top = f.bottom = f.left = f.right = CalcBorderLine{0, 0, 50, 0};
        }
    }
    book.sheet().cellRef(1, 2).format.right = CalcBorderLine{0, 0, 99, 0};
    run.office.addFile(XlsPath, book);
    run.job.set.Borders = borders;
    run.job.set.APAStyle = apa;
    run.format();
    verifySucceeded(run);
    const FakeCalcSheetData s = run.sheet();
    const QList<int> actual = {s.format(1, 0).top.OuterLineWidth, s.format(1, 5).bottom.OuterLineWidth,
                               s.format(0, 3).left.OuterLineWidth, s.format(2, 3).right.OuterLineWidth,
                               s.format(1, 2).right.OuterLineWidth, s.format(1, 2).bottom.OuterLineWidth};
    QCOMPARE(actual, widths);
}

void TestCalcFormat::apaAlignsColumnsByTheirSecondRow()
{
    Run run;
    FakeCalcWorkbook book = FakeCalcWorkbook::xls();
    FakeCalcSheetData &s = book.sheet();
    s.fill({{QStringLiteral("Text"), QStringLiteral("Value"), QStringLiteral("Formula"),
             QStringLiteral("Empty")},
            {QStringLiteral("t"), 1, QVariant(), QVariant()},
            {QStringLiteral("u"), 2, 3, 4}});
    s.setNumberFormula(2, 1, 7);
    run.office.addFile(XlsPath, book);
    run.job.set.APAStyle = true;
    run.format();
    verifySucceeded(run);
    const FakeCalcSheetData r = run.sheet();
    QCOMPARE(r.format(0, 1).hori, 1);
    QCOMPARE(r.format(0, 2).hori, 1);
    QCOMPARE(r.format(1, 2).hori, 3);
    QCOMPARE(r.format(2, 2).hori, 3);
    QCOMPARE(r.format(3, 2).hori, 0);   // empty in row 2: unchanged
    QCOMPARE(r.format(1, 0).hori, 2);   // the top row keeps its centring

    // A range given by hand gets no alignment.
    Run manual;
    manual.office.addFile(XlsPath, book);
    manual.job.set.APAStyle = true;
    manual.job.set.RangeAuto = false;
    manual.job.set.LeftColumn = QStringLiteral("A");
    manual.job.set.RightColumn = QStringLiteral("D");
    manual.job.set.BottomDigit = QStringLiteral("3");
    manual.format();
    QCOMPARE(manual.sheet().format(1, 2).hori, 0);
}

void TestCalcFormat::apaSetsMarginsAndCentring()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.format();
    QVERIFY(!run.stored().pageStyleOf().centerHorizontally);
    QCOMPARE(run.stored().pageStyleOf().leftMargin, 2000);

    run.job.set.APAStyle = true;
    run.format();
    const FakeCalcPageStyleData &style = run.stored().pageStyleOf();
    QVERIFY(style.centerHorizontally);
    const QList<int> margins = {style.leftMargin, style.rightMargin, style.topMargin, style.bottomMargin};
    QCOMPARE(margins, QList<int>({2540, 2540, 2540, 2540}));
}

void TestCalcFormat::orientationOnTheSheetsOwnPageStyle_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("landscapeBefore");
    QTest::addColumn<bool>("landscapeAfter");
    QTest::addColumn<int>("widthAfter");
    QTest::newRow("portrait from landscape") << 0 << true << false << 21000;
    QTest::newRow("portrait stays") << 0 << false << false << 21000;
    QTest::newRow("landscape from portrait") << 1 << false << true << 29700;
    QTest::newRow("landscape stays") << 1 << true << true << 29700;
    QTest::newRow("as is") << 2 << true << true << 29700;
    QTest::newRow("none selected") << -1 << false << false << 21000;
}

void TestCalcFormat::orientationOnTheSheetsOwnPageStyle()
{
    QFETCH(int, orientation);
    QFETCH(bool, landscapeBefore);
    QFETCH(bool, landscapeAfter);
    QFETCH(int, widthAfter);
    Run run;
    FakeCalcWorkbook book = table(FakeCalcWorkbook::xls({QStringLiteral("One"), QStringLiteral("Two")}));
    for (FakeCalcPageStyleData &style : book.pageStyles) {
        style.isLandscape = landscapeBefore;
        style.width = landscapeBefore ? 29700 : 21000;
        style.height = landscapeBefore ? 21000 : 29700;
    }
    book.sheet(1).fill({{1, 2}});
    run.office.addFile(XlsPath, book);
    run.job.set.Orientation = orientation;
    run.format(XlsPath, 1);
    verifySucceeded(run);

    const FakeCalcWorkbook stored = run.stored();
    const FakeCalcPageStyleData &own = stored.pageStyleOf(1);
    QCOMPARE(own.name, QStringLiteral("PageStyle_Two"));
    QCOMPARE(own.isLandscape, landscapeAfter);
    QCOMPARE(own.width, widthAfter);
    QCOMPARE(own.height, widthAfter == 21000 ? 29700 : 21000);
    // The style at position 2 belongs to the first sheet and stays as it was.
    QCOMPARE(stored.pageStyles.at(2).isLandscape, landscapeBefore);
}

void TestCalcFormat::odsWithTwoPageStylesIsFormatted()
{
    Run run;
    run.office.addFile(OdsPath, table(FakeCalcWorkbook::ods()));
    run.job.saveAs.Extension = 1;
    run.job.saveAs.SaveAs = 3;
    run.job.saveAs.calcFilter = filter(QStringLiteral("calc8"), QStringLiteral(".ods"));
    run.job.set.Orientation = 1;
    run.format(OdsPath);
    verifySucceeded(run);
    QVERIFY(run.stored(OdsPath).pageStyleOf().isLandscape);
}

void TestCalcFormat::interleavedRows()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.job.set.InterLeave = 1;
    run.job.set.InterLeaveColor = 0x00FFCC00;   // 0x00BBGGRR
    run.format();
    verifySucceeded(run);
    const FakeCalcSheetData s = run.sheet();
    QList<qint32> rowColours;
    for (int row = 0; row <= 6; ++row)
        rowColours.append(s.format(1, row).backColor);
    // Sheet rows 2, 4 and 6 (0-based 1, 3, 5).
    QCOMPARE(rowColours, QList<qint32>({-1, 0x00CCFF, -1, 0x00CCFF, -1, 0x00CCFF, -1}));
    QCOMPARE(s.format(2, 3).backColor, 0x00CCFF);
    QCOMPARE(s.format(3, 3).backColor, -1);   // beyond the range
}

void TestCalcFormat::interleavedRowsFromManualTop()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.job.set.InterLeave = 1;
    run.job.set.InterLeaveColor = 0x000000FF;
    run.job.set.RangeAuto = false;
    run.job.set.LeftColumn = QStringLiteral("A");
    run.job.set.RightColumn = QStringLiteral("B");
    run.job.set.TopDigit = QStringLiteral("3");
    run.job.set.BottomDigit = QStringLiteral("8");
    run.format();
    verifySucceeded(run);
    QList<int> coloured;
    for (int row = 0; row < 10; ++row) {
        if (run.sheet().format(0, row).backColor == 0xFF0000)
            coloured.append(row + 1);
    }
    QCOMPARE(coloured, QList<int>({4, 6, 8}));
    QCOMPARE(run.sheet().format(2, 3).backColor, -1);
}

void TestCalcFormat::interleavedColumns()
{
    Run run;
    FakeCalcWorkbook book = FakeCalcWorkbook::xls();
    book.sheet().fill({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}});
    run.office.addFile(XlsPath, book);
    run.job.set.InterLeave = 2;
    run.job.set.InterLeaveColor = 0x00FF0000;
    run.format();
    verifySucceeded(run);
    const FakeCalcSheetData s = run.sheet();
    QList<qint32> columnColours;
    for (int column = 0; column <= 5; ++column)
        columnColours.append(s.format(column, 0).backColor);
    // Columns B and D, top row included.
    QCOMPARE(columnColours, QList<qint32>({-1, 0x0000FF, -1, 0x0000FF, -1, -1}));
    QCOMPARE(s.format(3, 2).backColor, 0x0000FF);
    QCOMPARE(s.format(3, 3).backColor, -1);
}

void TestCalcFormat::noInterleaveClearsAndAsIsKeeps()
{
    FakeCalcWorkbook book = table();
    book.sheet().cellRef(1, 2).format.backColor = 0x123456;
    book.sheet().cellRef(4, 2).format.backColor = 0x123456;

    Run none;
    none.office.addFile(XlsPath, book);
    none.job.set.InterLeave = 0;
    none.format();
    QCOMPARE(none.sheet().format(1, 2).backColor, -1);
    QCOMPARE(none.sheet().format(4, 2).backColor, 0x123456);   // outside the range

    Run asIs;
    asIs.office.addFile(XlsPath, book);
    asIs.job.set.InterLeave = 3;
    asIs.format();
    QCOMPARE(asIs.sheet().format(1, 2).backColor, 0x123456);
}

void TestCalcFormat::optimalWidthsOverTheRange()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.format();
    const FakeCalcSheetData s = run.sheet();
    QVERIFY(s.column(0).optimal && s.column(1).optimal && s.column(2).optimal);
    QVERIFY(!s.column(3).optimal);

    Run manual;
    manual.office.addFile(XlsPath, table());
    manual.job.set.RangeAuto = false;
    manual.job.set.LeftColumn = QStringLiteral("C");
    manual.job.set.RightColumn = QStringLiteral("E");
    manual.format();
    const FakeCalcSheetData m = manual.sheet();
    QVERIFY(!m.column(1).optimal);
    QVERIFY(m.column(2).optimal && m.column(3).optimal && m.column(4).optimal);
    QVERIFY(!m.column(5).optimal);
}

void TestCalcFormat::hiddenColumnsKeepHiddenAndTheirWidth_data()
{
    QTest::addColumn<bool>("byPattern");
    QTest::newRow("fitted") << false;
    QTest::newRow("by pattern") << true;
}

void TestCalcFormat::hiddenColumnsKeepHiddenAndTheirWidth()
{
    QFETCH(bool, byPattern);
    Run run;
    FakeCalcWorkbook book = FakeCalcWorkbook::xls();
    book.sheet().fill({{1, 2, 3, 4}, {1, 2, 3, 4}});
    book.sheet().columns[1] = FakeCalcColumnData{1234, false, true};
    run.office.addFile(XlsPath, book);
    run.job.set.WidthByPattern = byPattern;
    run.job.patternWidths = {0, 1000, 2000, 3000, 4000};
    run.job.patternColumnCount = 4;
    run.format();
    verifySucceeded(run);
    const FakeCalcSheetData s = run.sheet();
    QVERIFY(s.column(1).hidden);
    QCOMPARE(s.column(1).width, 1234);
    QCOMPARE(s.column(2).width, byPattern ? 3000 : 2258);
    QCOMPARE(s.column(3).optimal, !byPattern);
    QCOMPARE(s.column(0).optimal, !byPattern);
}

// While the office has the document, its lock file lies beside it; a document the user
// changed meanwhile is not stored over, and keeps the user's change.
void TestCalcFormat::documentIsLockedAndCheckedWhileInWork()
{
    Run run;
    run.office.addFile(XlsPath, table());
    const QString lock = inWork(QStringLiteral(".~lock.table.xls#"));
    bool lockedWhileStoring = false;
    run.office.beforeCall = [&](const QString &call) {
        if (call != QLatin1String("storeToUrl"))
            return;
        lockedWhileStoring = QFileInfo::exists(lock);
        QFile document(XlsPath);
        QVERIFY(document.open(QIODevice::WriteOnly | QIODevice::Truncate));
        document.write("the user's newer work");
    };
    run.format();
    QVERIFY(lockedWhileStoring);
    QVERIFY(!QFileInfo::exists(lock));
    QVERIFY(run.host.problemLogged);
    QVERIFY2(run.host.logLines.first().second.contains(QStringLiteral("changed on disk")),
             qPrintable(run.host.logLines.first().second));
    QCOMPARE(TestFiles::read(XlsPath), QByteArray("the user's newer work"));
    QCOMPARE(QDir(WorkDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("table.xls")});
}

void TestCalcFormat::patternWidthsForFewerPatternColumns()
{
    Run run;
    FakeCalcWorkbook book = FakeCalcWorkbook::xls();
    book.sheet().fill({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}});
    run.office.addFile(XlsPath, book);
    run.job.set.WidthByPattern = true;
    run.job.patternWidths = {0, 1000, 2000, 3000};
    run.job.patternColumnCount = 3;
    run.format();
    verifySucceeded(run);
    const FakeCalcSheetData s = run.sheet();
    QList<int> widths;
    for (int column = 0; column < 5; ++column)
        widths.append(s.column(column).width);
    QCOMPARE(widths, QList<int>({1000, 2000, 3000, 2258, 2258}));
    QVERIFY(!s.column(3).optimal);

    // A pattern wider than the range stops at the range's last column.
    Run narrow;
    FakeCalcWorkbook two = FakeCalcWorkbook::xls();
    two.sheet().fill({{1, 2}});
    narrow.office.addFile(XlsPath, two);
    narrow.job.set.WidthByPattern = true;
    narrow.job.patternWidths = {0, 1000, 2000, 3000};
    narrow.job.patternColumnCount = 3;
    narrow.format();
    QCOMPARE(narrow.sheet().column(2).width, 2258);
}

void TestCalcFormat::manualRangeIsPutInOrder()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.job.set.RangeAuto = false;
    run.job.set.LeftColumn = QStringLiteral("C");
    run.job.set.RightColumn = QStringLiteral("A");
    run.job.set.TopDigit = QStringLiteral("5");
    run.job.set.BottomDigit = QStringLiteral("2");
    run.job.set.WordWrap = false;
    run.format();
    verifySucceeded(run);
    // A2:C5 is vertically centred, nothing around it.
    const FakeCalcSheetData s = run.sheet();
    QCOMPARE(s.format(0, 1).vert, 2);
    QCOMPARE(s.format(2, 4).vert, 2);
    QCOMPARE(s.format(0, 0).vert, 0);
    QCOMPARE(s.format(3, 4).vert, 0);
    QCOMPARE(s.format(2, 5).vert, 0);
    // Row 2 is the top row.
    QCOMPARE(s.format(1, 1).weight, Bold);
    QCOMPARE(s.format(1, 1).hori, 2);
}

void TestCalcFormat::manualColumnsAreOrderedAsNumbers()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.job.set.RangeAuto = false;
    run.job.set.LeftColumn = QStringLiteral("AA");
    run.job.set.RightColumn = QStringLiteral("B");
    run.job.set.BottomDigit = QStringLiteral("2");
    run.format();
    verifySucceeded(run);
    const FakeCalcSheetData s = run.sheet();
    QVERIFY(s.column(1).optimal && s.column(26).optimal);
    QVERIFY(!s.column(0).optimal && !s.column(27).optimal);
}

void TestCalcFormat::emptyA1FailsWithItsReason()
{
    // Nothing formatted is no success: the document fails with the reason, unchanged.
    Run run;
    FakeCalcWorkbook book = FakeCalcWorkbook::xls();
    book.sheet().fill({{QVariant(), 1, 2}, {1, 2, 3}});
    run.office.addFile(XlsPath, book);
    const QByteArray before = TestFiles::read(XlsPath);
    run.format();
    QVERIFY(run.office.stores.isEmpty());
    QVERIFY(run.host.problemLogged);
    QCOMPARE(run.host.logLines.size(), 1);
    QCOMPARE(run.host.logLines.first().second,
             QStringLiteral("can`t process document: nothing to format: cell A1 of sheet 1 is empty"));
    QCOMPARE(run.host.progress.size(), 1);
    QCOMPARE(TestFiles::read(XlsPath), before);
    verifyReleased(run.office);
}

void TestCalcFormat::scanStopsAtTheFirstEmptyCell()
{
    Run run;
    FakeCalcWorkbook book = FakeCalcWorkbook::xls();
    book.sheet().fill({{1, 2, QVariant(), 4},
                       {1, 2, 3, 4},
                       {2, 2, 3, 4},
                       {QVariant(), 2, 3, 4},
                       {4, 2, 3, 4}});
    run.office.addFile(XlsPath, book);
    run.job.set.WordWrap = true;
    run.format();
    const FakeCalcSheetData s = run.sheet();
    QVERIFY(s.format(1, 2).wrap);    // B3 inside A1:B3
    QVERIFY(!s.format(2, 2).wrap);   // C3: beyond the gap in the first row
    QVERIFY(!s.format(1, 3).wrap);   // B4: beyond the gap in the first column
}

void TestCalcFormat::scanCountsZeroAndErrorsButNotEmptyTexts()
{
    Run run;
    FakeCalcWorkbook book = FakeCalcWorkbook::xls();
    FakeCalcSheetData &s = book.sheet();
    s.fill({{0, QVariant(), QVariant(), QVariant()}});
    s.setErrorFormula(1, 0);
    s.setNumberFormula(2, 0, 0);
    s.setTextFormula(3, 0, QString());
    s.setText(4, 0, QStringLiteral("after"));
    s.fill({{0}, {0}});
    run.office.addFile(XlsPath, book);
    run.format();
    const FakeCalcSheetData r = run.sheet();
    QVERIFY(r.column(0).optimal && r.column(1).optimal && r.column(2).optimal);
    QVERIFY(!r.column(3).optimal);
    QVERIFY(r.format(0, 1).wrap);
    QVERIFY(!r.format(0, 2).wrap);
}

void TestCalcFormat::scanKeepsToItsBounds()
{
    Run run;
    FakeCalcWorkbook book = FakeCalcWorkbook::xls();
    QList<QVariantList> rows;
    for (int row = 0; row < 40; ++row)
        rows.append(QVariantList{1, 2, 3, 4, 5});
    book.sheet().fill(rows);
    run.office.addFile(XlsPath, book);
    run.job.maxScanColumns = 3;
    run.job.maxScanRows = 35;
    run.format();
    const FakeCalcSheetData s = run.sheet();
    QVERIFY(s.column(2).optimal);
    QVERIFY(!s.column(3).optimal);
    QVERIFY(s.format(0, 34).wrap);
    QVERIFY(!s.format(0, 35).wrap);
}

void TestCalcFormat::storesInPlaceOrToTheChosenFormat_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("readWith");      // the import filter the office reads it with
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("filterName");
    QTest::addColumn<QString>("fileExtension");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("after");  // the source: "replaced", "kept" or "trashed"

    const QString xls = QStringLiteral("MS Excel 97/2000/XP");
    const QString xlsx = QStringLiteral("Calc MS Excel 2007 XML");
    QTest::newRow("xls in place") << "table.xls" << "MS Excel 97" << 7 << xls << ".xls" << "table.xls" << "replaced";
    QTest::newRow("xls to ods") << "table.xls" << "MS Excel 97" << 3 << "calc8" << ".ods" << "table.ods" << "kept";
    QTest::newRow("ods onto itself") << "table.ods" << "calc8" << 3 << "calc8" << ".ods" << "table.ods" << "replaced";
    QTest::newRow("ods to xls") << "table.ods" << "calc8" << 7 << xls << ".xls" << "table.xls" << "kept";
    QTest::newRow("ods to xlsx") << "table.ods" << "calc8" << 21 << xlsx << ".xlsx" << "table.xlsx" << "kept";
    QTest::newRow("xlsx to xls") << "table.xlsx" << xlsx << 7 << xls << ".xls" << "table.xls" << "kept";
    QTest::newRow("xlsx in place") << "table.xlsx" << xlsx << 21 << xlsx << ".xlsx" << "table.xlsx" << "replaced";
    QTest::newRow("ods named xlsx") << "table.xlsx" << "calc8" << 21 << xlsx << ".xlsx" << "table.xlsx" << "trashed";
    QTest::newRow("html named xls") << "table.xls" << "HTML (StarCalc)" << 7 << xls << ".xls" << "table.xls" << "trashed";
    QTest::newRow("name without dot") << "table" << "calc8" << 3 << "calc8" << ".ods" << "table.ods" << "kept";
    QTest::newRow("dot in the folder") << "v1.2/table" << "calc8" << 3 << "calc8" << ".ods" << "v1.2/table.ods" << "kept";
    QTest::newRow("upper-case extension") << "T.ODS" << "calc8" << 3 << "calc8" << ".ods" << "T.ODS" << "replaced";
}

// Where a result goes, from the format the office read and the format chosen: over the
// document only in its own format; anywhere else beside it, and the document itself in
// the trash when a result of another format takes its name.
void TestCalcFormat::storesInPlaceOrToTheChosenFormat()
{
    QFETCH(QString, source);
    QFETCH(QString, readWith);
    QFETCH(int, entry);
    QFETCH(QString, filterName);
    QFETCH(QString, fileExtension);
    QFETCH(QString, target);
    QFETCH(QString, after);
    QDir().mkpath(QFileInfo(inWork(source)).path());
    Run run;
    FakeCalcWorkbook book = table();
    book.loadFilter = readWith;
    run.office.addFile(inWork(source), book);
    const QByteArray original = TestFiles::read(inWork(source));
    run.job.saveAs.SaveAs = entry;
    run.job.saveAs.calcFilter = filter(filterName, fileExtension);
    run.format(inWork(source));
    verifySucceeded(run);
    const FakeCalcOffice::StoreRecord store = run.office.stores.first();
    QVERIFY(!store.inPlace);   // always to a result beside the target first
    QCOMPARE(store.args.filterName, entry == 7 ? QStringLiteral("MS Excel 97") : filterName);
    QVERIFY(run.stored(inWork(target)).sheet().format(1, 1).wrap);
    if (after == QLatin1String("kept"))
        QCOMPARE(TestFiles::read(inWork(source)), original);
    QCOMPARE(run.host.notices.size(), after == QLatin1String("trashed") ? 1 : 0);
    if (after == QLatin1String("trashed"))
        QCOMPARE(TestFiles::read(trashedPath(run.host.notices.first())), original);
    // Nothing else is left in the folder: no private folder, no lock file.
    QStringList expected{QFileInfo(source).fileName()};
    if (target != source)
        expected.append(QFileInfo(target).fileName());
    expected.sort();
    QCOMPARE(QDir(QFileInfo(inWork(target)).path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                                            QDir::Name),
             expected);
}

void TestCalcFormat::textFilterOptions_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("filterName");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("text");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QString>("options");
    const QString csv = QStringLiteral("Text - txt - csv (StarCalc)");
    QTest::newRow("csv comma quote") << 16 << csv << ".csv" << 44 << 34 << false << "44,34,ANSI,1";
    QTest::newRow("csv tab apostrophe") << 16 << csv << ".csv" << 9 << 39 << false << "9,39,ANSI,1";
    QTest::newRow("csv fixed width") << 16 << csv << ".csv" << 59 << 34 << true << "FIX,34,ANSI,1";
    QTest::newRow("dbase") << 1 << "dBase" << ".dbf" << 44 << 34 << false << "ANSI";
    QTest::newRow("dif") << 6 << "DIF" << ".dif" << 44 << 34 << false << "ANSI";
}

void TestCalcFormat::textFilterOptions()
{
    QFETCH(int, entry);
    QFETCH(QString, filterName);
    QFETCH(QString, extension);
    QFETCH(int, field);
    QFETCH(int, text);
    QFETCH(bool, fixed);
    QFETCH(QString, options);
    Run run;
    run.office.addFile(XlsPath, table());
    run.job.saveAs.SaveAs = entry;
    run.job.saveAs.calcFilter = filter(filterName, extension);
    run.job.saveAs.fieldDelimiterCode = field;
    run.job.saveAs.textDelimiterCode = text;
    run.job.saveAs.FixedWidth = fixed;
    run.format();
    verifySucceeded(run);
    const FakeCalcOffice::StoreRecord store = run.office.stores.first();
    QCOMPARE(QUrl(store.targetUrl).fileName(), QStringLiteral("table") + extension);
    QVERIFY(run.office.hasFile(inWork(QStringLiteral("table") + extension)));
    QCOMPARE(store.args.filterName, filterName);
    QCOMPARE(store.args.filterOptions.value_or(QString()), options);
}

void TestCalcFormat::missingCharsetFailsTheDocument()
{
    for (int entry : {1, 16}) {
        Run run;
        run.office.addFile(XlsPath, table());
        run.job.saveAs.SaveAs = entry;
        run.job.saveAs.calcFilter = filter(QStringLiteral("dBase"), QStringLiteral(".dbf"));
        run.job.saveAs.charsetToken.reset();
        run.format();
        verifyFailed(run);
    }
    // DIF without a character set takes the office's default.
    Run dif;
    dif.office.addFile(XlsPath, table());
    dif.job.saveAs.SaveAs = 6;
    dif.job.saveAs.calcFilter = filter(QStringLiteral("DIF"), QStringLiteral(".dif"));
    dif.job.saveAs.charsetToken.reset();
    dif.format();
    verifySucceeded(dif);
    QVERIFY(!dif.office.stores.first().args.filterOptions);
}

void TestCalcFormat::refusedFilterFailsTheDocument()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.job.saveAs.SaveAs = 4;
    run.job.saveAs.calcFilter = filter(QStringLiteral("StarOffice XML (Calc"), QStringLiteral(".sxc"));
    run.format();
    verifyFailed(run);
    QVERIFY(!run.office.hasFile(inWork(QStringLiteral("table.sxc"))));
    QCOMPARE(QDir(WorkDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("table.xls")});
}

void TestCalcFormat::filesOnDiskAreRespected_data()
{
    QTest::addColumn<int>("entry");            // 7 in place as .xls, 3 a copy as .ods
    QTest::addColumn<QString>("prepare");
    QTest::addColumn<QString>("logSecond");    // the log line's second part; empty: none
    QTest::newRow("other file in the way") << 3 << "ods exists" << "was in the way and has been moved to the trash: ";
    QTest::newRow("read-only in place") << 7 << "read-only" << "can`t process document: the document is read-only";
    QTest::newRow("read-only to a copy") << 3 << "read-only" << QString();
    QTest::newRow("open elsewhere") << 7 << "lock file"
                                    << "can`t process document: the document is open in another program "
                                       "(lock file .~lock.table.xls#)";
}

void TestCalcFormat::filesOnDiskAreRespected()
{
    QFETCH(int, entry);
    QFETCH(QString, prepare);
    QFETCH(QString, logSecond);
    QTemporaryDir folder;
    const QString xls = folder.filePath(QStringLiteral("table.xls"));
    const QString ods = folder.filePath(QStringLiteral("table.ods"));
    auto write = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(write(xls, "the document's own bytes"));
    if (prepare == QLatin1String("ods exists"))
        QVERIFY(write(ods, "an unrelated workbook of the user"));
    else if (prepare == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(xls, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    else
        QVERIFY(write(folder.filePath(QStringLiteral(".~lock.table.xls#")), ",someone,host,01.01.2026 10:00,;"));

    Run run;
    run.office.addFile(xls, table());
    run.job.saveAs.SaveAs = entry;
    if (entry == 3)
        run.job.saveAs.calcFilter = filter(QStringLiteral("calc8"), QStringLiteral(".ods"));
    run.format(xls);
    const bool refused = logSecond.startsWith(QStringLiteral("can`t"));
    QCOMPARE(run.host.problemLogged, refused);
    QCOMPARE(run.office.stores.size(), refused ? 0 : 1);
    QCOMPARE(run.office.loadedUrls.size(), refused ? 0 : 1);   // a refused document is not even opened
    QCOMPARE(run.host.logLines.size(), logSecond.isEmpty() ? 0 : 1);
    if (!logSecond.isEmpty())
        QVERIFY2(run.host.logLines.first().second.startsWith(logSecond), qPrintable(run.host.logLines.first().second));
    QFile original(xls);
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), QByteArray("the document's own bytes"));
    if (prepare == QLatin1String("ods exists")) {
        QCOMPARE(run.host.logLines.first().first, ods);
        const QString trashed = run.host.logLines.first().second.mid(logSecond.size());
        QFile moved(trashed);
        QVERIFY2(moved.open(QIODevice::ReadOnly), qPrintable(trashed));
        QCOMPARE(moved.readAll(), QByteArray("an unrelated workbook of the user"));
        moved.remove();
        QCOMPARE(run.host.notices.size(), 1);
        QVERIFY(run.host.notices.first().contains(trashed));
    }
}

void TestCalcFormat::brokenStoreLeavesNoOfficeTempFile()
{
    const QString earlier = inWork(QStringLiteral("lu1234abcd.tmp"));   // not this store's
    QVERIFY(QFile(earlier).open(QIODevice::WriteOnly));
    Run run;
    run.office.addFile(XlsPath, table());
    run.job.saveAs.SaveAs = 3;
    run.job.saveAs.calcFilter = filter(QStringLiteral("calc8"), QStringLiteral(".ods"));
    run.office.failOn.insert(QStringLiteral("storeToUrl"));
    // The office dies mid-store: half a result and its temporary file, where it writes.
    run.office.beforeFailing = [&](const QString &) {
        const QStringList mine = QDir(WorkDir).entryList({QStringLiteral(".~tablevane-*")}, QDir::Dirs | QDir::Hidden);
        QCOMPARE(mine.size(), 1);
        const QDir store(inWork(mine.first()));
        QVERIFY(QFile(store.filePath(QStringLiteral("lu99887766.tmp"))).open(QIODevice::WriteOnly));
        QFile half(store.filePath(QStringLiteral("table.ods")));
        QVERIFY(half.open(QIODevice::WriteOnly) && half.write("PK half") > 0);
    };
    run.format();
    QVERIFY(run.host.problemLogged);
    QCOMPARE(QDir(WorkDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{QStringLiteral("lu1234abcd.tmp"), QStringLiteral("table.xls")}));
}

void TestCalcFormat::failuresAreLoggedAndNothingIsStored_data()
{
    QTest::addColumn<QString>("failingCall");
    QTest::addColumn<int>("sheet");
    QTest::newRow("no office") << "createDesktop" << 0;
    QTest::newRow("load") << "load" << 0;
    QTest::newRow("sheet beyond the last") << QString() << 1;
    QTest::newRow("negative sheet") << QString() << -1;
    QTest::newRow("borders") << "setTableBorder" << 0;
    QTest::newRow("page style") << "pageStyle" << 0;
    QTest::newRow("header") << "setRightPageHeaderContent" << 0;
    QTest::newRow("widths") << "setOptimalWidths" << 0;
    QTest::newRow("store") << "storeToUrl" << 0;
}

void TestCalcFormat::failuresAreLoggedAndNothingIsStored()
{
    QFETCH(QString, failingCall);
    QFETCH(int, sheet);
    Run run;
    run.office.addFile(XlsPath, table());
    run.office.failOn.insert(failingCall);
    run.format(XlsPath, sheet);
    verifyFailed(run);
    QVERIFY(!run.sheet().format(1, 1).wrap);
}

void TestCalcFormat::misreadDocumentIsLeftUntouched()
{
    for (const QString &misread : {QStringLiteral("Text - txt - csv (StarCalc)"), QString()}) {
        Run run;
        FakeCalcWorkbook book = table();
        book.loadFilter = misread;   // read as text, or no document at all
        run.office.addFile(XlsPath, book);
        run.format();
        verifyFailed(run);
    }
    // Read whole in another real format: formatted as any other document.
    for (const auto &[path, filterName] : {std::pair{XlsPath, QStringLiteral("HTML (StarCalc)")},
                                           std::pair{OdsPath, QStringLiteral("MS Excel 97")}}) {
        Run run;
        FakeCalcWorkbook book = table();
        book.loadFilter = filterName;
        run.office.addFile(path, book);
        run.job.saveAs.Extension = path == OdsPath ? 1 : 0;
        run.format(path);
        verifySucceeded(run);
    }
}

void TestCalcFormat::failureWithoutLogStillMarksTheProblem()
{
    Run run;
    run.job.set.Log = false;
    run.format();   // no such file
    QVERIFY(run.host.problemLogged);
    QVERIFY(run.host.logLines.isEmpty());
    QCOMPARE(run.host.progress.size(), 1);
}

void TestCalcFormat::badFontSizeFailsTheDocument()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.job.set.FontAsIs = false;
    run.job.set.FontSize = QStringLiteral("1x");
    run.format();
    verifyFailed(run);
}

void TestCalcFormat::progressUsesTheCalcWording()
{
    Run run;
    run.office.addFile(XlsPath, table());
    run.format();
    run.format(inWork(QStringLiteral("missing.xls")));
    QCOMPARE(run.host.progress.size(), 2);
    for (const RecordingBackendHost::Progress &p : run.host.progress) {
        QCOMPARE(p.position, 3);
        QCOMPARE(p.count, 7);
        QCOMPARE(p.wording, ProgressWording::Calc);
    }
    QCOMPARE(run.host.events.last(), QStringLiteral("progress"));
}

QTEST_GUILESS_MAIN(TestCalcFormat)
void TestCalcFormat::allSheetsInOneOpening_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::newRow("three sheets, one empty") << false;
    QTest::newRow("damaged") << true;
}

void TestCalcFormat::allSheetsInOneOpening()
{
    QFETCH(bool, damaged);
    Run run;
    FakeCalcWorkbook book = table(FakeCalcWorkbook::xls({QStringLiteral("One"), QStringLiteral("Empty"), QStringLiteral("Three")}));
    book.sheet(2).fill({{QStringLiteral("x"), QStringLiteral("y")}, {1, 2}});
    if (damaged)
        book.loadFilter.clear();   // the office reads nothing
    run.office.addFile(XlsPath, book);
    run.job.set.ApplyForAll = true;
    run.job.set.WordWrap = true;
    run.job.saveAs.SaveAs = 3;
    run.job.saveAs.calcFilter = filter(QStringLiteral("calc8"), QStringLiteral(".ods"));
    run.host.results.SheetCount = 50;   // an earlier document's
    FormatAllSheetsCalc(run.office, XlsPath, 2, 4, run.job, run.host);
    verifyReleased(run.office);
    if (damaged) {
        verifyFailed(run);
        QCOMPARE(run.host.results.SheetCount, 50);
        return;
    }
    QCOMPARE(run.office.loadedUrls.size(), 1);
    QCOMPARE(run.office.stores.size(), 1);
    QVERIFY(!run.host.problemLogged);
    QCOMPARE(run.host.progress.size(), 1);   // the document counts once, when it is stored
    QCOMPARE(run.host.results.SheetCount, 3);
    QCOMPARE(run.host.sheetNumberItems, (QStringList{"1", "2", "3"}));
    QCOMPARE(run.host.notices.size(), 1);
    QVERIFY(run.host.notices.first().endsWith(QStringLiteral("sheet 2 is empty")));
    const FakeCalcWorkbook stored = run.stored(OdsPath);
    QVERIFY(stored.sheet(0).format(1, 1).wrap);
    QVERIFY(stored.sheet(2).format(1, 1).wrap);
    QVERIFY(!stored.sheet(1).format(0, 0).wrap);
}

void TestCalcFormat::oneSheetNeverChangesAnother()
{
    // Three sheets of an .ods share "Default": sheet 2 formatted landscape gets a copy.
    Run run;
    FakeCalcWorkbook book = table(FakeCalcWorkbook::ods({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    book.sheet(1).fill({{1, 2}, {3, 4}});
    run.office.addFile(OdsPath, book);
    run.job.saveAs.Extension = 1;
    run.job.saveAs.SaveAs = 3;
    run.job.saveAs.calcFilter = filter(QStringLiteral("calc8"), QStringLiteral(".ods"));
    run.job.set.Orientation = 1;
    run.job.set.PageNumeration = true;
    run.format(OdsPath, 1);
    verifySucceeded(run);
    FakeCalcWorkbook stored = run.stored(OdsPath);
    QCOMPARE(stored.sheet(0).pageStyle, QStringLiteral("Default"));
    QCOMPARE(stored.sheet(2).pageStyle, QStringLiteral("Default"));
    QVERIFY(!stored.pageStyleOf(0).isLandscape);
    QCOMPARE(stored.pageStyleOf(0).header.pageNumberCount(), 0);
    QCOMPARE(stored.sheet(1).pageStyle, QStringLiteral("Default (2)"));
    QVERIFY(stored.pageStyleOf(1).isLandscape);

    // Every sheet formatted: they keep sharing their style, no copy is made.
    Run all;
    book.sheet(2).fill({{1, 2}});
    all.office.addFile(OdsPath, book);
    all.job = run.job;
    FormatAllSheetsCalc(all.office, OdsPath, 1, 1, all.job, all.host);
    stored = all.stored(OdsPath);
    QCOMPARE(stored.pageStyles.size(), book.pageStyles.size());
    for (int sheet = 0; sheet < 3; ++sheet)
        QVERIFY(stored.pageStyleOf(sheet).isLandscape);
}

#include "tst_calcformat.moc"
