// Language files: which lines are keys, the display name, the limits of kept lines and
// texts, the encodings a file is read in, the language it is in, the save-as names taken
// by their own keys, and the shipped translations holding every key.
#include "LanguageFile.h"
#include "LanguageKeyTable.h"
#include "LanguageNotes.h"
#include "MessageTable.h"
#include "NoticeTable.h"
#include "SaveAsNameKeys.h"
#include "SaveAsTables.h"
#include "TextLimits.h"
#include "UndoTexts.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringEncoder>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cstdlib>
#include <tuple>

using Lines = QList<LanguageLine>;
using Keys = QList<int>;
using Names = QMap<int, QString>;
Q_DECLARE_METATYPE(Lines)

namespace {

QByteArray shippedFile(const QString &name)
{
    QFile file(QStringLiteral(TABLEVANE_LANG_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestLanguageFile : public QObject
{
    Q_OBJECT

private slots:
    void readsKeyLinesAndName_data();
    void readsKeyLinesAndName();
    void decodesUtf8OrTheLocaleCodePage_data();
    void decodesUtf8OrTheLocaleCodePage();
    void readsWindows1251UnderARussianLocale();
    void tellsTheLanguage_data();
    void tellsTheLanguage();
    void saveAsNamesByTheirOwnKeys_data();
    void saveAsNamesByTheirOwnKeys();
    void shippedFilesHoldEveryKey_data();
    void shippedFilesHoldEveryKey();
};

void TestLanguageFile::readsKeyLinesAndName_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Keys>("cut");
    QTest::newRow("keys anywhere, the first four lines too")
        << QByteArray("0010 A\r\n; note\r\n0011 B\r\nLanguage=Name here\r\n0012 C  \r\n")
        << Lines{{10, "A"}, {11, "B"}, {12, "C  "}} << QStringLiteral("Name here") << Keys{};
    QTest::newRow("what is not a key line")
        << QByteArray("abcd x\n0000 zero\n-001 minus\n  12 blank-led\n12\n0013\n0014Xtext\n+015 plus\n1 2 3\n")
        << Lines{{12, "blank-led"}, {13, ""}, {14, "text"}} << QStringLiteral("k-led") << Keys{};
    QTest::newRow("CR, LF and CR LF end lines") << QByteArray("0001 a\r0002 b\n0003 c\r\n\r\n0004 d")
                                                 << Lines{{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}} << QString() << Keys{};
    QTest::newRow("fewer than four lines: no name") << QByteArray("x\ny\nz\n") << Lines{} << QString() << Keys{};
    QTest::newRow("a short fourth line: no name") << QByteArray("x\ny\nz\nLang\n") << Lines{} << QString() << Keys{};
    QByteArray many;
    Lines kept;
    for (int i = 1; i <= LanguageFile::MaxKeyLines + 50; ++i) {
        many += "0030 line " + QByteArray::number(i) + "\r\n";
        if (i <= LanguageFile::MaxKeyLines)
            kept.append({30, QStringLiteral("line %1").arg(i)});
    }
    QTest::newRow("too many key lines: the first ones kept") << many << kept << QStringLiteral(" 4") << Keys{};
    // A damaged or hostile file: texts cut at the bound, never between the halves of a
    // character, and the keys noted; the display name cut too.
    const QString longText = QString(TextLimits::MaxLanguageText - 1, QLatin1Char('x')) + QStringLiteral("\U0001F600tail");
    QTest::newRow("texts over the bound cut")
        << (QStringLiteral("x\ny\nz\nLanguage=") + QString(100000, QLatin1Char('n')) + QStringLiteral("\n0010 ")
            + QString(100000, QLatin1Char('c')) + QStringLiteral("\n0011 ") + longText + QStringLiteral("\n0012 short\n"))
               .toUtf8()
        << Lines{{10, QString(TextLimits::MaxLanguageText, QLatin1Char('c'))},
                 {11, QString(TextLimits::MaxLanguageText - 1, QLatin1Char('x'))},
                 {12, QStringLiteral("short")}}
        << QString(TextLimits::MaxLanguageText, QLatin1Char('n')) << Keys{10, 11};
}

void TestLanguageFile::readsKeyLinesAndName()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Lines, lines);
    QFETCH(QString, name);
    QFETCH(Keys, cut);
    LanguageFile file;
    file.parse(bytes, "UTF-8");
    QCOMPARE(file.lines(), lines);
    QCOMPARE(file.displayName(), name);
    QCOMPARE(file.cutKeys(), cut);
}

void TestLanguageFile::decodesUtf8OrTheLocaleCodePage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("codeset");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<bool>("guessed");
    QTest::addColumn<bool>("certain");
    const QString russian = QStringLiteral("Файл");
    QTest::newRow("UTF-8 whatever the locale") << russian.toUtf8() << QByteArray("CP1251") << russian
                                               << QByteArray("UTF-8") << false << true;
    QTest::newRow("UTF-8 byte-order mark dropped") << QByteArray("\xEF\xBB\xBF") + russian.toUtf8()
                                                    << QByteArray("UTF-8") << russian << QByteArray("UTF-8") << false << true;
    QTest::newRow("UTF-16 LE after its mark") << QByteArray("\xFF\xFE\x24\x04\x30\x04\x39\x04\x3B\x04", 10)
                                               << QByteArray("UTF-8") << russian << QByteArray("UTF-16LE") << false << true;
    QTest::newRow("UTF-16 BE after its mark") << QByteArray("\xFE\xFF\x04\x24\x04\x30\x04\x39\x04\x3B", 10)
                                               << QByteArray("CP1252") << russian << QByteArray("UTF-16BE") << false << true;
    QTest::newRow("Windows-1251 under its locale") << QByteArray("\xD4\xE0\xE9\xEB") << QByteArray("CP1251") << russian
                                                   << QByteArray("CP1251") << false << true;
    QTest::newRow("KOI8-R under its locale") << QByteArray("\xE6\xC1\xCA\xCC") << QByteArray("KOI8-R") << russian
                                             << QByteArray("KOI8-R") << false << true;
    // On a UTF-8 desktop (and under the plain C locale) a file in a Windows code page is
    // read in the code page its bytes fit; the shipped files as they would have been
    // written on Windows. A few letters alone are too few to be sure.
    for (const auto &[name, codePage, locale] : {std::tuple{"Russian.lng", "windows-1251", "UTF-8"},
                                                 std::tuple{"Deutsch.lng", "windows-1252", "UTF-8"},
                                                 std::tuple{"Russian.lng", "windows-1251", "ANSI_X3.4-1968"}}) {
        const QString text = QString::fromUtf8(shippedFile(QString::fromLatin1(name)));
        QStringEncoder encoder(codePage);
        QTest::addRow("%s in %s under %s", name, codePage, locale)
            << QByteArray(encoder.encode(text)) << QByteArray(locale) << text << QByteArray(codePage) << true << true;
    }
    QTest::newRow("a short word under a UTF-8 locale") << QByteArray("Gr\xF6\xDF" "e") << QByteArray("UTF-8")
                                                       << QStringLiteral("Größe") << QByteArray("windows-1252") << true << false;
    QTest::newRow("a code page nobody knows") << QByteArray("Gr\xF6\xDF" "e") << QByteArray("NO-SUCH-SET")
                                               << QStringLiteral("Größe") << QByteArray("windows-1252") << true << false;
}

