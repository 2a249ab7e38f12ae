#include "BatchRunner.h"
#include "FakeDetectionPort.h"
#include "FakeFontPort.h"
#include "FakeOfficeBackend.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

// The headless batch: the same run without a window, reporting on the terminal.
class TestBatch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void arguments();
    void freshMachineRunsFolderWithCalcDefaults();
    void allSucceededExitsZero();
    void nothingCouldStart();
    void setFileMessagesGoToStandardError();
    void setFileChoicesReachTheBackend();
    void repeatedRunsEndCleanly();
    void unusablePreferencesRefuseTheRun_data();
    void unusablePreferencesRefuseTheRun();
    void unusableSetFileRefusesTheRun();
    void undecodableNamesFailAndEmptySheetsAreNamed();
    void timingsGiveEachDocumentItsOwnLine();

private:
    int runBatch(const QStringList &arguments);
    void makeDocuments(const QStringList &names);
    void writeFile(const QString &path, const QByteArray &text);

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QTemporaryDir> m_documents;
    FakeDetectionPort m_detection;
    FakeFontPort m_fonts{{QStringLiteral("Tahoma"), QStringLiteral("Times New Roman")}};
    std::unique_ptr<FakeOfficeBackend> m_calc;
    QString m_out;
    QString m_err;
};

void TestBatch::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    m_documents = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
    m_detection.registered = {QStringLiteral("com.sun.star.ServiceManager")};
    m_detection.exportFilters = {QStringLiteral("calc8"), QStringLiteral("MS Excel 97"), QStringLiteral("dBase"),
                                 QStringLiteral("Text - txt - csv (StarCalc)")};
    m_calc = std::make_unique<FakeOfficeBackend>(ProgressWording::Calc);
    m_out.clear();
    m_err.clear();
}

void TestBatch::makeDocuments(const QStringList &names)
{
    for (const QString &name : names)
        writeFile(m_documents->filePath(name), QByteArray());
}

void TestBatch::writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

int TestBatch::runBatch(const QStringList &arguments)
{
    QTextStream out(&m_out);
    QTextStream err(&m_err);
    QString error;
    const auto options = BatchRunner::parseArguments(arguments, &error);
    if (!options)
        return -1;
    BatchRunner batch(OfficeBackends{nullptr, m_calc.get()}, m_fonts, m_detection, out, err);
    return batch.run(*options);
}

void TestBatch::arguments()
{
    QString error;
    QVERIFY(!BatchRunner::parseArguments({QStringLiteral("--batch")}, &error));
    QCOMPARE(error, QStringLiteral("--batch needs a value"));
    QVERIFY(!BatchRunner::parseArguments({QStringLiteral("--batch"), QStringLiteral("a"), QStringLiteral("--set")}, &error));
    QVERIFY(!BatchRunner::parseArguments({QStringLiteral("--batch"), QStringLiteral("a"), QStringLiteral("b")}, &error));
    QCOMPARE(error, QStringLiteral("unexpected argument: b"));
    const auto options = BatchRunner::parseArguments(
        {QStringLiteral("--set"), QStringLiteral("s.tvx"), QStringLiteral("--batch"), QStringLiteral("docs")}, &error);
    QVERIFY(options);
    QCOMPARE(options->path, QStringLiteral("docs"));
    QCOMPARE(options->setFile, QStringLiteral("s.tvx"));
    QVERIFY(!options->timings);
    const auto timed = BatchRunner::parseArguments(
        {QStringLiteral("--batch"), QStringLiteral("docs"), QStringLiteral("--timings")}, &error);
    QVERIFY(timed && timed->timings);
    const auto joined = BatchRunner::parseArguments({QStringLiteral("--batch=my docs"), QStringLiteral("--set=a=b.tvx")}, &error);
    QVERIFY(joined);
    QCOMPARE(joined->path, QStringLiteral("my docs"));
    QCOMPARE(joined->setFile, QStringLiteral("a=b.tvx"));
}

