#include "IniFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class TestIni : public QObject
{
    Q_OBJECT

private:
    static IniFile parsed(const QByteArray &text)
    {
        IniFile ini;
        ini.parse(text);
        return ini;
    }

private slots:
    void readsNamesWithoutRegardToCaseAndFirstDuplicateWins()
    {
        const IniFile ini = parsed("[Font]\r\nName=3\r\nname=4\r\n[FONT]\r\nSize=99\r\nBold=1\r\n"
                                   "[Other]\n  Key  =  spaced value  \n");
        QCOMPARE(ini.readInteger("font", "NAME", -1), 3);
        // The second [FONT] section is never read: Size and Bold take their defaults.
        QCOMPARE(ini.readString("Font", "Size", "10"), QString("10"));
        QCOMPARE(ini.readBool("Font", "Bold", false), false);
        QCOMPARE(ini.readString("other", "key", ""), QString("spaced value"));
        QCOMPARE(ini.readString("Missing", "Key", "dflt"), QString("dflt"));
    }

    void readsValuesLikeThePrivateProfileFunctions_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("integer");   // with default -7
        QTest::newRow("decimal") << QByteArray("42") << "42" << 42;
        QTest::newRow("negative") << QByteArray("-1") << "-1" << -1;
        QTest::newRow("plus") << QByteArray("+5") << "+5" << 5;
        QTest::newRow("hex 0x") << QByteArray("0xFFFFFF") << "0xFFFFFF" << 0xFFFFFF;
        QTest::newRow("hex 0X lower digits") << QByteArray("0X1a") << "0X1a" << 26;
        QTest::newRow("hex wraps at 32 bits") << QByteArray("0xFFFFFFFF") << "0xFFFFFFFF" << -1;
        QTest::newRow("hex too long") << QByteArray("0x100000000") << "0x100000000" << -7;
        QTest::newRow("bare 0x") << QByteArray("0x") << "0x" << -7;
        QTest::newRow("int max") << QByteArray("2147483647") << "2147483647" << 2147483647;
        QTest::newRow("int min") << QByteArray("-2147483648") << "-2147483648" << int(-2147483648LL);
        QTest::newRow("overflow") << QByteArray("2147483648") << "2147483648" << -7;
        QTest::newRow("huge") << QByteArray("99999999999999999999999") << "99999999999999999999999" << -7;
        QTest::newRow("empty") << QByteArray("") << "" << -7;
        QTest::newRow("trailing text") << QByteArray("12abc") << "12abc" << -7;
        QTest::newRow("inner blank") << QByteArray("1 2") << "1 2" << -7;
        QTest::newRow("blanks around") << QByteArray("   12   ") << "12" << 12;
        QTest::newRow("double quoted") << QByteArray("\" a b \"") << " a b " << -7;
        QTest::newRow("single quoted number") << QByteArray("'8'") << "8" << 8;
        QTest::newRow("unmatched quotes") << QByteArray("\"abc'") << "\"abc'" << -7;
        QTest::newRow("sign only") << QByteArray("-") << "-" << -7;
    }

    void readsValuesLikeThePrivateProfileFunctions()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, text);
        QFETCH(int, integer);
        const IniFile ini = parsed("[S]\r\nK=" + value + "\r\n");
        QCOMPARE(ini.readString("S", "K", "default"), text);
        QCOMPARE(ini.readInteger("S", "K", -7), integer);
        QCOMPARE(ini.readBool("S", "K", true), integer != 0);
    }

    void writingKeepsForeignLinesAndReplacesValuesInPlace()
    {
        IniFile ini;
        ini.parse("; comment\r\n[font]\r\nNAME = 1\r\nForeign=keep me\r\n; note\r\n\r\n"
                  "[Unknown]\nX=1\n[Font]\r\nName=second");
        ini.writeInteger("Font", "Name", 7);
        ini.writeString("Font", "Size", "12");
        ini.writeString("New section", "A", "1");
        ini.writeString("New section", "B", "2");
        QCOMPARE(ini.toBytes(), QByteArray("; comment\r\n[font]\r\nNAME=7\r\nForeign=keep me\r\n; note\r\nSize=12\r\n\r\n"
                                           "[Unknown]\r\nX=1\r\n[Font]\r\nName=second\r\n"
                                           "[New section]\r\nA=1\r\nB=2\r\n"));
    }

    void writtenTextReadsBackUnchanged_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "C:/data/pattern.xls";
        QTest::newRow("blanks around") << "  padded  ";
        QTest::newRow("quoted") << "\"quoted\"";
        QTest::newRow("apostrophes") << "'x'";
        QTest::newRow("equals and brackets") << "a=b [c]";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Лист 1 – café");
        QTest::newRow("empty") << "";
    }

    void writtenTextReadsBackUnchanged()
    {
        QFETCH(QString, value);
        IniFile ini;
        ini.writeString("S", "K", value);
        QCOMPARE(parsed(ini.toBytes()).readString("S", "K", "default"), value);
    }

    void lineBreaksInAValueCannotForgeKeysOrSections()
    {
        IniFile ini;
        ini.writeString("S", "Path", "a\r\n[S]\nEvil=1\rMore=2");
        ini.writeString("S", "Evil", "0");
        const IniFile back = parsed(ini.toBytes());
        QCOMPARE(back.readString("S", "Path", ""), QString("a  [S] Evil=1 More=2"));
        QCOMPARE(back.readInteger("S", "Evil", -1), 0);
        QVERIFY(!back.contains("S", "More"));
    }

    void keepsAByteOrderMarkAndHandlesAnyLineEnd()
    {
        const IniFile ini = parsed("\xEF\xBB\xBF[A]\rK=1\nL=2\r\nM=3");
        QCOMPARE(ini.readInteger("A", "K", 0), 1);
        QCOMPARE(ini.readInteger("A", "L", 0), 2);
        QCOMPARE(ini.readInteger("A", "M", 0), 3);
        QCOMPARE(ini.toBytes(), QByteArray("\xEF\xBB\xBF[A]\r\nK=1\r\nL=2\r\nM=3\r\n"));
    }

    void loadsMissingAndOddPaths()
    {
        QTemporaryDir dir;
        IniFile ini;
        QVERIFY(ini.load(dir.filePath("missing.ini")));          // a missing file is an empty one
        QVERIFY(!ini.contains("A", "B"));
        QVERIFY(!ini.load(dir.path()));                          // a folder is not an ini file
        QVERIFY(!ini.load("/dev/zero"));                         // nor is a device
    }

    void saveReplacesTheFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.ini");
        IniFile ini;
        ini.writeString("S", "K", "v");
        QVERIFY(ini.save(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[S]\r\nK=v\r\n"));
        QVERIFY(!ini.save(dir.filePath("no/such/folder/a.ini")));
    }

    void failedWriteLeavesTheOldFileAsItWas()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.ini");
        const QByteArray old("[S]\r\nK=old\r\n");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        IniFile ini;
        QVERIFY(ini.load(path));
        ini.writeString("S", "K", QString(100000, QLatin1Char('x')));

        // A file-size limit makes the write fail part way, as a full disk would.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 4096;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const bool written = ini.save(path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!written);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.ini"});
    }

    void hostileTextParsesFast()
    {
        // 10 MB of long lines, binary bytes, repeated sections and unterminated headers.
        QByteArray text;
        QByteArray binary;
        for (int i = 0; i < 256; ++i)
            binary.append(char(i));
        int round = 0;
        while (text.size() < 10 * 1024 * 1024) {
            text += "[Font]\r\nName=" + QByteArray(100000, '9') + "\r\n[Font\r\n=\r\n";
            text += binary + "\r\nSize=" + QByteArray::number(round++) + "\r\n";
            for (int i = 0; i < 2000; ++i)
                text += "Key" + QByteArray::number(i) + "=v\r\n";
        }
        QElapsedTimer timer;
        timer.start();
        const IniFile ini = parsed(text);
        QCOMPARE(ini.readInteger("Font", "Name", -3), -3);
        QCOMPARE(ini.readString("Font", "Size", ""), QString("0"));
        QCOMPARE(ini.readString("Font", "Key1999", ""), QString("v"));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed()) + " ms"));
    }
};

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