void TestLanguageFile::decodesUtf8OrTheLocaleCodePage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, codeset);
    QFETCH(QString, text);
    QFETCH(QByteArray, encoding);
    QFETCH(bool, guessed);
    QFETCH(bool, certain);
    LanguageFile::Encoding used;
    QCOMPARE(LanguageFile::decode(bytes, codeset, &used), text);
    QCOMPARE(used.name, encoding);
    QCOMPARE(used.guessed, guessed);
    QCOMPARE(used.certain, certain);
    // A guess that is not certain is said; everything else is not.
    const LanguageNotes notes{used, {}, {}};
    QCOMPARE(notes.text(QStringLiteral("x.lng")).contains(QString::fromLatin1(encoding)), guessed && !certain);
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

void TestLanguageFile::tellsTheLanguage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QLocale::Language>("language");
    QTest::newRow("its own name") << QStringLiteral("Deutsch") << QStringLiteral("/x/a.lng") << QLocale::German;
    QTest::newRow("its own name, any case") << QStringLiteral(" Русский ") << QStringLiteral("/x/a.lng") << QLocale::Russian;
    QTest::newRow("the English name") << QStringLiteral("Russian") << QStringLiteral("/x/a.lng") << QLocale::Russian;
    QTest::newRow("the file's name") << QStringLiteral("Mine") << QStringLiteral("/x/Deutsch.lng") << QLocale::German;
    QTest::newRow("a code") << QString() << QStringLiteral("/x/ru_RU.lng") << QLocale::Russian;
    QTest::newRow("nothing it names") << QStringLiteral("Testish") << QStringLiteral("/x/Test.lng") << QLocale::AnyLanguage;
}

void TestLanguageFile::tellsTheLanguage()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(QLocale::Language, language);
    QCOMPARE(LanguageFile::languageOf(name, path), language);
}

