// Language files: which lines are keys, the display name, the limit of kept lines, the
// encodings a file is read in, and the shipped translations holding every key.
#include "LanguageFile.h"
#include "LanguageKeyTable.h"
#include "MessageTable.h"
#include "NoticeTable.h"
#include "SaveAsTables.h"
#include "UndoTexts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cstdlib>

using Lines = QList<LanguageLine>;
Q_DECLARE_METATYPE(Lines)

class TestLanguageFile : public QObject
{
    Q_OBJECT

private slots:
    void readsKeyLinesAndName_data();
    void readsKeyLinesAndName();
    void decodesUtf8OrTheLocaleCodePage_data();
    void decodesUtf8OrTheLocaleCodePage();
    void readsWindows1251UnderARussianLocale();
    void shippedFilesHoldEveryKey_data();
    void shippedFilesHoldEveryKey();
};

void TestLanguageFile::readsKeyLinesAndName_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<QString>("name");
    QTest::newRow("keys anywhere, the first four lines too")
        << QByteArray("0010 A\r\n; note\r\n0011 B\r\nLanguage=Name here\r\n0012 C  \r\n")
        << Lines{{10, "A"}, {11, "B"}, {12, "C  "}} << QStringLiteral("Name here");
    QTest::newRow("what is not a key line")
        << QByteArray("abcd x\n0000 zero\n-001 minus\n  12 blank-led\n12\n0013\n0014Xtext\n+015 plus\n1 2 3\n")
        << Lines{{12, "blank-led"}, {13, ""}, {14, "text"}} << QStringLiteral("k-led");
    QTest::newRow("CR, LF and CR LF end lines") << QByteArray("0001 a\r0002 b\n0003 c\r\n\r\n0004 d")
                                                 << Lines{{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}} << QString();
    QTest::newRow("fewer than four lines: no name") << QByteArray("x\ny\nz\n") << Lines{} << QString();
    QTest::newRow("a short fourth line: no name") << QByteArray("x\ny\nz\nLang\n") << Lines{} << QString();
    QByteArray many;
    Lines kept;
    for (int i = 1; i <= 300; ++i) {
        many += "0030 line " + QByteArray::number(i) + "\r\n";
        if (i <= LanguageFile::MaxKeyLines)
            kept.append({30, QStringLiteral("line %1").arg(i)});
    }
    QTest::newRow("300 key lines: the first 249 kept") << many << kept << QStringLiteral(" 4");
}

void TestLanguageFile::readsKeyLinesAndName()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Lines, lines);
    QFETCH(QString, name);
    LanguageFile file;
    file.parse(bytes, "UTF-8");
    QCOMPARE(file.lines(), lines);
    QCOMPARE(file.displayName(), name);
}

void TestLanguageFile::decodesUtf8OrTheLocaleCodePage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("codeset");
    QTest::addColumn<QString>("text");
    const QString russian = QStringLiteral("Файл");
    QTest::newRow("UTF-8 whatever the locale") << russian.toUtf8() << QByteArray("CP1251") << russian;
    QTest::newRow("UTF-8 byte-order mark dropped") << QByteArray("\xEF\xBB\xBF") + russian.toUtf8()
                                                    << QByteArray("UTF-8") << russian;
    QTest::newRow("Windows-1251 under its locale") << QByteArray("\xD4\xE0\xE9\xEB") << QByteArray("CP1251") << russian;
    QTest::newRow("KOI8-R under its locale") << QByteArray("\xE6\xC1\xCA\xCC") << QByteArray("KOI8-R") << russian;
    QTest::newRow("Windows-1252 under a plain ASCII locale") << QByteArray("Gr\xF6\xDF" "e") << QByteArray("ANSI_X3.4-1968")
                                                             << QStringLiteral("Größe");
    QTest::newRow("a code page nobody knows") << QByteArray("Gr\xF6\xDF" "e") << QByteArray("NO-SUCH-SET")
                                               << QStringLiteral("Größe");
}

void TestLanguageFile::decodesUtf8OrTheLocaleCodePage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, codeset);
    QFETCH(QString, text);
    QCOMPARE(LanguageFile::decode(bytes, codeset), text);
}

