#include "AppPaths.h"
#include "PreferencesModel.h"
#include "ProgramSettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestProgramSettings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;

    QString folder() const { return AppPaths::AppDataFolder(); }
    QString iniPath() const { return ProgramSettingsFile::path(folder()); }

    // The preferences as the window has them at start: detection done, availability applied.
    void start(PreferencesModel &prefs, const OfficeDetectionResult &detection)
    {
        prefs.create(detection);
        prefs.applyOfficeAvailability();
    }

    std::optional<ProgramWindowState> loadText(const QByteArray &text, PreferencesModel &prefs)
    {
        QDir().mkpath(folder());
        writeFile(iniPath(), text);
        return ProgramSettingsFile::LoadProgramSettings(folder(), prefs);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        QVERIFY(folder().startsWith(m_config.path()));
    }

    void init()
    {
        QDir(folder()).removeRecursively();
    }

    void firstStartCreatesTheFolderAndReadsNothing()
    {
        PreferencesModel prefs;
        start(prefs, OfficeDetectionResult{true, 11, true, false, {}});
        prefs.setOffice(1);
        QVERIFY(!ProgramSettingsFile::LoadProgramSettings(folder(), prefs));
        QVERIFY(QFileInfo(folder()).isDir());
        QVERIFY(!QFile::exists(iniPath()));
        QCOMPARE(prefs.office(), 1);
    }

    void savedPreferencesLoadBack()
    {
        PreferencesModel saved;
        start(saved, OfficeDetectionResult{true, 11, true, true, {}});
        saved.setOffice(1);
        saved.setSaveAs(16);
        saved.setCoding(21);
        saved.setFieldDelimiter(4);
        saved.setTextDelimiter(1);
        saved.setFixedWidth(true);
        saved.setKeptRunLimits(KeptRunLimits{false, 3, 500});
        const ProgramWindowState window{320, -40, true, "Deutsch.lng", "tablevane.chm"};
        QVERIFY(ProgramSettingsFile::SaveProgramSettings(folder(), saved, window));
        QCOMPARE(readAll(iniPath()),
                 QByteArray("[Position]\r\nLeft=320\r\nTop=-40\r\n[APAStyle]\r\nAPAStyle=1\r\n[Office]\r\nOffice=1\r\n"
                            "[Extension]\r\nExtension=0\r\n[Save as]\r\nSave as=16\r\nDoc=0\r\nCoding=21\r\n"
                            "CSV field delimiter=4\r\nCSV text delimiter=1\r\nCSV fixed width=1\r\n"
                            "[Language]\r\nLanguageFile=Deutsch.lng\r\n[Help]\r\nHelpFile=tablevane.chm\r\n"
                            "[Undo]\r\nKeepOriginals=0\r\nKeptRuns=3\r\nKeptMegabytes=500\r\n"));

        PreferencesModel loaded;
        start(loaded, OfficeDetectionResult{true, 11, true, true, {}});
        const auto state = ProgramSettingsFile::LoadProgramSettings(folder(), loaded);
        QVERIFY(state);
        QCOMPARE(state->Left, 320);
        QCOMPARE(state->Top, -40);
        QCOMPARE(state->APAStyle, true);
        QCOMPARE(state->LanguageFile, QString("Deutsch.lng"));
        QCOMPARE(state->HelpFile, QString("tablevane.chm"));
        QCOMPARE(loaded.office(), 1);
        QCOMPARE(loaded.extension(), 0);
        QCOMPARE(loaded.saveAs(), 16);
        QCOMPARE(loaded.coding(), 21);
        QCOMPARE(loaded.fieldDelimiter(), 4);
        QCOMPARE(loaded.textDelimiter(), 1);
        QVERIFY(loaded.fixedWidth());
        QCOMPARE(loaded.keptRunLimits(), (KeptRunLimits{false, 3, 500}));
    }

    void emptyFileGivesTheReadDefaults()
    {
        PreferencesModel prefs;
        prefs.create(OfficeDetectionResult{});
        const auto state = loadText("", prefs);
        QVERIFY(state);
        QCOMPARE(state->Left, 100);
        QCOMPARE(state->Top, 100);
        QCOMPARE(state->APAStyle, false);
        QCOMPARE(state->LanguageFile, QString());
        QCOMPARE(prefs.office(), -1);
        QCOMPARE(prefs.extension(), -1);   // no office: no extension either
        QCOMPARE(prefs.saveAs(), -1);
        QCOMPARE(prefs.coding(), -1);
        QCOMPARE(prefs.fieldDelimiter(), 0);
    }

    void xlsxNeedsExcel12_data()
    {
        QTest::addColumn<int>("office");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("extension");
        QTest::addColumn<int>("saveAs");
        // A stored save-as entry is kept with XLSX: the user chose it after XLSX (an
        // .xlsx workbook stored as .ods here), and replacing it would store every
        // workbook over itself.
        QTest::newRow("Excel 11") << 0 << 11 << 0 << 0;
        QTest::newRow("Calc opens xlsx itself") << 1 << 11 << 2 << 3;
        QTest::newRow("Excel 12") << 0 << 12 << 2 << 3;
    }

    void xlsxNeedsExcel12()
    {
        QFETCH(int, office);
        QFETCH(int, version);
        QFETCH(int, extension);
        QFETCH(int, saveAs);
        PreferencesModel prefs;
        start(prefs, OfficeDetectionResult{true, version, true, false, {}});
        loadText("[Office]\r\nOffice=" + QByteArray::number(office)
                     + "\r\n[Extension]\r\nExtension=2\r\n[Save as]\r\nSave as=3\r\n",
                 prefs);
        QCOMPARE(prefs.office(), office);
        QCOMPARE(prefs.extension(), extension);
        QCOMPARE(prefs.saveAs(), saveAs);
    }

    void storedCalcPositionsKeepTheirMeaning()
    {
        // The .xlsx rows come after the older ones: position 20 is still UOF.
        PreferencesModel prefs;
        start(prefs, OfficeDetectionResult{false, 0, true, false, {}});
        loadText("[Office]\r\nOffice=1\r\n[Extension]\r\nExtension=0\r\n[Save as]\r\nSave as=20\r\n", prefs);
        QCOMPARE(prefs.saveAs(), 20);
        QCOMPARE(prefs.saveAsChoice().calcFilter->filterName, QString("UOF spreadsheet"));
    }

    void wordTableIsReadForExcelOnly()
    {
        PreferencesModel calc;
        start(calc, OfficeDetectionResult{true, 11, true, true, {}});
        loadText("[Office]\r\nOffice=1\r\n[Save as]\r\nDoc=1\r\n", calc);
        QVERIFY(!calc.docTable());
        QVERIFY(!calc.docTableEnabled());

        PreferencesModel excel;
        start(excel, OfficeDetectionResult{true, 11, true, true, {}});
        loadText("[Office]\r\nOffice=0\r\n[Save as]\r\nDoc=1\r\n", excel);
        QVERIFY(excel.docTable());
        QVERIFY(!excel.saveAsEnabled());
    }

    void badValuesTakeTheirDefaults()
    {
        PreferencesModel prefs;
        start(prefs, OfficeDetectionResult{true, 11, true, false, {}});
        const auto state = loadText("[position]\r\nleft=abc\r\ntop=99999999999\r\n[OFFICE]\r\noffice=1\r\n"
                                    "[extension]\r\nextension=7\r\n"
                                    "[save AS]\r\nsave as=999\r\ncoding=38\r\ncsv field delimiter=5\r\n"
                                    "csv text delimiter=-1\r\n[undo]\r\nkeptruns=0\r\nkeptmegabytes=x\r\n",
                                    prefs);
        QCOMPARE(state->Left, 100);
        QCOMPARE(state->Top, 100);
        QCOMPARE(prefs.office(), 1);
        QCOMPARE(prefs.saveAs(), 5);   // outside the list: the Calc fallback
        QCOMPARE(prefs.extension(), 0);
        QCOMPARE(prefs.coding(), -1);
        QCOMPARE(prefs.fieldDelimiter(), 0);
        QCOMPARE(prefs.textDelimiter(), 0);
        QCOMPARE(prefs.keptRunLimits(), KeptRunLimits{});

        PreferencesModel unknownOffice;
        start(unknownOffice, OfficeDetectionResult{true, 11, true, false, {}});
        loadText("[Office]\r\nOffice=5\r\n", unknownOffice);
        QCOMPARE(unknownOffice.office(), -1);   // not a choice: read as none,
        QCOMPARE(unknownOffice.extension(), -1);
        unknownOffice.applyOfficeAvailability();   // which the availability rule then fills
        QCOMPARE(unknownOffice.office(), 0);
    }

    void saveKeepsForeignKeysAndFailsCleanly()
    {
        QDir().mkpath(folder());
        writeFile(iniPath(), "[Position]\r\nLeft=1\r\nMonitor=2\r\n[Mine]\r\nx=1\r\n");
        PreferencesModel prefs;
        start(prefs, OfficeDetectionResult{true, 11, false, false, {}});
        QVERIFY(ProgramSettingsFile::SaveProgramSettings(folder(), prefs, ProgramWindowState{}));
        const QByteArray saved = readAll(iniPath());
        QVERIFY(saved.startsWith("[Position]\r\nLeft=100\r\nMonitor=2\r\nTop=100\r\n[Mine]\r\nx=1\r\n[APAStyle]"));

        // A folder that cannot be created: a file stands where it should be.
        const QString blocked = m_config.filePath("blocked");
        writeFile(blocked, "file");
        QVERIFY(!ProgramSettingsFile::SaveProgramSettings(blocked + "/Tablevane", prefs, ProgramWindowState{}));
        QCOMPARE(readAll(blocked), QByteArray("file"));
    }
};

QTEST_GUILESS_MAIN(TestProgramSettings)
#include "tst_settings_program.moc"