void TestBatch::freshMachineRunsFolderWithCalcDefaults()
{
    makeDocuments({QStringLiteral("a.xls"), QStringLiteral("b.xls"), QStringLiteral("c.xls"), QStringLiteral("d.ods")});
    m_calc->failingNames = {QStringLiteral("b.xls")};
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->path()}), int(BatchRunner::SomeFailed));
    QCOMPARE(m_calc->calls.size(), 3);
    const FormatJob &job = m_calc->jobs.constFirst();
    QCOMPARE(job.saveAs.Office, 1);
    QCOMPARE(job.saveAs.Extension, 0);
    QCOMPARE(job.saveAs.SaveAs, 7);
    // The choices of a new window, with the default font of the list.
    FormatSet fresh;
    fresh.FontName = QStringLiteral("Tahoma");
    QVERIFY(job.set == fresh);
    for (int i = 1; i <= 3; ++i)
        QVERIFY2(m_out.contains(QStringLiteral("Complete %1 from 3\n").arg(i)), qPrintable(m_out));
    QVERIFY(m_out.contains(QStringLiteral("Processing completed")));
    QVERIFY2(m_err.contains(m_documents->filePath(QStringLiteral("b.xls")) + QStringLiteral(" can`t process document")),
             qPrintable(m_err));
    QFile log(m_config->filePath(QStringLiteral("Tablevane/Tablevane.log")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll(), (m_documents->filePath(QStringLiteral("b.xls")) + QStringLiteral(" can`t process document\r\n")).toLocal8Bit());
    // The batch does not rewrite the user's preferences.
    QVERIFY(!QFile::exists(m_config->filePath(QStringLiteral("Tablevane/Tablevane.ini"))));
}

void TestBatch::allSucceededExitsZero()
{
    makeDocuments({QStringLiteral("one.ods")});
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->filePath(QStringLiteral("one.ods"))}), int(BatchRunner::AllDone));
    QCOMPARE(m_calc->calls.size(), 1);
    QCOMPARE(m_out.trimmed().split(QLatin1Char('\n')).constFirst(), QStringLiteral("Complete 1 from 1"));
    QVERIFY(m_err.isEmpty());
}

void TestBatch::nothingCouldStart()
{
    // An empty folder, a missing path, a document of another type, a missing set file.
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->path()}), int(BatchRunner::NothingStarted));
    QVERIFY(m_err.contains(QStringLiteral("not contains files with extension \"xls\"")));
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->filePath(QStringLiteral("missing"))}),
             int(BatchRunner::NothingStarted));
    makeDocuments({QStringLiteral("notes.txt"), QStringLiteral("a.xls")});
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->filePath(QStringLiteral("notes.txt"))}),
             int(BatchRunner::NothingStarted));
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->path(), QStringLiteral("--set"), QStringLiteral("/nonexistent.tvx")}),
             int(BatchRunner::NothingStarted));
    QVERIFY(m_calc->calls.isEmpty());
    // No office at all.
    m_detection.registered.clear();
    m_err.clear();
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->path()}), int(BatchRunner::NothingStarted));
    QVERIFY(m_err.contains(QStringLiteral("For this reason use Tablevane impossible.")));
    QVERIFY(m_calc->calls.isEmpty());
}

void TestBatch::setFileMessagesGoToStandardError()
{
    makeDocuments({QStringLiteral("a.xls")});
    const QString set = m_documents->filePath(QStringLiteral("set.tvx"));
    writeFile(set, "[Width of columns]\r\nAuto=0\r\nbyPattern=1\r\nPattern file=/nowhere/pattern.xls\r\n");
    // Without its pattern the run would format with widths nobody chose: it does not start.
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->path(), QStringLiteral("--set"), set}),
             int(BatchRunner::NothingStarted));
    QVERIFY(m_calc->calls.isEmpty());
    QVERIFY2(m_err.contains(QStringLiteral("/nowhere/pattern.xls")), qPrintable(m_err));
    QVERIFY(m_err.contains(QStringLiteral("but this file not found.")));
    QVERIFY(!m_out.contains(QStringLiteral("/nowhere/pattern.xls")));
}

