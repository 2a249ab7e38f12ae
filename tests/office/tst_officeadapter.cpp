#include "CalcCellRange.h"
#include "CalcColumn.h"
#include "CalcDesktop.h"
#include "CalcDocument.h"
#include "CalcError.h"
#include "CalcHeaderContent.h"
#include "CalcPageStyle.h"
#include "CalcPaths.h"
#include "CalcSession.h"
#include "CalcSheet.h"
#include "OfficeDocuments.h"
#include "PreferencesModel.h"
#include "UnoOffice.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One opened document and the desktop of its operation.
struct Opened
{
    std::unique_ptr<CalcDesktop> desktop;
    std::unique_ptr<CalcDocument> document;

    Opened(UnoOffice &office, const QString &path)
        : desktop(office.createDesktop())
        , document(desktop->loadComponentFromUrl(CalcPaths::documentUrl(path)))
    {
    }
    ~Opened()
    {
        if (document)
            document->close();
    }
    CalcDocument *operator->() { return document.get(); }
};

CalcTableBorder allLines(int width)
{
    CalcTableBorder border;
    for (CalcBorderLine *line : {&border.TopLine, &border.BottomLine, &border.LeftLine, &border.RightLine,
                                 &border.HorizontalLine, &border.VerticalLine})
        *line = CalcBorderLine{0x000000, 0, width, 0};
    border.IsTopLineValid = border.IsBottomLineValid = border.IsLeftLineValid = true;
    border.IsRightLineValid = border.IsHorizontalLineValid = border.IsVerticalLineValid = true;
    return border;
}

} // namespace

class TestOfficeAdapter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void readsSheetsAndCells_data();
    void readsSheetsAndCells();
    void readsValuesAndTypesInBulk();
    void writtenPropertiesSurviveAStore_data();
    void writtenPropertiesSurviveAStore();
    void storesInPlace();
    void refusesUnregisteredFilters();
    void rangeNamesArePutInOrder();
    void lockedRowHeightsAreFittedOnRequest();
    void damagedXlsIsNotTakenForAWorkbook();
    void openDocumentLeavesNoLockFileBesideIt();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    std::unique_ptr<UnoOffice> m_office;
};

void TestOfficeAdapter::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("tablevane.calc.warning=false"));
    QVERIFY(m_dir.isValid());
    m_office = std::make_unique<UnoOffice>();
    TABLEVANE_REQUIRE_OFFICE(*m_office);
    const QList<OfficeDocuments::Sheet> sheets = {
        {QStringLiteral("Data"),
         {{QStringLiteral("Name"), QStringLiteral("Count"), QStringLiteral("=1/0"), QStringLiteral("=\"\"")},
          {QStringLiteral("a"), 0, QStringLiteral("=B2+1"), QVariant()}}},
        {QStringLiteral("Zweites Blatt"), {{1}}}};
    OfficeDocuments::make(*m_office, path(QStringLiteral("two.xls")), sheets, QStringLiteral("MS Excel 97"));
    OfficeDocuments::make(*m_office, path(QStringLiteral("two.ods")), sheets, QStringLiteral("calc8"));
}

void TestOfficeAdapter::cleanupTestCase()
{
    m_office.reset();
}

void TestOfficeAdapter::readsSheetsAndCells_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("filter");
    QTest::newRow("xls") << "two.xls" << "MS Excel 97";
    QTest::newRow("ods") << "two.ods" << "calc8";
}

void TestOfficeAdapter::readsSheetsAndCells()
{
    QFETCH(QString, file);
    QFETCH(QString, filter);
    Opened doc(*m_office, path(file));
    QVERIFY(doc.document);
    QCOMPARE(doc->filterName(), filter);
    // Hidden, no macro runs, no link is fetched.
    QCOMPARE(OfficeDocuments::loadArgument(*doc.document, QStringLiteral("Hidden")), QVariant(true));
    QCOMPARE(OfficeDocuments::loadArgument(*doc.document, QStringLiteral("MacroExecutionMode")), QVariant(0));
    QCOMPARE(OfficeDocuments::loadArgument(*doc.document, QStringLiteral("UpdateDocMode")), QVariant(0));
    QCOMPARE(doc->sheetCount(), 2);
    QCOMPARE(doc->sheetNames(), QStringList({"Data", "Zweites Blatt"}));
    const std::unique_ptr<CalcSheet> sheet = doc->sheet(0);
    QCOMPARE(sheet->name(), QStringLiteral("Data"));
    QCOMPARE(doc->sheet(1)->name(), QStringLiteral("Zweites Blatt"));
    QVERIFY_THROWS_EXCEPTION(CalcError, doc->sheet(2));

    QCOMPARE(sheet->cell(0, 0).type, CalcCellType::Text);
    QCOMPARE(sheet->cell(0, 0).string, QStringLiteral("Name"));
    QCOMPARE(sheet->cell(1, 1).type, CalcCellType::Value);
    QCOMPARE(sheet->cell(1, 1).string, QStringLiteral("0"));
    QCOMPARE(sheet->cell(2, 1).type, CalcCellType::Formula);
    QCOMPARE(sheet->cell(2, 1).value, 1.0);
    QCOMPARE(sheet->cell(3, 1).type, CalcCellType::Empty);

    // The sheet's own page style exists in the family.
    const QString style = sheet->pageStyleName();
    QVERIFY(!style.isEmpty());
    QCOMPARE(doc->pageStyle(style)->name(), style);
    QVERIFY(doc->pageStyleCount() >= 2);
}

