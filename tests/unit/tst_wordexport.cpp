#include "AutomationError.h"
#include "FakeWord.h"
#include "WordExport.h"

#include <QTest>

namespace {

const std::wstring Base = L"/data/work/report.final";

struct Export
{
    FakeClipboard clipboard;
    FakeWord word{clipboard};

    Export() { clipboard.table = {{L"Name", L"Count"}, {L"a", L"1"}, {L"b", L"2"}}; }

    void run(bool apa, int excelOrientation = 0) { ExportTableToWord(word, Base, apa, excelOrientation); }
    const FakeWordDocument &document() { return word.lastInstance().documents.front(); }
};

void verifySavedAndQuit(Export &e)
{
    FakeWordInstance &instance = e.word.lastInstance();
    QVERIFY(instance.quit);
    QVERIFY(!instance.visible);
    QCOMPARE(instance.documents.size(), size_t(1));
    QCOMPARE(QString::fromStdWString(*e.document().savedAs), QString::fromStdWString(Base));
    QCOMPARE(e.document().savedFormat, 0);
}

} // namespace

// ExportTableToWord over the simulated Word: the document it leaves, the user's Word
// settings, and Word ended on every way out.
class TestWordExport : public QObject
{
    Q_OBJECT

private slots:
    void tableAloneWithItsHeaderRowCentred();
    void apaAddsLabelTitleAndLayout();
    void orientationFromExcel_data();
    void orientationFromExcel();
    void failuresQuitWordAndKeepTheUnit_data();
    void failuresQuitWordAndKeepTheUnit();
    void presenceCheck();
};

void TestWordExport::tableAloneWithItsHeaderRowCentred()
{
    Export e;
    e.run(false);
    verifySavedAndQuit(e);
    const std::vector<FakeWordBlock> content = e.document().content();
    QCOMPARE(content.size(), size_t(1));
    const FakeWordTable &table = content.front().table;
    QVERIFY(content.front().isTable);
    QVERIFY(table.cells == *e.clipboard.table);
    QVERIFY(table.rowAlignment == (std::vector<int>{1, 0, 0}));
    QCOMPARE(table.rowsAlignment, 0);
    QCOMPARE(table.autoFitBehavior, 0);
    QCOMPARE(e.document().leftMargin, 90.0);
    QCOMPARE(e.word.measurementUnit, 1);
    QVERIFY(!e.document().orientation);
}

void TestWordExport::apaAddsLabelTitleAndLayout()
{
    Export e;
    e.run(true);
    verifySavedAndQuit(e);
    const std::vector<FakeWordBlock> content = e.document().content();
    QCOMPARE(content.size(), size_t(3));
    const FakeWordParagraph &label = content[0].paragraph;
    const FakeWordParagraph &title = content[1].paragraph;
    QCOMPARE(QString::fromStdWString(label.text), QStringLiteral("Table ##"));
    QCOMPARE(QString::fromStdWString(title.text), QStringLiteral("report"));   // without its last extension
    for (const FakeWordParagraph &line : {label, title}) {
        QCOMPARE(QString::fromStdWString(line.fontName), QStringLiteral("Times New Roman"));
        QCOMPARE(line.fontSize, 12);
        QCOMPARE(line.lineSpacingRule, 2);
    }
    QVERIFY(!label.italic);
    QVERIFY(title.italic);
    const FakeWordTable &table = content[2].table;
    QVERIFY(content[2].isTable);
    QCOMPARE(table.rowsAlignment, 1);
    QCOMPARE(table.autoFitBehavior, 2);
    QCOMPARE(table.cellsVerticalAlignment, 1);
    QCOMPARE(table.lineSpacingRule, 2);
    QCOMPARE(table.rowAlignment.front(), 1);
    // One inch each, given in inches while the user's unit (centimetres) is put back.
    const FakeWordDocument &d = e.document();
    QCOMPARE((QList<double>{d.topMargin, d.bottomMargin, d.leftMargin, d.rightMargin}),
             (QList<double>{72, 72, 72, 72}));
    QCOMPARE(e.word.measurementUnit, 1);
}

void TestWordExport::orientationFromExcel_data()
{
    QTest::addColumn<int>("excel");
    QTest::addColumn<int>("word");   // -1: left as Word made it
    QTest::newRow("portrait") << 1 << 0;
    QTest::newRow("landscape") << 2 << 1;
    QTest::newRow("as is") << 0 << -1;
}

void TestWordExport::orientationFromExcel()
{
    QFETCH(int, excel);
    QFETCH(int, word);
    Export e;
    e.run(false, excel);
    QCOMPARE(e.document().orientation.value_or(-1), word);
}

void TestWordExport::failuresQuitWordAndKeepTheUnit_data()
{
    QTest::addColumn<QString>("failing");
    QTest::newRow("new document") << "Documents.Add";
    QTest::newRow("label") << "Selection.InsertAfter";
    QTest::newRow("paste") << "Selection.Paste";
    QTest::newRow("margin") << "PageSetup.LeftMargin";
    QTest::newRow("table") << "Tables.Item";
    QTest::newRow("save") << "Document.SaveAs";
    QTest::newRow("empty clipboard") << "";
}

void TestWordExport::failuresQuitWordAndKeepTheUnit()
{
    QFETCH(QString, failing);
    Export e;
    e.word.failOn.insert(failing.toStdString());
    if (failing.isEmpty())
        e.clipboard.table.reset();
    bool failed = false;
    try {
        e.run(true);
    } catch (const AutomationError &error) {
        failed = true;
        if (!failing.isEmpty())
            QCOMPARE(QString::fromStdString(error.member()), failing);
    }
    QVERIFY(failed);
    QVERIFY(e.word.lastInstance().quit);
    QCOMPARE(e.word.measurementUnit, 1);
    for (const FakeWordDocument &document : e.word.lastInstance().documents)
        QVERIFY(!document.savedAs);
}

void TestWordExport::presenceCheck()
{
    Export e;
    QVERIFY(WordPresenceCheck(e.word));
    QVERIFY(e.word.lastInstance().quit);
    QVERIFY(e.word.lastInstance().displayAlerts);

    e.word.failOn = {"Application.Version"};
    QVERIFY(!WordPresenceCheck(e.word));
    QVERIFY(e.word.lastInstance().quit);
    e.word.failOn = {"createApplication"};
    QVERIFY(!WordPresenceCheck(e.word));
}

QTEST_GUILESS_MAIN(TestWordExport)
#include "tst_wordexport.moc"
