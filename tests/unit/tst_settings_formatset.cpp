#include "FormatSetFile.h"
#include "FormatSetModel.h"
#include "MessageTable.h"
#include "SetLoadHost.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Answers the pattern query like the window does: the query refills the sheet list,
// picking a sheet shows its name.
class TestHost : public SetLoadHost
{
public:
    explicit TestHost(FormatSetModel &model) : m_model(model) {}

    QString message(int number) const override { return m_messages.text(number); }
    void showMessage(const QString &text, MessageIcon icon) override { shown.append({text, icon}); }
    bool querySheets(const QString &patternFile) override
    {
        queried.append(patternFile);
        if (!officeChosen)
            return false;
        lastSheets = sheets;
        m_model.setSheetItems(int(sheets.size()));
        return true;
    }
    void patternSheetPicked(int n) override
    {
        picked.append(n);
        m_model.update([&](FormatSet &set) { set.PatternSheetName = lastSheets.value(n - 1); });
    }
    QString queriedSheetName(int n) const override { return lastSheets.value(n - 1); }
    int queriedSheetCount() const override { return int(lastSheets.size()); }

    struct Shown
    {
        QString text;
        MessageIcon icon;
    };
    bool officeChosen = true;
    QStringList sheets;        // what the next query finds
    QStringList lastSheets;    // what the last query found
    QStringList queried;
    QList<int> picked;
    QList<Shown> shown;

private:
    FormatSetModel &m_model;
    MessageTable m_messages;
};

