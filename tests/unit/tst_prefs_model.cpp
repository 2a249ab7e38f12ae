#include "FakeDetectionPort.h"
#include "OfficeDetection.h"
#include "PreferencesModel.h"
#include "SaveAsTables.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

OfficeDetectionResult excel(int version, bool word = false, bool calc = false)
{
    return OfficeDetectionResult{true, version, calc, word, {}};
}

OfficeDetectionResult calcOnly()
{
    return OfficeDetectionResult{false, 0, true, false, {}};
}

int positionOfCode(const QVector<ExcelFormat> &table, int code)
{
    for (int i = 0; i < table.size(); ++i) {
        if (table.at(i).code == code)
            return i;
    }
    return -1;
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void tableACutForTheInstalledExcel_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("rows");
        QTest::newRow("8") << 8 << 28;
        QTest::newRow("9") << 9 << 30;
        QTest::newRow("10") << 10 << 33;
        QTest::newRow("11") << 11 << 33;
        QTest::newRow("12") << 12 << 22;
        QTest::newRow("14 keeps all") << 14 << 39;
        QTest::newRow("0 keeps all") << 0 << 39;
    }

    void tableACutForTheInstalledExcel()
    {
        QFETCH(int, version);
        QFETCH(int, rows);
        SaveAsTables tables;
        tables.BuildSaveAsTables(version, true);
        QCOMPARE(tables.tableA().size(), rows);
        tables.cutTableA(version);   // cutting again (after a language) changes nothing
        QCOMPARE(tables.tableA().size(), rows);
        QCOMPARE(tables.tableB().size(), 26);
        QCOMPARE(tables.tableC().size(), 23);
    }

    void tablesHoldTheirExactEntries()
    {
        SaveAsTables tables;
        tables.BuildSaveAsTables(8, true);
        QCOMPARE(positionOfCode(tables.tableA(), 42), -1);
        QVERIFY(positionOfCode(tables.tableA(), 43) >= 0);
        QCOMPARE(tables.tableA().at(8).displayName, QString("DIF (Data InterGhange Format) (*.dif)"));

        tables.BuildSaveAsTables(11, true);
        QCOMPARE(tables.tableA().last().code, 49);
        QCOMPARE(tables.tableA().last().displayName, QString("XML-data (*.xml)"));

        tables.BuildSaveAsTables(12, true);
        QCOMPARE(tables.excelCodeAt(17, 12), 51);
        QCOMPARE(tables.tableA().at(17).displayName, QString("MS Excel 2007 WorkBook (*.xlsx)"));
        QCOMPARE(tables.excelCodeAt(17, 13), 50);
        QCOMPARE(tables.excelCodeAt(18, 13), 51);
        QCOMPARE(tables.tableB().at(17).displayName, QString("Excel Binary Workbook (*.xlsb)"));
        QCOMPARE(tables.excelCodeAt(22, 12), std::nullopt);

        const CalcFilter sxc = *tables.calcFilterAt(4);
        QCOMPARE(sxc.filterName, QString("StarOffice XML (Calc"));
        QCOMPARE(sxc.displayName, QString("OpenOffice.org 1.0 Spreadheet (.sxc)"));
        QCOMPARE(tables.calcFilterAt(5)->filterName, QString("calc_StarOffice_XML_Calc_Template"));
        QCOMPARE(tables.calcFilterAt(6)->displayName, QString("Data InterGhange Format (*.dif)"));
        QCOMPARE(tables.calcFilterAt(7)->filterName, QString("MS Excel 97/2000/XP"));
        QCOMPARE(tables.calcFilterAt(7)->extension, QString(".xls"));
        QCOMPARE(tables.calcFilterAt(20)->displayName, QString("Unified Office Format spreadsheet"));
        QCOMPARE(tables.calcFilterAt(23), std::nullopt);

        tables.BuildCharsetTable();
        QCOMPARE(tables.tableD().size(), 38);
        QCOMPARE(tables.charsetTokenAt(0), QString("29"));
        QCOMPARE(tables.charsetTokenAt(21), QString("ANSI"));
        QCOMPARE(tables.tableD().at(37).displayName, QString("Windows-1254"));
        QCOMPARE(tables.charsetTokenAt(-1), std::nullopt);
        QCOMPARE(SaveAsTables::fieldDelimiterCode(3), 9);
        QCOMPARE(SaveAsTables::fieldDelimiterCode(5), std::nullopt);
        QCOMPARE(SaveAsTables::textDelimiterCode(1), 39);
    }

    void detectionChecksEachSuiteInOrder()
    {
        FakeDetectionPort port;
        port.registered = {"Excel.Application", "com.sun.star.ServiceManager"};
        port.excelVersionText = "11.0";
        port.calcStarts = false;
        const OfficeDetectionResult found = OfficeDetection::detect(port);
        QCOMPARE(found.ExcelInstalled, true);
        QCOMPARE(found.ExcelMajorVersion, 11);
        QCOMPARE(found.CalcInstalled, false);   // registered, but the start test failed
        QCOMPARE(found.WordInstalled, false);
        // Word is not registered, so it is never started.
        QCOMPARE(port.calls, QStringList({"Excel.Application", "excelVersion", "com.sun.star.ServiceManager", "calc",
                                          "Word.Application"}));

        FakeDetectionPort broken;
        broken.registered = {"Excel.Application", "Word.Application"};
        const OfficeDetectionResult none = OfficeDetection::detect(broken);   // Excel gives no version
        QCOMPARE(none.ExcelInstalled, false);
        QCOMPARE(none.WordInstalled, true);

        QCOMPARE(OfficeDetection::majorVersion("12.0.6425"), 12);
        QCOMPARE(OfficeDetection::majorVersion("9"), 9);
        QCOMPARE(OfficeDetection::majorVersion("x.0"), 0);
        QCOMPARE(OfficeDetection::majorVersion("300.0"), 0);
        QCOMPARE(OfficeDetection::majorVersion(""), 0);
    }

    void excel11OffersXlsOnly()
    {
        PreferencesModel prefs;
        prefs.create(excel(11));
        QVERIFY(!prefs.officeChanged());
        QCOMPARE(prefs.saveAsItems().size(), 0);
        QVERIFY(prefs.applyOfficeAvailability());
        QCOMPARE(prefs.office(), 0);
        QVERIFY(prefs.officeChanged());
        QCOMPARE(prefs.extension(), 0);
        QVERIFY(!prefs.extensionItemEnabled(2));
        QVERIFY(!prefs.extensionItemEnabled(1));
        QVERIFY(!prefs.officeItemEnabled(1));
        QCOMPARE(prefs.saveAsItems().size(), 33);
        QCOMPARE(prefs.saveAs(), 0);
        QCOMPARE(prefs.maxScanColumns(), 256);
        QCOMPARE(prefs.maxScanRows(), 65536);
        QVERIFY(!prefs.docTableEnabled());
        QCOMPARE(prefs.saveAsChoice().excelCode, 1);
    }

    void xlsxItemFollowsTheOffice_data()
    {
        QTest::addColumn<int>("excelVersion");   // 0: no Excel
        QTest::addColumn<bool>("withExcel");
        QTest::newRow("only Calc") << 0 << false;
        QTest::newRow("Excel 11") << 11 << false;
        QTest::newRow("Excel 12") << 12 << true;
    }

    void xlsxItemFollowsTheOffice()
    {
        // Calc reads and writes Office Open XML; Excel from version 12 on.
        QFETCH(int, excelVersion);
        QFETCH(bool, withExcel);
        PreferencesModel prefs;
        prefs.create(OfficeDetectionResult{excelVersion > 0, excelVersion, true, false, {}});
        prefs.setOffice(1);
        QVERIFY(prefs.extensionItemEnabled(2));
        prefs.setExtension(2);
        QCOMPARE(prefs.saveAs(), 21);
        if (excelVersion == 0)
            return;
        prefs.setOffice(0);
        QCOMPARE(prefs.extensionItemEnabled(2), withExcel);
    }

    void excel12WithWordOffersXlsxAndTheWordTable()
    {
        PreferencesModel prefs;
        prefs.create(excel(12, true));
        prefs.setOffice(0);
        QVERIFY(prefs.extensionItemEnabled(2));
        QVERIFY(prefs.docTableEnabled());
        QCOMPARE(prefs.maxScanColumns(), 16384);
        QCOMPARE(prefs.maxScanRows(), 1048576);
        prefs.setExtension(2);
        QCOMPARE(prefs.saveAsItems().at(prefs.saveAs()), QString("MS Excel 2007 WorkBook (*.xlsx)"));
        QCOMPARE(prefs.saveAsChoice().excelCode, 51);
        QCOMPARE(prefs.settingsSummary(),
                 QString("Microsoft Office Excel + XLSX + MS Excel 2007 WorkBook (*.xlsx)"));

        prefs.setDocTable(true);
        QVERIFY(!prefs.saveAsEnabled());
        prefs.setDocTable(false);
        QVERIFY(prefs.saveAsEnabled());
    }

    void excelAbove12UsesTableB()
    {
        PreferencesModel prefs;
        prefs.create(excel(14));
        prefs.setOffice(0);
        QCOMPARE(prefs.saveAsItems().size(), 26);
        QCOMPARE(prefs.saveAsItems().at(0), QString("Excel 97-2003 Workbook (*.xls)"));
        prefs.setSaveAs(18);
        QCOMPARE(prefs.saveAsChoice().excelCode, 51);
    }

    void calcShowsTextOutputForCsvAndDbase()
    {
        PreferencesModel prefs;
        prefs.create(OfficeDetectionResult{true, 12, true, true, {}});
        prefs.setOffice(0);
        prefs.setDocTable(true);
        prefs.setOffice(1);
        QCOMPARE(prefs.saveAsItems().size(), 23);
        QCOMPARE(prefs.saveAsItems().at(prefs.saveAs()), QString("MS Excel 97/2000/XP (*.xls)"));
        QCOMPARE(prefs.extension(), 0);
        QVERIFY(prefs.extensionItemEnabled(1));
        QVERIFY(prefs.extensionItemEnabled(2));   // Calc reads Office Open XML itself
        QVERIFY(!prefs.docTableEnabled());
        QVERIFY(!prefs.docTable());
        QVERIFY(prefs.saveAsEnabled());
        QCOMPARE(prefs.maxScanColumns(), 256);
        QVERIFY(!prefs.codingVisible() && !prefs.delimitersVisible());

        prefs.setSaveAs(1);   // dBase (*.dbf)
        QVERIFY(prefs.codingVisible());
        QVERIFY(!prefs.delimitersVisible());
        QVERIFY(prefs.characterSetMissing());

        prefs.setSaveAs(16);   // Text CSV (*.csv)
        QVERIFY(prefs.codingVisible() && prefs.delimitersVisible());
        prefs.setSaveAs(1);    // straight to dBase: the delimiters stay shown
        QVERIFY(prefs.codingVisible() && prefs.delimitersVisible());
        prefs.setSaveAs(3);
        QVERIFY(!prefs.codingVisible() && !prefs.delimitersVisible());
        QVERIFY(!prefs.characterSetMissing());
        prefs.setSaveAs(6);    // DIF takes a character set as dBase does
        QVERIFY(prefs.codingVisible() && !prefs.delimitersVisible());
        QVERIFY(prefs.characterSetMissing());
    }

    void entriesTheOfficeCannotWriteAreRefused()
    {
        // The export filters a LibreOffice 7.4 offers for spreadsheets, among others.
        const QStringList filters{"MS Excel 2003 XML", "dBase", "calc8_template", "calc8", "DIF", "MS Excel 97",
                                  "MS Excel 97 Vorlage/Template", "SYLK", "Text - txt - csv (StarCalc)",
                                  "HTML (StarCalc)", "calc_pdf_Export", "UOF spreadsheet"};
        PreferencesModel prefs;
        prefs.create(OfficeDetectionResult{false, 0, true, false, filters});
        prefs.setOffice(1);
        QVERIFY(prefs.saveAsAvailable(7) && prefs.saveAsAvailable(3) && prefs.saveAsAvailable(20));
        QVERIFY(!prefs.saveAsAvailable(4) && !prefs.saveAsAvailable(5) && !prefs.saveAsAvailable(18));
        QCOMPARE(prefs.calcFallbackSaveAs(), 7);
        QCOMPARE(prefs.saveAsRefusal(), QString());
        prefs.setSaveAs(10);   // a stored choice stays where it is, but a run refuses it
        QCOMPARE(prefs.saveAs(), 10);
        QVERIFY(prefs.saveAsRefusal().contains(QStringLiteral("\"StarCalc 5.0 (*.sdc)\"")));
        // Filters not known: everything counts, position 5 stays the fallback.
        PreferencesModel unknown;
        unknown.create(OfficeDetectionResult{false, 0, true, false, {}});
        unknown.setOffice(1);
        QVERIFY(unknown.saveAsAvailable(4));
        QCOMPARE(unknown.calcFallbackSaveAs(), 5);
    }

    void cancelPutsBackTheSnapshotButNotTheDelimiters()
    {
        PreferencesModel prefs;
        prefs.create(OfficeDetectionResult{true, 11, true, false, {}});
        prefs.setOffice(1);
        prefs.setSaveAs(16);
        prefs.setCoding(3);
        const PreferencesModel::Snapshot snapshot = prefs.takeSnapshot();

        prefs.setFieldDelimiter(2);
        prefs.setTextDelimiter(1);
        prefs.setFixedWidth(true);
        prefs.setOffice(0);
        prefs.setCoding(-1);
        prefs.clearOfficeChanged();
        prefs.restoreSnapshot(snapshot);

        QCOMPARE(prefs.office(), 1);
        QCOMPARE(prefs.extension(), 0);
        QCOMPARE(prefs.saveAs(), 16);
        QCOMPARE(prefs.coding(), 3);
        QVERIFY(prefs.codingVisible());
        QVERIFY(prefs.officeChanged());   // the office reaction ran again
        QCOMPARE(prefs.fieldDelimiter(), 2);
        QCOMPARE(prefs.textDelimiter(), 1);
        QVERIFY(prefs.fixedWidth());
    }

    void officeAvailabilityChoosesTheInstalledSuite()
    {
        PreferencesModel calc;
        calc.create(calcOnly());
        QVERIFY(calc.applyOfficeAvailability());
        QVERIFY(!calc.officeItemEnabled(0));
        QCOMPARE(calc.office(), 1);
        QCOMPARE(calc.extension(), 0);
        QCOMPARE(calc.saveAs(), 7);
        QCOMPARE(calc.settingsSummary(), QString("OpenOffice.org Calc + XLS (default) + MS Excel 97/2000/XP (*.xls)"));
        calc.setExtension(1);
        calc.applyOfficeAvailability();   // shown again: the ODS choice stays
        QCOMPARE(calc.extension(), 1);
        calc.setExtension(2);
        calc.applyOfficeAvailability();   // Calc reads XLSX itself
        QCOMPARE(calc.extension(), 2);
        QCOMPARE(calc.saveAs(), 21);
        QCOMPARE(calc.settingsSummary(), QString("OpenOffice.org Calc + XLSX + Excel 2007-365 (*.xlsx)"));

        PreferencesModel both;
        both.create(OfficeDetectionResult{true, 11, true, false, {}});
        QVERIFY(both.applyOfficeAvailability());
        QCOMPARE(both.office(), 0);
        QCOMPARE(both.extension(), 0);
        QCOMPARE(both.saveAs(), 0);
        both.setOffice(1);
        both.setSaveAs(12);
        both.applyOfficeAvailability();   // a choice already made stays
        QCOMPARE(both.office(), 1);
        QCOMPARE(both.saveAs(), 12);

        PreferencesModel none;
        none.create(OfficeDetectionResult{});
        QVERIFY(!none.applyOfficeAvailability());
        QCOMPARE(none.office(), -1);
        QCOMPARE(none.settingsSummary(), QString());
    }

    void saveAsChoiceResolvesCalcTextOutput()
    {
        PreferencesModel prefs;
        prefs.create(calcOnly());
        prefs.applyOfficeAvailability();
        QSignalSpy changed(&prefs, &PreferencesModel::changed);
        prefs.setSaveAs(16);
        QVERIFY(changed.count() >= 1);
        prefs.setCoding(21);
        prefs.setFieldDelimiter(3);
        prefs.setTextDelimiter(1);
        const SaveAsChoice choice = prefs.saveAsChoice();
        QCOMPARE(choice.calcFilter->filterName, QString("Text - txt - csv (StarCalc)"));
        QCOMPARE(choice.calcFilter->extension, QString(".csv"));
        QCOMPARE(choice.charsetToken, QString("ANSI"));
        QCOMPARE(choice.fieldDelimiterCode, 9);
        QCOMPARE(choice.textDelimiterCode, 39);
        QCOMPARE(choice.excelCode, std::nullopt);

        prefs.setCoding(38);   // outside the list: no selection, no token
        QCOMPARE(prefs.coding(), -1);
        QCOMPARE(prefs.saveAsChoice().charsetToken, std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_prefs_model.moc"