void TestLanguageFile::readsWindows1251UnderARussianLocale()
{
    // A Russian locale in Windows-1251, compiled for this test from the system's locale sources.
    QTemporaryDir locales;
    const QString localedef = QStandardPaths::findExecutable(QStringLiteral("localedef"));
    const bool made = !localedef.isEmpty()
        && QProcess::execute(localedef, {QStringLiteral("-i"), QStringLiteral("ru_RU"), QStringLiteral("-f"),
                                         QStringLiteral("CP1251"), locales.filePath(QStringLiteral("ru_RU.CP1251"))})
            == 0;
    if (!made) {
        if (qEnvironmentVariable("CI") == QLatin1String("true"))
            QFAIL("localedef and the ru_RU locale source (package locales) are needed");
        QSKIP("no localedef or no ru_RU locale source");
    }
    qputenv("LOCPATH", QFile::encodeName(locales.path()));
    const std::string before = std::setlocale(LC_CTYPE, nullptr);
    QVERIFY(std::setlocale(LC_CTYPE, "ru_RU.CP1251"));
    const QByteArray codeset = LanguageFile::systemCodeset();
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("Windows.lng")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x\r\nx\r\nx\r\nLanguage=\xD0\xF3\xF1\xF1\xEA\xE8\xE9\r\n0030 \xD8\xF0\xE8\xF4\xF2\r\n");
    file.close();
    LanguageFile language;
    const LanguageFile::Status status = language.read(file.fileName());
    std::setlocale(LC_CTYPE, before.c_str());
    qunsetenv("LOCPATH");
    QCOMPARE(codeset, QByteArray("CP1251"));
    QCOMPARE(status, LanguageFile::Status::Read);
    QCOMPARE(language.displayName(), QStringLiteral("Русский"));
    QCOMPARE(language.lines(), (Lines{{30, QStringLiteral("Шрифт")}}));
}

void TestLanguageFile::shippedFilesHoldEveryKey_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &name : QDir(QStringLiteral(TABLEVANE_LANG_DIR)).entryList({QStringLiteral("*.lng")}))
        QTest::newRow(qPrintable(name)) << QStringLiteral(TABLEVANE_LANG_DIR "/") + name;
}

void TestLanguageFile::shippedFilesHoldEveryKey()
{
    QFETCH(QString, file);
    QFile raw(file);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    // Shipped as UTF-8, so that they read the same under every locale.
    QVERIFY(!LanguageFile::decode(bytes, "UTF-8").contains(QChar::ReplacementCharacter));
    LanguageFile language;
    QCOMPARE(language.read(file), LanguageFile::Status::Read);
    QVERIFY(!language.displayName().isEmpty());
    QHash<int, QString> texts;
    QList<int> order;
    for (const LanguageLine &line : language.lines()) {
        QVERIFY2(!texts.contains(line.key), qPrintable(QStringLiteral("key %1 twice").arg(line.key)));
        texts.insert(line.key, line.text);
        order.append(line.key);
    }
    QStringList missing;
    auto need = [&](int key) {
        if (!texts.contains(key))
            missing.append(QString::number(key));
    };
    for (int key : LanguageKeyTable::keys())
        need(key);
    for (int key : NoticeTable::keys())
        need(key);
    need(UndoTexts::Key);
    for (const LanguageKeyTable::TableCName &name : LanguageKeyTable::tableCNames())
        need(name.key);
    for (int key = 7001; key <= 7037; ++key) {
        const QList<int> entries = MessageTable::entriesOfKey(key);
        if (entries.isEmpty())
            continue;
        need(key);
        if (entries.size() > 1)
            QCOMPARE(texts.value(key).split(QLatin1Char('|')).size(), entries.size());
    }
    SaveAsTables tables;
    tables.BuildSaveAsTables(0, false);
    for (const ExcelFormat &row : tables.tableA())
        need(3300 + row.code);
    for (const ExcelFormat &row : tables.tableB())
        need(3500 + row.code);
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing keys: ") + missing.join(QLatin1Char(' '))));
    // The twenty Calc names follow key 3401 line after line.
    const int first = order.indexOf(LanguageKeyTable::TableCRun);
    QVERIFY(first >= 0 && first + LanguageKeyTable::TableCRunRows <= order.size());
    for (int i = 0; i < LanguageKeyTable::TableCRunRows; ++i)
        QCOMPARE(order.at(first + i), LanguageKeyTable::TableCRun + i);
    // A notice keeps the places its English text fills in.
    static const QRegularExpression place(QStringLiteral("%\\d"));
    for (int key : NoticeTable::keys()) {
        const QString english = NoticeTable::text(Notice(key - NoticeTable::FirstKey));
        for (auto it = place.globalMatch(english); it.hasNext();) {
            const QString marker = it.next().captured();
            QVERIFY2(texts.value(key).contains(marker), qPrintable(QStringLiteral("%1 lacks %2").arg(key).arg(marker)));
        }
    }
    // The undo texts share one key, each part in its place with its own places.
    const QStringList undoParts = texts.value(UndoTexts::Key).split(QLatin1Char('|'));
    QCOMPARE(undoParts.size(), UndoTexts::count());
    for (int part = 0; part < UndoTexts::count(); ++part) {
        const QString english = UndoTexts::text(UndoText(part));
        for (auto it = place.globalMatch(english); it.hasNext();) {
            const QString marker = it.next().captured();
            QVERIFY2(undoParts.at(part).contains(marker),
                     qPrintable(QStringLiteral("9201 part %1 lacks %2").arg(part).arg(marker)));
        }
    }
}

QTEST_MAIN(TestLanguageFile)
#include "tst_language_file.moc"
