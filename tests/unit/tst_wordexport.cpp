#include "AutomationError.h"
#include "DocumentRefusal.h"
#include "FakeWord.h"
#include "WordExport.h"
#include "WordTableExport.h"

#include <QTest>

namespace {

const std::wstring Path = L"/data/work/report.final.doc";

struct Export
{
    FakeClipboard clipboard;
    FakeWord word{clipboard};

    Export() { clipboard.table = {{L"Name", L"Count"}, {L"a", L"1"}, {L"b", L"2"}}; }

    void run(bool apa, int excelOrientation = 0) { ExportTableToWord(word, Path, L"report", apa, excelOrientation); }
    const FakeWordDocument &document() { return word.lastInstance().documents.front(); }
};

// Word hidden, asked nothing, the document saved under the path given and Word ended.
void verifySavedAndQuit(Export &e)
{
    FakeWordInstance &instance = e.word.lastInstance();
    QVERIFY(instance.quit);
    QVERIFY(!instance.visible);
    QVERIFY(!instance.displayAlerts);
    QVERIFY(instance.process->prompts().empty());
    QCOMPARE(instance.documents.size(), size_t(1));
    QCOMPARE(QString::fromStdWString(*e.document().savedAs), QString::fromStdWString(Path));
    QCOMPARE(e.document().savedFormat, 0);
    QVERIFY(e.word.disk.count(Path) == 1);
}

} // namespace

// ExportTableToWord and WordTableExport over the simulated Word, which leaves the
// insertion point after a pasted table as Word does: the document they leave, and Word
// ended on every way out.
class TestWordExport : public QObject
{
    Q_OBJECT

private slots:
    void tableAloneWithItsHeaderRowCentred();
    void apaAddsLabelTitleAndLayout();
    void orientationFromExcel_data();
    void orientationFromExcel();
    void severalTablesInOneDocument();
    void failuresQuitWord_data();
    void failuresQuitWord();
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
    QCOMPARE(QString::fromStdWString(title.text), QStringLiteral("report"));
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
    // One inch each: Word takes margins in points, whatever unit its user chose.
    const FakeWordDocument &d = e.document();
    QCOMPARE((QList<double>{d.topMargin, d.bottomMargin, d.leftMargin, d.rightMargin}),
             (QList<double>{72, 72, 72, 72}));
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

void TestWordExport::severalTablesInOneDocument()
{
    // Tables right below each other would merge into one: something always lies between.
    for (const bool apa : {false, true}) {
        Export e;
        WordTableExport document(e.word, apa, 0);
        document.addTable(L"report");
        e.clipboard.table = {{L"Other"}, {L"x"}};
        document.addTable(L"report");
        document.saveAs(Path);
        document.end();
        verifySavedAndQuit(e);
        const std::vector<FakeWordBlock> content = e.document().content();
        QCOMPARE(content.size(), size_t(apa ? 6 : 3));
        const FakeWordBlock &first = content[apa ? 2 : 0];
        const FakeWordBlock &second = content.back();
        QVERIFY(first.isTable && second.isTable);
        QVERIFY(!content[apa ? 3 : 1].isTable);
        QCOMPARE(QString::fromStdWString(second.table.cells.front().front()), QStringLiteral("Other"));
        QCOMPARE(first.table.rowAlignment.front(), 1);
        QCOMPARE(second.table.rowAlignment.front(), 1);
        QCOMPARE(second.table.autoFitBehavior, apa ? 2 : 0);
    }
}

void TestWordExport::failuresQuitWord_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<bool>("asks");   // the member asks a question instead of failing
    QTest::newRow("new document") << "Documents.Add" << false;
    QTest::newRow("label") << "Selection.InsertAfter" << false;
    QTest::newRow("paste") << "Selection.Paste" << false;
    QTest::newRow("margin") << "PageSetup.LeftMargin" << false;
    QTest::newRow("table") << "Tables.Item" << false;
    QTest::newRow("save") << "Document.SaveAs" << false;
    QTest::newRow("empty clipboard") << "" << false;
    QTest::newRow("a question at the paste") << "Selection.Paste" << true;
    QTest::newRow("a question at the save") << "Document.SaveAs" << true;
}

void TestWordExport::failuresQuitWord()
{
    QFETCH(QString, failing);
    QFETCH(bool, asks);
    Export e;
    e.word.limits.noProgress = std::chrono::seconds(1);
    (asks ? e.word.promptOn : e.word.failOn).insert(failing.toStdString());
    if (failing.isEmpty())
        e.clipboard.table.reset();
    std::string member;
    std::string refusal;
    try {
        e.run(true);
    } catch (const AutomationError &error) {
        member = error.member();
    } catch (const DocumentRefusal &error) {
        refusal = error.what();
    }
    if (asks) {
        // The watchdog ended Word; the export says so.
        QCOMPARE(QString::fromStdString(refusal),
                 QStringLiteral("Word stopped responding (waiting for an answer nobody could give) and was ended"));
        QVERIFY(e.word.lastInstance().process->ended());
    } else {
        QCOMPARE(QString::fromStdString(member), failing.isEmpty() ? QStringLiteral("Selection.Paste") : failing);
        QVERIFY(e.word.lastInstance().quit);
    }
    for (const FakeWordDocument &document : e.word.lastInstance().documents)
        QVERIFY(!document.savedAs);
    QVERIFY(e.word.disk.empty());
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