void TestOfficeAdapter::readsValuesAndTypesInBulk()
{
    Opened doc(*m_office, path(QStringLiteral("two.ods")));
    const std::unique_ptr<CalcSheet> sheet = doc->sheet(0);
    const QVector<CalcCellContent> row = sheet->contents({0, 0, 4, 0});
    QCOMPARE(row.size(), 5);
    QCOMPARE(row.at(0).text, QStringLiteral("Name"));
    QCOMPARE(row.at(2).kind, CalcCellContent::Kind::Error);   // =1/0
    QCOMPARE(row.at(3).kind, CalcCellContent::Kind::Text);    // ="": an empty text
    QVERIFY(!row.at(3).counts());
    QVERIFY(!row.at(4).counts());                              // empty cell
    const QVector<CalcCellContent> column = sheet->contents({1, 0, 1, 2});
    QCOMPARE(column.at(1).kind, CalcCellContent::Kind::Number);
    QVERIFY(column.at(1).counts());                            // the number 0
    QVERIFY(!column.at(2).counts());

    const QVector<CalcCellType> types = sheet->cellTypes({0, 1, 3, 1});
    QCOMPARE(types, QVector<CalcCellType>({CalcCellType::Text, CalcCellType::Value, CalcCellType::Formula,
                                           CalcCellType::Empty}));
}

void TestOfficeAdapter::writtenPropertiesSurviveAStore_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("extension");
    QTest::newRow("ods") << "calc8" << ".ods";
    QTest::newRow("xls") << "MS Excel 97" << ".xls";
}