void TestBatch::setFileChoicesReachTheBackend()
{
    makeDocuments({QStringLiteral("a.ods"), QStringLiteral("b.ods")});
    QDir().mkpath(m_config->filePath(QStringLiteral("Tablevane")));
    writeFile(m_config->filePath(QStringLiteral("Tablevane/Tablevane.ini")),
              "[Office]\r\nOffice=1\r\n[Extension]\r\nExtension=1\r\n[Save as]\r\nSave as=3\r\n");
    const QString set = m_documents->filePath(QStringLiteral("set.tvx"));
    writeFile(set, "[Orientation]\r\nOrientation=1\r\n[Font]\r\nFontAsIs=0\r\nSize=14\r\n"
                   "[InterLeave]\r\nType=1\r\nColor=255\r\n[ApplyTo]\r\nApplyForAll=1\r\n");
    m_calc->sheetCount = 2;
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->path(), QStringLiteral("--set"), set}), int(BatchRunner::AllDone));
    QCOMPARE(m_calc->calls.size(), 4);
    const FormatJob &job = m_calc->jobs.constFirst();
    QCOMPARE(job.saveAs.Extension, 1);
    QCOMPARE(job.saveAs.calcFilter->filterName, QStringLiteral("calc8"));
    QCOMPARE(job.set.Orientation, 1);
    QCOMPARE(job.set.FontSize, QStringLiteral("14"));
    QCOMPARE(job.set.InterLeave, 1);
    QCOMPARE(job.set.InterLeaveColor, quint32(255));
    QCOMPARE(m_calc->calls.at(1).sheet, 1);
}

void TestBatch::repeatedRunsEndCleanly()
{
    // The end of a run and the shutdown that follows race with the worker's own end;
    // a worker deleted under the shutdown crashed about one run in forty.
    makeDocuments({QStringLiteral("a.xls")});
    for (int i = 0; i < 200; ++i) {
        m_out.clear();
        QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->path()}), int(BatchRunner::AllDone));
    }
    QCOMPARE(m_calc->calls.size(), 200);
}

void TestBatch::unusablePreferencesRefuseTheRun_data()
{
    QTest::addColumn<QByteArray>("content");   // null: the preferences file is a folder
    QTest::addColumn<QString>("why");
    QByteArray noise(4096, Qt::Uninitialized);
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 251);
    QTest::newRow("random bytes") << noise << "holds no choice of office";
    QTest::newRow("empty") << QByteArray("") << "holds no choice of office";
    QTest::newRow("over 16 MB") << QByteArray(17 * 1024 * 1024, ';') << "cannot be read";
    QTest::newRow("folder") << QByteArray() << "cannot be read";
    QTest::newRow("Excel not installed")
        << QByteArray("[Office]\r\nOffice=0\r\n[Extension]\r\nExtension=0\r\n[Save as]\r\nSave as=3\r\n")
        << "(Microsoft Office Excel) is not installed";
    QTest::newRow("office out of range")
        << QByteArray("[Office]\r\nOffice=99\r\n[Extension]\r\nExtension=0\r\n[Save as]\r\nSave as=3\r\n")
        << "choice of office \"99\" is not valid";
    QTest::newRow("save-as the office cannot write")
        << QByteArray("[Office]\r\nOffice=1\r\n[Extension]\r\nExtension=0\r\n[Save as]\r\nSave as=10\r\n")
        << "The installed office cannot write the format chosen";
    QTest::newRow("save-as out of range")
        << QByteArray("[Office]\r\nOffice=1\r\n[Extension]\r\nExtension=0\r\n[Save as]\r\nSave as=" + QByteArray(500, '9') + "\r\n")
        << "names no format of OpenOffice.org Calc";
}