QStringList manyFamilies()
{
    QStringList families{QStringLiteral("Tahoma"), QStringLiteral("Times New Roman")};
    for (int i = 0; i < 200; ++i)
        families.append(QStringLiteral("Family %1").arg(i, 3, 10, QLatin1Char('0')));
    return families;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestSetFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_pattern;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A set with every field away from both the window's and the reader's defaults.
    void fillEveryField(FormatSetModel &model)
    {
        model.setSheetItems(3);
        model.update([&](FormatSet &set) {
            set.Orientation = 1;
            set.FontName = QStringLiteral("Times New Roman");
            set.FontSize = QStringLiteral("14");
            set.Bold = set.Italic = true;
            set.FontColor = 0x123456;
            set.FontAsIs = false;
            set.InterLeave = 2;
            set.InterLeaveColor = 0x00FF00;
            set.WidthByPattern = true;
            set.PatternFile = m_pattern;
            set.PatternSheet = 2;
            set.PatternSheetName = QStringLiteral("Second");
            set.WordWrap = false;
            set.FName = set.BoldLeftFirst = set.BoldLastRight = set.BoldLastLine = set.PageNumeration = true;
            set.Log = false;
            set.ApplySheet = QStringLiteral("3");
            set.ApplyForAll = true;
            set.RangeAuto = false;
            set.LeftColumn = QStringLiteral("B");
            set.RightColumn = QStringLiteral("D");
            set.TopDigit = QStringLiteral("2");
            set.BottomDigit = QStringLiteral("40");
            set.Borders = set.BoldTopLine = false;
            set.RepHeader = set.APAStyle = true;
        });
    }

    // Loads hand-written text; the model starts in pattern mode with a sheet chosen.
    void loadText(const QByteArray &text, FormatSetModel &model, TestHost &host)
    {
        writeFile(path("hand.tvx"), text);
        FormatSetFile::LoadFormatSet(path("hand.tvx"), model, host);
    }

    QByteArray patternSection(const QByteArray &sheetNumber, const QByteArray &sheetName = "A")
    {
        return "[Width of columns]\r\nAuto=0\r\nbyPattern=1\r\nPattern file=" + m_pattern.toLocal8Bit()
            + "\r\nSheet number=" + sheetNumber + "\r\nSheet name=" + sheetName + "\r\n";
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toLocal8Bit());
        m_pattern = path("pattern.xls");
        writeFile(m_pattern, "pattern");
    }

    void savedSetLoadsBackEveryStoredField()
    {
        FormatSetModel saved;
        saved.FillFontList(manyFamilies());
        fillEveryField(saved);
        QVERIFY(FormatSetFile::SaveFormatSet(path("all.tvx"), saved));

        FormatSetModel loaded;
        loaded.FillFontList(manyFamilies());
        const FormatSet before = loaded.set();
        TestHost host(loaded);
        host.sheets = {"First", "Second", "Third"};
        FormatSetFile::LoadFormatSet(path("all.tvx"), loaded, host);

        FormatSet expected = saved.set();
        expected.Borders = before.Borders;          // never stored
        expected.BoldTopLine = before.BoldTopLine;
        expected.RepHeader = before.RepHeader;
        expected.APAStyle = before.APAStyle;
        QCOMPARE(loaded.set(), expected);
        QCOMPARE(host.queried, QStringList{m_pattern});
        QCOMPARE(host.picked, QList<int>{2});
        QVERIFY(host.shown.isEmpty());
        QCOMPARE(loaded.lastInterleaveChoice(), 2);
    }

    void newFileHasTheKnownLayout()
    {
        FormatSetModel model;
        model.FillFontList({"Arial", "Zed"});      // Arial, Default, Zed, MS Shell Dlg
        model.update([](FormatSet &set) {
            set.PatternSheetName = QStringLiteral("  Sheet \"1\"  ");
            set.TopDigit = QStringLiteral("5");
        });
        QVERIFY(FormatSetFile::SaveFormatSet(path("new.tvx"), model));
        const QByteArray expected =
            "[Orientation]\r\nOrientation=0\r\n"
            "[Font]\r\nName=0\r\nSize=10\r\nBold=0\r\nItalic=0\r\nColor=0\r\nFontAsIs=1\r\n"
            "[InterLeave]\r\nType=0\r\nColor=16777215\r\n"
            "[Width of columns]\r\nAuto=1\r\nbyPattern=0\r\nPattern file=\r\nSheet number=\r\n"
            "Sheet name=\"  Sheet \"1\"  \"\r\n"
            "[Additional]\r\nWordWrap=1\r\nFName=0\r\nBoldLeftFirst=0\r\nBoldLastRight=0\r\nBoldLastLine=0\r\n"
            "PageNumeration=0\r\nLog=1\r\n"
            "[ApplyTo]\r\nSheetNumber=1\r\nApplyForAll=0\r\n"
            "[Range]\r\nAuto=1\r\nLeftColumn=A\r\nRightColumn=A\r\nTopDigit=5\r\nBottomDigit=1\r\n";
        QCOMPARE(readAll(path("new.tvx")), expected);

        // A reader that shares no code with the program sees the same keys and values.
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty())
            QSKIP("python3 not installed: the independent reader did not run");
        QProcess process;
        process.start(python, {"-c",
                               "import configparser, json, sys\n"
                               "c = configparser.ConfigParser(interpolation=None)\n"
                               "c.optionxform = str\n"
                               "c.read(sys.argv[1])\n"
                               "print(json.dumps({s: dict(c[s]) for s in c.sections()}))\n",
                               path("new.tvx")});
        QVERIFY(process.waitForFinished(30000));
        const QJsonObject sections = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        QCOMPARE(sections.keys().size(), 7);
        QCOMPARE(sections["Font"].toObject()["Name"].toString(), QString("0"));
        QCOMPARE(sections["InterLeave"].toObject()["Color"].toString(), QString("16777215"));
        QCOMPARE(sections["Width of columns"].toObject()["byPattern"].toString(), QString("0"));
        QCOMPARE(sections["Width of columns"].toObject()["Sheet number"].toString(), QString(""));
        QCOMPARE(sections["Additional"].toObject()["FName"].toString(), QString("0"));
        QCOMPARE(sections["Range"].toObject()["TopDigit"].toString(), QString("5"));
    }

    void unusableFileIsRefusedAndChangesNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("why");
        QTest::newRow("missing") << "missing.tvx" << QByteArray() << "it does not exist";
        QTest::newRow("empty") << "empty.tvx" << QByteArray("") << "holds none of the sections";
        QTest::newRow("binary") << "binary.tvx" << QByteArray("\x00\xff\xfe[\x01=\x02\n\x80\x81]", 13)
                                << "holds none of the sections";
        QTest::newRow("other ini") << "other.tvx" << QByteArray("[Office]\r\nOffice=1\r\n") << "holds none of the sections";
        QTest::newRow("folder") << "" << QByteArray() << "cannot be read whole";
    }

    void unusableFileIsRefusedAndChangesNothing()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, why);
        if (!content.isNull())
            writeFile(path(file), content);

        FormatSetModel model;
        model.FillFontList(manyFamilies());
        fillEveryField(model);
        const FormatSet before = model.set();
        TestHost host(model);
        QString refusal;
        QVERIFY(!FormatSetFile::LoadFormatSet(path(file), model, host, &refusal));
        QVERIFY2(refusal.contains(why) && refusal.contains(path(file)), qPrintable(refusal));
        QVERIFY(model.set() == before);
        QVERIFY(host.shown.isEmpty());
        if (!content.isNull())
            QCOMPARE(readAll(path(file)), content);   // loading never writes
    }

    void partialFileGivesTheReadDefaults()
    {
        FormatSetModel model;
        model.FillFontList(manyFamilies());
        fillEveryField(model);
        const FormatSet before = model.set();
        TestHost host(model);
        writeFile(path("partial.tvx"), "[Additional]\r\n");
        QVERIFY(FormatSetFile::LoadFormatSet(path("partial.tvx"), model, host));

        const FormatSet &set = model.set();
        QCOMPARE(set.Orientation, -1);
        QCOMPARE(set.FontName, model.fontList().at(158));
        QCOMPARE(set.FontSize, QString("10"));
        QCOMPARE(set.FontColor, 0xFFFFFFu);
        QCOMPARE(set.FontAsIs, false);
        QCOMPARE(set.InterLeave, 0);
        QCOMPARE(set.InterLeaveColor, 0u);
        // Auto widths: the reaction cleared the pattern.
        QCOMPARE(set.WidthByPattern, false);
        QCOMPARE(set.PatternFile, QString());
        QCOMPARE(set.PatternSheetName, QString());
        QCOMPARE(model.sheetItemCount(), 0);
        QCOMPARE(set.WordWrap, false);
        QCOMPARE(set.Log, true);
        QCOMPARE(set.ApplySheet, QString("1"));
        QCOMPARE(set.RangeAuto, true);
        QCOMPARE(QStringList({set.LeftColumn, set.RightColumn, set.TopDigit, set.BottomDigit}),
                 QStringList({"A", "A", "1", "1"}));
        QCOMPARE(set.Borders, before.Borders);
        QCOMPARE(set.BoldTopLine, before.BoldTopLine);
        QCOMPARE(set.RepHeader, before.RepHeader);
        QCOMPARE(set.APAStyle, before.APAStyle);
        QVERIFY(host.shown.isEmpty());
    }

    void fontPositionOutsideTheListSelectsNoFont()
    {
        FormatSetModel model;
        model.FillFontList({"Arial"});
        TestHost host(model);
        loadText("[Font]\r\nSize=10\r\n", model, host);   // position 158
        QCOMPARE(model.set().FontName, QString());
        loadText("[Font]\r\nName=-1\r\n", model, host);
        QCOMPARE(model.set().FontName, QString());
    }

    void handWrittenFileWithOddCaseForeignKeysAndBadValues()
    {
        FormatSetModel model;
        model.FillFontList(manyFamilies());
        TestHost host(model);
        const QByteArray text = "; written by hand\r\n"
                                "[ORIENTATION]\r\n  orientation = 1 \r\n"
                                "[font]\r\nNAME=0x2\r\nsize=\"12\"\r\nColor=0x0000FF\r\nbold=yes\r\nItalic=2\r\n"
                                "FontAsIs=99999999999\r\n"
                                "[Interleave]\r\ntype=2\r\ncolor=0x00FF00\r\n"
                                "[width of columns]\r\nauto=1\r\nBYPATTERN=0\r\n"
                                "[additional]\r\nfname=1\r\nwordwrap=1\r\nlog=0\r\nForeign=1\r\n"
                                "[applyto]\r\nsheetnumber=7\r\n"
                                "[range]\r\nauto=0\r\nleftcolumn=C\r\n"
                                "[Range]\r\nleftcolumn=Z\r\nrightcolumn=Z\r\n"
                                "[Unknown section]\r\nx=y\r\n";
        loadText(text, model, host);
        const FormatSet &set = model.set();
        QCOMPARE(set.Orientation, 1);
        QCOMPARE(set.FontName, model.fontList().at(2));
        QCOMPARE(set.FontSize, QString("12"));
        QCOMPARE(set.FontColor, 0xFFu);
        QCOMPARE(set.Bold, false);        // not a number
        QCOMPARE(set.Italic, true);
        QCOMPARE(set.FontAsIs, false);    // overflow
        QCOMPARE(set.InterLeave, 2);
        QCOMPARE(set.InterLeaveColor, 0xFF00u);
        QCOMPARE(set.FName, true);
        QCOMPARE(set.WordWrap, true);
        QCOMPARE(set.Log, false);
        QCOMPARE(set.ApplySheet, QString("7"));
        QCOMPARE(set.RangeAuto, false);
        QCOMPARE(set.LeftColumn, QString("C"));
        QCOMPARE(set.RightColumn, QString("A"));   // only the first [Range] counts

        // Saving over it replaces the known values in place and keeps everything else.
        QVERIFY(FormatSetFile::SaveFormatSet(path("hand.tvx"), model));
        const QByteArray saved = readAll(path("hand.tvx"));
        QVERIFY(saved.startsWith("; written by hand\r\n[ORIENTATION]\r\norientation=1\r\n[font]\r\nNAME=2\r\n"));
        QVERIFY(saved.contains("BYPATTERN=0\r\nPattern file=\r\n"));
        QVERIFY(saved.contains("Foreign=1\r\n"));
        QVERIFY(saved.contains("[Range]\r\nleftcolumn=Z\r\nrightcolumn=Z\r\n[Unknown section]\r\nx=y\r\n"));
        QCOMPARE(saved.count("[ApplyTo]") + saved.count("[applyto]"), 1);
    }

    void missingPatternFileShowsM3AndSwitchesToAuto()
    {
        FormatSetModel model;
        TestHost host(model);
        loadText("[Width of columns]\r\nAuto=0\r\nByPattern=1\r\nPattern file=/no/such/pattern.xls\r\n"
                 "Sheet number=1\r\nSheet name=A\r\n",
                 model, host);
        QCOMPARE(host.shown.size(), 1);
        QCOMPARE(host.shown[0].text, QString("In file of parameters (.TVX) as pattern specified file:\n\n"
                                             "/no/such/pattern.xls\n\nbut this file not found."));
        QCOMPARE(host.shown[0].icon, MessageIcon::Error);
        QCOMPARE(model.set().WidthByPattern, false);
        QCOMPARE(model.set().PatternFile, QString());
        QCOMPARE(model.set().PatternSheetName, QString());
        QVERIFY(host.queried.isEmpty());
    }

    void sheetNumberBeyondThePatternShowsM2()
    {
        FormatSetModel model;
        model.update([](FormatSet &set) { set.PatternSheetName = QStringLiteral("earlier"); });
        TestHost host(model);
        host.sheets = {"A", "B"};
        loadText(patternSection("5"), model, host);
        QCOMPARE(host.shown.size(), 1);
        QCOMPARE(host.shown[0].text, QString("In file parameters (.TVX) specified sheet #5,\n"
                                             "but it does not contain in file of pattern."));
        QCOMPARE(host.shown[0].icon, MessageIcon::Error);
        QCOMPARE(model.set().WidthByPattern, true);
        QCOMPARE(model.set().PatternSheet, -1);
        QCOMPARE(model.set().PatternSheetName, QString("earlier"));

        // With no office chosen no query runs and the last result (no sheets) stands.
        FormatSetModel other;
        TestHost noOffice(other);
        noOffice.officeChosen = false;
        loadText(patternSection("1"), other, noOffice);
        QCOMPARE(noOffice.shown.size(), 1);
        QVERIFY(noOffice.shown[0].text.startsWith("In file parameters (.TVX) specified sheet #1,"));
    }

    void differentSheetNameShowsM1AndKeepsTheStoredName()
    {
        FormatSetModel model;
        TestHost host(model);
        host.sheets = {"A", "B"};
        loadText(patternSection("2", "Old"), model, host);
        QCOMPARE(host.picked, QList<int>{2});
        QCOMPARE(model.set().PatternSheet, 2);
        QCOMPARE(model.set().PatternSheetName, QString("Old"));
        QCOMPARE(host.shown.size(), 1);
        QCOMPARE(host.shown[0].text, QString("Name of the sheet in file with parameter of the formatting\n\n" + m_pattern
                                             + "\n\ndoes not correspond to name of the sheet in file of pattern\n\nB"));
        QCOMPARE(host.shown[0].icon, MessageIcon::Warning);
    }

    void noSheetNumberAskForASheetWhenThePatternHasSeveral_data()
    {
        QTest::addColumn<QByteArray>("sheetNumber");
        QTest::addColumn<int>("sheets");
        QTest::addColumn<bool>("asked");
        QTest::newRow("empty, three sheets") << QByteArray("") << 3 << true;
        QTest::newRow("-1, two sheets") << QByteArray("-1") << 2 << true;
        QTest::newRow("0 counts as none") << QByteArray("0") << 2 << true;
        QTest::newRow("-9 counts as none") << QByteArray("-9") << 2 << true;
        QTest::newRow("one sheet") << QByteArray("") << 1 << false;
    }

    void noSheetNumberAskForASheetWhenThePatternHasSeveral()
    {
        QFETCH(QByteArray, sheetNumber);
        QFETCH(int, sheets);
        QFETCH(bool, asked);
        FormatSetModel model;
        TestHost host(model);
        for (int i = 0; i < sheets; ++i)
            host.sheets.append(QString::number(i));
        loadText(patternSection(sheetNumber, "stored"), model, host);
        QCOMPARE(model.set().PatternSheetName, QString());
        QCOMPARE(model.set().PatternSheet, -1);
        QVERIFY(host.picked.isEmpty());
        QCOMPARE(host.shown.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(host.shown[0].text, QString("Selected file contains more than one sheet.\n"
                                                 "Please, select, which sheet must use as pattern"));
            QCOMPARE(host.shown[0].icon, MessageIcon::Warning);
        }
    }

    void apaStyleWithoutTimesNewRomanOnlyDisablesTheMenuItem()
    {
        FormatSetModel model;
        model.FillFontList({"Tahoma", "Verdana"});
        model.update([](FormatSet &set) { set.APAStyle = true; });
        const FormatSet before = model.set();
        model.ApplyAPAStyle();
        QCOMPARE(model.apaMenuEnabled(), false);
        QCOMPARE(model.apaLocked(), false);
        QCOMPARE(model.set(), before);
    }

    void apaStyleOnAndOff()
    {
        FormatSetModel model;
        model.FillFontList(manyFamilies());
        model.setPickedInterleaveColor(0x0000FF);
        model.update([](FormatSet &set) {
            set.APAStyle = true;
            set.Orientation = 1;
            set.FontSize = QStringLiteral("8");
            set.Bold = set.FName = set.BoldLastLine = true;
            set.FontColor = 0x00FF00;
            set.InterLeaveColor = 0x00AAAA;   // e.g. loaded from a set file
            set.Borders = false;
            set.BoldTopLine = true;
        });
        model.ApplyAPAStyle();
        const FormatSet &on = model.set();
        QVERIFY(model.apaLocked());
        QCOMPARE(on.FontName, QString("Times New Roman"));
        QCOMPARE(on.FontSize, QString("12"));
        QCOMPARE(on.FontAsIs, false);
        QCOMPARE(on.Bold || on.Italic || on.FName || on.BoldLastLine || on.BoldTopLine, false);
        QCOMPARE(on.FontColor, 0u);
        QCOMPARE(on.Borders, true);
        QCOMPARE(on.InterLeave, 0);
        QCOMPARE(on.InterLeaveColor, 0x00AAAAu);   // "No interleave" was already chosen: no reaction
        QCOMPARE(on.Orientation, 1);

        model.update([](FormatSet &set) { set.APAStyle = false; });
        model.ApplyAPAStyle();
        QVERIFY(!model.apaLocked());
        QCOMPARE(model.set().FontSize, QString("10"));
        QCOMPARE(model.set().FontName, QString("Tahoma"));
        QCOMPARE(model.set().Borders, true);
        QCOMPARE(model.set().BoldTopLine, false);

        // Leaving an interleave choice runs the interleave reaction with the picked colour.
        model.update([](FormatSet &set) {
            set.APAStyle = true;
            set.InterLeave = 1;
        });
        model.ApplyAPAStyle();
        QCOMPARE(model.set().InterLeave, 0);
        QCOMPARE(model.set().InterLeaveColor, 0x0000FFu);
    }

    void saveThatCannotWriteReportsFailure()
    {
        FormatSetModel model;
        QVERIFY(!FormatSetFile::SaveFormatSet(path("no/folder/x.tvx"), model));
        QVERIFY(!FormatSetFile::SaveFormatSet(m_dir.path(), model));
        QVERIFY(QFileInfo(m_dir.path()).isDir());
    }

    void largeHostileFileLoadsFast()
    {
        QByteArray text;
        while (text.size() < 10 * 1024 * 1024) {
            text += "[Font]\r\nName=" + QByteArray(100000, '7') + "\r\nColor=0x1000000\r\n[Range]\r\n";
            for (int i = 0; i < 5000; ++i)
                text += "LeftColumn" + QByteArray::number(i) + "=B\r\n";
        }
        text += "[Range]\r\nLeftColumn=Q\r\n";
        writeFile(path("large.tvx"), text);
        FormatSetModel model;
        model.FillFontList(manyFamilies());
        TestHost host(model);
        QElapsedTimer timer;
        timer.start();
        QString refusal;
        QVERIFY(!FormatSetFile::LoadFormatSet(path("large.tvx"), model, host, &refusal));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed()) + " ms"));
        QVERIFY2(refusal.contains(QStringLiteral("its \"Color\" value \"0x1000000\" is not valid")), qPrintable(refusal));

        // The same without the colour that no window could have written.
        text.replace("Color=0x1000000", "Color=0x10");
        writeFile(path("large.tvx"), text);
        timer.restart();
        QVERIFY(FormatSetFile::LoadFormatSet(path("large.tvx"), model, host));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed()) + " ms"));
        QCOMPARE(model.set().FontName, model.fontList().at(158));   // overflowing position
        QCOMPARE(model.set().LeftColumn, QString("A"));              // later [Range] ignored
    }

    // A value no window could have written refuses the whole file: taken as its default
    // it would format with a choice nobody made (black rows for a colour of -5).
    void outOfRangeValuesRefuseTheFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("interleave colour") << QByteArray("[InterLeave]\r\nType=1\r\nColor=-5\r\n") << "\"Color\" value \"-5\"";
        QTest::newRow("interleave choice") << QByteArray("[InterLeave]\r\nType=9\r\n") << "\"Type\" value \"9\"";
        QTest::newRow("orientation") << QByteArray("[Orientation]\r\nOrientation=99\r\n") << "\"Orientation\" value \"99\"";
        QTest::newRow("font colour") << QByteArray("[Font]\r\nColor=16777216\r\n") << "\"Color\" value \"16777216\"";
        QTest::newRow("font size") << QByteArray("[Font]\r\nSize=12pt\r\n") << "\"Size\" value \"12pt\"";
        QTest::newRow("not a number") << QByteArray("[Orientation]\r\nOrientation=landscape\r\n") << "\"landscape\"";
    }

    void outOfRangeValuesRefuseTheFile()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, named);
        FormatSetModel model;
        model.FillFontList(manyFamilies());
        model.update([](FormatSet &set) { set.InterLeave = 2; set.Orientation = 1; });
        const FormatSet before = model.set();
        TestHost host(model);
        writeFile(path("bad.tvx"), text);
        QString refusal;
        QVERIFY(!FormatSetFile::LoadFormatSet(path("bad.tvx"), model, host, &refusal));
        QVERIFY2(refusal.contains(named), qPrintable(refusal));
        QCOMPARE(model.set().InterLeave, before.InterLeave);
        QCOMPARE(model.set().Orientation, before.Orientation);
        QCOMPARE(model.set().InterLeaveColor, before.InterLeaveColor);
    }
};

QTEST_GUILESS_MAIN(TestSetFiles)
#include "tst_settings_formatset.moc"