void TestOfficeAdapter::writtenPropertiesSurviveAStore()
{
    QFETCH(QString, filter);
    QFETCH(QString, extension);
    const QString target = path(QStringLiteral("written") + extension);
    CalcCellProperties written;
    written.CharFontName = QStringLiteral("Times New Roman");
    written.CharHeight = 14;
    written.CharWeight = CalcCellProperties::WeightBold;
    written.CharPosture = CalcCellProperties::PostureItalic;
    written.CharColor = 0xFF0000;
    written.CellBackColor = 0x00CCFF;
    written.HoriJustify = CalcCellProperties::HoriRight;
    written.VertJustify = CalcCellProperties::VertCentre;
    written.IsTextWrapped = true;
    {
        Opened doc(*m_office, path(QStringLiteral("two.ods")));
        const std::unique_ptr<CalcSheet> sheet = doc->sheet(0);
        const std::unique_ptr<CalcCellRange> range = sheet->cellRangeByName(QStringLiteral("A1:B2"));
        range->setProperties(written);
        range->setTableBorder(allLines(35));
        CalcCellProperties other;
        other.HoriJustify = CalcCellProperties::HoriLeft;
        sheet->setPropertiesOnRanges({{3, 0, 3, 0}, {3, 2, 3, 2}}, other);
        sheet->column(0)->setWidth(3000);
        sheet->setColumnWidths(1, {4000, 4000, 1500});
        sheet->setOptimalWidths(5, 2);

        const std::unique_ptr<CalcPageStyle> style = doc->pageStyle(sheet->pageStyleName());
        CalcPageStyleProperties page;
        page.IsLandscape = true;
        page.Width = 29700;
        page.Height = 21000;
        page.HeaderIsOn = true;
        page.HeaderIsShared = true;
        page.CenterHorizontally = true;
        page.LeftMargin = page.RightMargin = page.TopMargin = page.BottomMargin = 2540;
        style->setProperties(page);
        const std::unique_ptr<CalcHeaderContent> header = style->rightPageHeaderContent();
        header->setLeftText(QStringLiteral("Bericht für März.xls"));
        // A centre that holds nothing but a field is not taken for an empty one.
        header->setCentreText(QString());
        header->removeCentrePageNumbers();
        header->appendCentrePageNumber();
        header->removeCentrePageNumbers();
        QCOMPARE(header->centrePageNumberCount(), 0);
        header->setCentreText(QStringLiteral("Confidential "));
        header->appendCentrePageNumber();
        header->appendCentrePageNumber();
        header->removeCentrePageNumbers();
        header->appendCentrePageNumber();
        style->setRightPageHeaderContent(*header);
        doc->storeToUrl(CalcPaths::documentUrl(target), {filter, std::nullopt});
    }

    Opened doc(*m_office, target);
    QCOMPARE(doc->filterName(), filter);
    const std::unique_ptr<CalcSheet> sheet = doc->sheet(0);
    const CalcCellProperties read = sheet->cellRangeByName(QStringLiteral("B2"))->properties();
    QCOMPARE(read.CharFontName, written.CharFontName);
    QCOMPARE(read.CharHeight, written.CharHeight);
    QVERIFY(read.CharWeight.value_or(0) >= 150);   // bold
    QCOMPARE(read.CharPosture, written.CharPosture);
    QCOMPARE(read.CharColor, written.CharColor);
    QCOMPARE(read.CellBackColor, written.CellBackColor);
    QCOMPARE(read.HoriJustify, written.HoriJustify);
    QCOMPARE(read.VertJustify, written.VertJustify);
    QCOMPARE(read.IsTextWrapped, written.IsTextWrapped);
    QCOMPARE(sheet->cellRangeByName(QStringLiteral("D3"))->properties().HoriJustify,
             std::optional<int>(CalcCellProperties::HoriLeft));
    QCOMPARE(sheet->cellRangeByName(QStringLiteral("D2"))->properties().HoriJustify,
             std::optional<int>(0));

    const CalcTableBorder border = sheet->cellRangeByName(QStringLiteral("A1:B2"))->tableBorder();
    for (const CalcBorderLine &line : {border.TopLine, border.BottomLine, border.LeftLine, border.RightLine,
                                       border.HorizontalLine, border.VerticalLine})
        QVERIFY2(line.OuterLineWidth > 0, "every line is drawn");

    const QVector<int> widths = sheet->columnWidths(0, 4);
    QVERIFY(qAbs(widths.at(0) - 3000) <= 2);   // .xls rounds widths a little
    QVERIFY(qAbs(widths.at(1) - 4000) <= 2);
    QVERIFY(qAbs(widths.at(2) - 4000) <= 2);
    QVERIFY(qAbs(widths.at(3) - 1500) <= 2);
    QCOMPARE(sheet->column(1)->width(), widths.at(1));

    const std::unique_ptr<CalcPageStyle> style = doc->pageStyle(sheet->pageStyleName());
    const CalcPageStyleProperties page = style->properties();
    QCOMPARE(page.IsLandscape, std::optional<bool>(true));
    QVERIFY(qAbs(*page.Width - 29700) <= 10 && qAbs(*page.Height - 21000) <= 10);
    QCOMPARE(page.HeaderIsOn, std::optional<bool>(true));
    QCOMPARE(page.CenterHorizontally, std::optional<bool>(true));
    QVERIFY(qAbs(*page.LeftMargin - 2540) <= 10 && qAbs(*page.BottomMargin - 2540) <= 10);
    const std::unique_ptr<CalcHeaderContent> header = style->rightPageHeaderContent();
    QCOMPARE(header->leftText(), QStringLiteral("Bericht für März.xls"));
    QCOMPARE(header->centrePageNumberCount(), 1);
    QVERIFY2(header->centreText().startsWith(QStringLiteral("Confidential ")), qPrintable(header->centreText()));
}

void TestOfficeAdapter::storesInPlace()
{
    const QString file = path(QStringLiteral("inplace.xls"));
    QFile::copy(path(QStringLiteral("two.xls")), file);
    {
        Opened doc(*m_office, file);
        CalcCellProperties wrap;
        wrap.IsTextWrapped = true;
        doc->sheet(1)->cellRangeByName(QStringLiteral("A1"))->setProperties(wrap);
        doc->store();
    }
    Opened doc(*m_office, file);
    QCOMPARE(doc->filterName(), QStringLiteral("MS Excel 97"));
    QCOMPARE(doc->sheet(1)->cellRangeByName(QStringLiteral("A1"))->properties().IsTextWrapped,
             std::optional<bool>(true));
}