void TestBatch::unusablePreferencesRefuseTheRun()
{
    // Every fallback here would store the .xls documents in place, though the user's
    // file asked for something else or could not be read at all.
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    makeDocuments({QStringLiteral("a.xls")});
    const QString ini = m_config->filePath(QStringLiteral("Tablevane/Tablevane.ini"));
    QDir().mkpath(content.isNull() ? ini : m_config->filePath(QStringLiteral("Tablevane")));
    if (!content.isNull())
        writeFile(ini, content);
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->path()}), int(BatchRunner::NothingStarted));
    QVERIFY(m_calc->calls.isEmpty());
    const bool readable = !why.startsWith(QStringLiteral("The installed office"));
    QVERIFY2(m_err.contains(QStringLiteral("The preferences file ") + ini + QStringLiteral(" cannot be used")) == readable,
             qPrintable(m_err));
    QVERIFY2(m_err.contains(why), qPrintable(m_err));
    QVERIFY(!m_err.contains(QStringLiteral("uses instead")));   // the run stops: nothing is taken instead
    QVERIFY2(m_err.size() < 1000, qPrintable(m_err));   // long values are cut
    if (!content.isNull()) {
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == content);
    }
}

void TestBatch::unusableSetFileRefusesTheRun()
{
    makeDocuments({QStringLiteral("a.xls")});
    const QString set = m_documents->filePath(QStringLiteral("noise.tvx"));
    writeFile(set, QByteArray(65536, '\x9c'));
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->path(), QStringLiteral("--set"), set}),
             int(BatchRunner::NothingStarted));
    QVERIFY2(m_err.contains(QStringLiteral("holds none of the sections of a set file")), qPrintable(m_err));
    QVERIFY(m_calc->calls.isEmpty());
}

void TestBatch::undecodableNamesFailAndEmptySheetsAreNamed()
{
    makeDocuments({QStringLiteral("good.xls"), QStringLiteral("empty.xls")});
    const int fd = ::open((QFile::encodeName(m_documents->path()) + "/caf\xe9.xls").constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    m_calc->emptyNames = {QStringLiteral("empty.xls")};
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->path()}), int(BatchRunner::SomeFailed));
    QCOMPARE(m_calc->calls.size(), 2);
    QVERIFY2(m_err.contains(m_documents->path() + QStringLiteral("/caf\\xE9.xls can`t process document")), qPrintable(m_err));
    QVERIFY2(m_err.contains(QStringLiteral("empty.xls: nothing formatted")), qPrintable(m_err));
    QVERIFY(m_out.contains(QStringLiteral("Complete 3 from 3")));
    ::unlink((QFile::encodeName(m_documents->path()) + "/caf\xe9.xls").constData());   // Qt could not
}

void TestBatch::timingsGiveEachDocumentItsOwnLine()
{
    makeDocuments({QStringLiteral("a.xls"), QStringLiteral("b.xls")});
    qint64 calls = 0;
    m_calc->duringCall = [&calls] { calls += 7; };
    QTextStream out(&m_out);
    QTextStream err(&m_err);
    QString error;
    auto options = BatchRunner::parseArguments({QStringLiteral("--batch"), m_documents->path(), QStringLiteral("--timings")}, &error);
    QVERIFY(options);
    {
        BatchRunner batch(OfficeBackends{nullptr, m_calc.get()}, m_fonts, m_detection, out, err);
        batch.setRemoteCallCounter([&calls] { return calls; });
        QCOMPARE(batch.run(*options), int(BatchRunner::AllDone));
    }
    // After its progress line, each document's phases and total, with the calls it made
    // itself (not those of the run so far).
    const QStringList lines = m_out.split(QLatin1Char('\n'));
    const QRegularExpression timing(QStringLiteral("^timings (\\S+): between [0-9.]+ .* run [0-9./]+ total [0-9.]+/7$"));
    QStringList timed;
    for (int i = 1; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = timing.match(lines.at(i));
        if (match.hasMatch()) {
            QVERIFY2(lines.at(i - 1).startsWith(QStringLiteral("Complete ")), qPrintable(m_out));
            timed.append(match.captured(1));
        }
    }
    QCOMPARE(timed, (QStringList{QStringLiteral("a.xls"), QStringLiteral("b.xls")}));

    // Without the option nothing is timed, also in a later run of the same program.
    m_out.clear();
    QCOMPARE(runBatch({QStringLiteral("--batch"), m_documents->path()}), int(BatchRunner::AllDone));
    QVERIFY2(!m_out.contains(QStringLiteral("timings")), qPrintable(m_out));
}

QTEST_GUILESS_MAIN(TestBatch)
#include "tst_batch.moc"