void TestLanguageFile::saveAsNamesByTheirOwnKeys_data()
{
    QTest::addColumn<QStringList>("keyLines");
    QTest::addColumn<Names>("tableC");   // positions and their names after
    QTest::addColumn<Names>("tableA");
    QTest::addColumn<Keys>("missing");
    QTest::addColumn<Keys>("doubled");
    SaveAsTables built;
    built.BuildSaveAsTables(0, false);
    const auto english = [&](int position) { return built.tableC().at(position).displayName; };
    QStringList run;
    for (int key = 3401; key <= 3420; ++key)
        run.append(QStringLiteral("%1 C%1").arg(key));
    QTest::newRow("the run in order") << run << Names{{0, "C3401"}, {4, "C3405"}, {19, "C3420"}, {20, english(20)}}
                                      << Names{} << Keys{} << Keys{};
    QStringList doubled = run;
    doubled.insert(4, QStringLiteral("3405 again"));
    QTest::newRow("a line twice: the last counts, nothing shifts")
        << doubled << Names{{3, "C3404"}, {4, "C3405"}, {5, "C3406"}, {19, "C3420"}} << Names{} << Keys{} << Keys{3405};
    QStringList gap = run;
    gap.removeAt(11);
    QTest::newRow("a line missing: its name stays")
        << gap << Names{{10, "C3411"}, {11, english(11)}, {12, "C3413"}, {19, "C3420"}} << Names{} << Keys{3412} << Keys{};
    QStringList reversed(run.crbegin(), run.crend());
    reversed.append(QStringLiteral("3422 extra"));
    QTest::newRow("in any order, the names after the run by theirs")
        << reversed << Names{{0, "C3401"}, {19, "C3420"}, {21, "extra"}} << Names{} << Keys{} << Keys{};
    QStringList excel;
    for (const ExcelFormat &row : built.tableA()) {
        if (row.code != 5)
            excel.append(QStringLiteral("%1 A%2").arg(3300 + row.code).arg(row.code));
    }
    excel.insert(3, QStringLiteral("0006 another key amid the run"));
    QTest::newRow("an Excel name missing shifts no other")
        << excel << Names{} << Names{{3, "A4"}, {4, built.tableA().at(4).displayName}, {5, "A6"}, {6, "A7"}}
        << Keys{3305} << Keys{};
    QTest::newRow("no save-as names at all") << QStringList{QStringLiteral("0010 x")} << Names{{0, english(0)}}
                                             << Names{{0, built.tableA().at(0).displayName}} << Keys{} << Keys{};
}

void TestLanguageFile::saveAsNamesByTheirOwnKeys()
{
    QFETCH(QStringList, keyLines);
    QFETCH(Names, tableC);
    QFETCH(Names, tableA);
    QFETCH(Keys, missing);
    QFETCH(Keys, doubled);
    LanguageFile file;
    file.parse(keyLines.join(QStringLiteral("\r\n")).toUtf8(), "UTF-8");
    SaveAsTables tables;
    tables.BuildSaveAsTables(0, false);
    const SaveAsNameKeys::Faults faults = SaveAsNameKeys::apply(file.lines(), tables);
    for (auto it = tableC.cbegin(); it != tableC.cend(); ++it)
        QCOMPARE(tables.tableC().at(it.key()).displayName, it.value());
    for (auto it = tableA.cbegin(); it != tableA.cend(); ++it)
        QCOMPARE(tables.tableA().at(it.key()).displayName, it.value());
    QCOMPARE(faults.missing, missing);
    QCOMPARE(faults.doubled, doubled);
    // The load says so, naming the keys.
    const QString note = LanguageNotes{{}, {}, faults}.text(QStringLiteral("x.lng"));
    for (int key : missing + doubled)
        QVERIFY2(note.contains(QString::number(key)), qPrintable(note));
    QCOMPARE(note.isEmpty(), missing.isEmpty() && doubled.isEmpty());
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
    for (int part = 0; part < UndoTexts::count(); ++part)
        need(UndoTexts::FirstKey + part);
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
    // So does each undo text.
    for (int part = 0; part < UndoTexts::count(); ++part) {
        const QString english = UndoTexts::text(UndoText(part));
        for (auto it = place.globalMatch(english); it.hasNext();) {
            const QString marker = it.next().captured();
            QVERIFY2(texts.value(UndoTexts::FirstKey + part).contains(marker),
                     qPrintable(QStringLiteral("%1 lacks %2").arg(UndoTexts::FirstKey + part).arg(marker)));
        }
    }
}

QTEST_MAIN(TestLanguageFile)
#include "tst_language_file.moc"