void TestOfficeAdapter::refusesUnregisteredFilters()
{
    // What the office's filter configuration says it can write: the save-as entries the
    // program offers as available are exactly those it can store.
    PreferencesModel prefs;
    prefs.create(OfficeDetectionResult{false, 0, true, false, m_office->exportFilters()});
    prefs.setOffice(1);
    QList<int> unavailable;
    for (int position = 0; position < prefs.saveAsItems().size(); ++position) {
        if (!prefs.saveAsAvailable(position))
            unavailable.append(position);
    }
    QCOMPARE(unavailable, (QList<int>{4, 5, 9, 10, 11, 12, 13, 14, 18}));
    QCOMPARE(prefs.calcFallbackSaveAs(), 7);

    Opened doc(*m_office, path(QStringLiteral("two.ods")));
    for (const QString &name : {QStringLiteral("MS Excel 97/2000/XP"), QStringLiteral("StarOffice XML (Calc")}) {
        const QString target = path(QStringLiteral("refused.xls"));
        QVERIFY_THROWS_EXCEPTION(CalcError, doc->storeToUrl(CalcPaths::documentUrl(target), {name, std::nullopt}));
        QVERIFY(!QFile::exists(target));
    }
}

void TestOfficeAdapter::rangeNamesArePutInOrder()
{
    Opened doc(*m_office, path(QStringLiteral("two.ods")));
    const std::unique_ptr<CalcSheet> sheet = doc->sheet(0);
    QCOMPARE(sheet->cellRangeByName(QStringLiteral("C2:C1"))->address(), (CalcRangeAddress{2, 0, 2, 1}));
    QCOMPARE(sheet->cellRangeByName(QStringLiteral("C5:A2"))->address(), (CalcRangeAddress{0, 1, 2, 4}));
    QVERIFY_THROWS_EXCEPTION(CalcError, sheet->cellRangeByName(QStringLiteral("A0:B2")));
}

void TestOfficeAdapter::lockedRowHeightsAreFittedOnRequest()
{
    const QString file = path(QStringLiteral("heights.ods"));
    OfficeDocuments::make(*m_office, file,
                          {{QStringLiteral("Data"),
                            {{QStringLiteral("a text far too long for the narrow column it stands in")},
                             {QStringLiteral("another text far too long for its narrow column")},
                             {QStringLiteral("plain")}},
                            {{1, 1234}}}},
                          QStringLiteral("calc8"));
    Opened doc(*m_office, file);
    const std::unique_ptr<CalcSheet> sheet = doc->sheet(0);
    const QList<int> before = OfficeDocuments::rowHeights(*doc.document, 0, 0, 3);
    CalcCellProperties wrap;
    wrap.IsTextWrapped = true;

    doc->setRowHeightsLocked(true);
    const std::unique_ptr<CalcCellRange> range = sheet->cellRangeByName(QStringLiteral("A1:A3"));
    range->setProperties(wrap);
    QCOMPARE(OfficeDocuments::rowHeights(*doc.document, 0, 0, 3), before);   // nothing fitted yet

    doc->setRowHeightsLocked(false);
    range->fitRowHeights();
    const QList<int> after = OfficeDocuments::rowHeights(*doc.document, 0, 0, 3);
    QVERIFY2(after.at(0) > 2 * before.at(0), "the wrapped text shows all its lines");
    QCOMPARE(after.at(1), before.at(1));   // fixed by hand
    QCOMPARE(after.at(2), before.at(2));
    QCOMPARE(sheet->cell(0, 0).string, QStringLiteral("a text far too long for the narrow column it stands in"));
}

void TestOfficeAdapter::damagedXlsIsNotTakenForAWorkbook()
{
    const QString file = path(QStringLiteral("damaged.xls"));
    QFile original(path(QStringLiteral("two.xls")));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QFile damaged(file);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(original.read(original.size() / 3));
    damaged.close();

    CalcSession session(*m_office);
    QVERIFY_THROWS_EXCEPTION(CalcError, session.open(file));
    QVERIFY_THROWS_EXCEPTION(CalcError, session.open(path(QStringLiteral("missing.xls"))));
}

void TestOfficeAdapter::openDocumentLeavesNoLockFileBesideIt()
{
    // A lock file beside the user's document would stay there should the office be killed.
    Opened doc(*m_office, path(QStringLiteral("two.xls")));
    QVERIFY(doc.document);
    QVERIFY(QDir(m_dir.path()).entryList({QStringLiteral(".~lock*")}, QDir::Files | QDir::Hidden).isEmpty());
}

QTEST_GUILESS_MAIN(TestOfficeAdapter)
#include "tst_officeadapter.moc"
