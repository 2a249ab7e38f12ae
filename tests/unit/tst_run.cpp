#include "AppPaths.h"
#include "ColumnLetters.h"
#include "FakeOfficeBackend.h"
#include "FolderListing.h"
#include "RecordingRunHost.h"
#include "TWorkThread.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

// The run engine: Start, Pause/Resume, Stop, the steps, the end of a run, the log,
// and the helpers the back-ends use.
class TestRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void columnLetters();
    void listsOnlyExactExtension();
    void folderRunWithFailingSecondDocument_data();
    void folderRunWithFailingSecondDocument();
    void collidingResultsFailTheLaterDocument();
    void logLeftAloneWhenLoggingIsOff();
    void startDuringRunPausesUntilStartAgain();
    void stopWhilePausedStartsOverNextTime();
    void stoppedStepEndsQuietlyAndRefusesStart();
    void exitDuringStepOrPauseEndsAtOnce();
    void unwritableLogReportedOncePerRun();
    void concurrentRunKeepsTheOtherRunsLog();
    void emptyOrZeroSheetNumberFailsEachDocument();
    void refusesWhatCannotStart();
    void allSheetsAndSheetNumberPerOffice_data();
    void allSheetsAndSheetNumberPerOffice();
    void oneFileRunSplitsThePath();
    void viewLog();

private:
    void makeFolder(const QStringList &names);
    void chooseFolder(RecordingRunHost &host);
    bool completed(const RecordingRunHost &host) const;
    QString readLog() const;

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QTemporaryDir> m_documents;
};

void TestRun::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    m_documents = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
}

void TestRun::makeFolder(const QStringList &names)
{
    for (const QString &name : names) {
        QFile file(m_documents->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void TestRun::chooseFolder(RecordingRunHost &host)
{
    host.workPath = m_documents->path();
    host.run->state().WorkFolder = m_documents->path();
    FolderListing::ListFolderFiles(m_documents->path(), QStringLiteral("xls"), host.run->state());
}

bool TestRun::completed(const RecordingRunHost &host) const
{
    return host.events.contains(QStringLiteral("message:Processing completed"));
}

QString TestRun::readLog() const
{
    QFile file(AppPaths::logFile());
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<no log>");
    return QString::fromLocal8Bit(file.readAll());
}

void TestRun::columnLetters()
{
    using namespace ColumnLetters;
    QCOMPARE(ColumnNumberToLetters(1), QStringLiteral("A"));
    QCOMPARE(ColumnNumberToLetters(26), QStringLiteral("Z"));
    QCOMPARE(ColumnNumberToLetters(27), QStringLiteral("AA"));
    QCOMPARE(ColumnNumberToLetters(702), QStringLiteral("ZZ"));
    QCOMPARE(ColumnNumberToLetters(703), QStringLiteral("AAA"));
    QCOMPARE(ColumnNumberToLetters(256), QStringLiteral("IV"));
    QCOMPARE(ColumnNumberToLetters(16384), QStringLiteral("XFD"));
    QCOMPARE(ColumnNumberToLetters(0), QString(QChar(64)));
    QCOMPARE(ColumnLettersToNumber(QStringLiteral("A")), 1);
    QCOMPARE(ColumnLettersToNumber(QStringLiteral("AB")), 28);
    QCOMPARE(ColumnLettersToNumber(QStringLiteral("ZZ")), 702);
    QCOMPARE(ColumnLettersToNumber(QStringLiteral("AAA")), 703);
    QCOMPARE(ColumnLettersToNumber(QStringLiteral("XFD")), 16384);
    QCOMPARE(ColumnLettersToNumber(QStringLiteral("ABCD")), 0);
    QCOMPARE(ColumnLettersToNumber(QString()), 0);
    for (int n = 1; n <= 18278; n += 37)
        QCOMPARE(ColumnLettersToNumber(ColumnNumberToLetters(n)), n);
}

void TestRun::listsOnlyExactExtension()
{
    // Created in an order unlike the expected one; "sub.xls" is a folder.
    makeFolder({QStringLiteral("_u.xls"), QStringLiteral("C.xls"), QStringLiteral("c.xlsx"), QStringLiteral("b.XLS"),
                QStringLiteral("d.xls.bak"), QStringLiteral("\u00e4.xls"), QStringLiteral("a.xls"),
                QStringLiteral(".hidden.xls"), QStringLiteral("a1.xls")});
    QVERIFY(QDir(m_documents->path()).mkdir(QStringLiteral("sub.xls")));
    // A link that leads nowhere is listed: it fails as a document, with its reason.
    QVERIFY(QFile::link(m_documents->filePath(QStringLiteral("gone.xls")), m_documents->filePath(QStringLiteral("z.xls"))));
    // A name in Latin-1, which UTF-8 cannot decode.
    const int fd = ::open((QFile::encodeName(m_documents->path()) + "/caf\xe9.xls").constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    RunState state;
    FolderListing::ListFolderFiles(m_documents->path(), QStringLiteral("xls"), state);
    // Case-insensitive by upper-case form: "." < digits < letters < "\" < "_" < A-umlaut.
    const QStringList expected{QStringLiteral(".hidden.xls"), QStringLiteral("a.xls"), QStringLiteral("a1.xls"),
                               QStringLiteral("b.XLS"), QStringLiteral("C.xls"), QStringLiteral("caf\\xE9.xls"),
                               QStringLiteral("z.xls"), QStringLiteral("_u.xls"), QStringLiteral("\u00e4.xls")};
    QCOMPARE(state.Files.mid(1), expected);
    QCOMPARE(state.Undecodable, QSet<int>{6});
    // Qt could not remove it with the folder.
    ::unlink((QFile::encodeName(m_documents->path()) + "/caf\xe9.xls").constData());
    QCOMPARE(state.Count, expected.size());
    QCOMPARE(state.Files.constFirst(), QString());
    FolderListing::ListFolderFiles(m_documents->path(), QStringLiteral("xlsx"), state);
    QCOMPARE(state.Files.mid(1), QStringList{QStringLiteral("c.xlsx")});
    FolderListing::ListFolderFiles(m_documents->path(), QStringLiteral("ods"), state);
    QCOMPARE(state.Count, 0);
    QCOMPARE(state.Files.size(), 1);
}

void TestRun::folderRunWithFailingSecondDocument_data()
{
    QTest::addColumn<int>("office");
    QTest::addColumn<QString>("lastProgress");
    QTest::newRow("calc") << 1 << QStringLiteral("Complete 3 from 3");
    QTest::newRow("excel") << 0 << QStringLiteral("Complete 3  from 3");
}

void TestRun::folderRunWithFailingSecondDocument()
{
    QFETCH(int, office);
    QFETCH(QString, lastProgress);
    makeFolder({QStringLiteral("a.xls"), QStringLiteral("b.xls"), QStringLiteral("c.xls")});
    FakeOfficeBackend backend(office == 0 ? ProgressWording::Excel : ProgressWording::Calc);
    backend.failingNames = {QStringLiteral("b.xls")};
    RecordingRunHost host;
    host.office = office;
    (office == 0 ? host.backends.excel : host.backends.calc) = &backend;
    chooseFolder(host);
    QFile stale(AppPaths::logFile());
    QDir().mkpath(AppPaths::AppDataFolder());
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("old line\r\n");
    stale.close();

    host.run->StartRun();
    QCOMPARE(host.caption(), QStringLiteral("Pause"));
    QTRY_VERIFY(completed(host));

    QCOMPARE(backend.calls.size(), 3);
    const QString failed = m_documents->filePath(QStringLiteral("b.xls"));
    const QStringList lines = readLog().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.constFirst().contains(failed + QStringLiteral(" ")), qPrintable(lines.constFirst()));
    QVERIFY(lines.constFirst().endsWith(QStringLiteral("can`t process document")));
    if (office == 1)
        QCOMPARE(lines.constFirst(), failed + QStringLiteral(" can`t process document"));
    QCOMPARE(host.trayHint, lastProgress);
    QCOMPARE(host.progress, 3);
    const int progressAt = host.events.indexOf(QStringLiteral("status:") + lastProgress);
    const int editorAt = host.events.indexOf(QStringLiteral("editor:") + AppPaths::logFile());
    const int completedAt = host.events.indexOf(QStringLiteral("message:Processing completed"));
    QVERIFY(progressAt >= 0 && editorAt > progressAt && completedAt > editorAt);
    QCOMPARE(host.captions.last(), QStringLiteral("Start!"));
    QVERIFY(host.events.lastIndexOf(QStringLiteral("caption:Start!")) < completedAt);
    QVERIFY(!host.run->runInProgress());
    QVERIFY(!host.run->state().ProblemLogged);
    QCOMPARE(host.settingsSaved, 1);
}

// a.XLS and a.xls both stored as .ods would have the second result send the first to
// the trash: the later document fails before any office sees it. Leftovers of a killed
// run in the folder are cleared at Start.
void TestRun::collidingResultsFailTheLaterDocument()
{
    makeFolder({QStringLiteral("a.xls"), QStringLiteral("a.XLS"), QStringLiteral("b.xls")});
    QVERIFY(QDir(m_documents->path()).mkdir(QStringLiteral(".~tablevane-2147483646-ab12")));
    FakeOfficeBackend backend(ProgressWording::Calc);
    backend.targetOf = [](const QString &path) { return path.left(path.lastIndexOf(QLatin1Char('.'))) + ".ods"; };
    RecordingRunHost host;
    host.backends.calc = &backend;
    chooseFolder(host);
    host.run->StartRun();
    QTRY_VERIFY(completed(host));
    QCOMPARE(backend.calls.size(), 2);
    QCOMPARE(backend.calls.at(0).path, m_documents->filePath(QStringLiteral("a.XLS")));
    QCOMPARE(backend.calls.at(1).path, m_documents->filePath(QStringLiteral("b.xls")));
    const QString log = readLog();
    QVERIFY2(log.startsWith(m_documents->filePath(QStringLiteral("a.xls")) + QStringLiteral(" can`t process document: its result ")),
             qPrintable(log));
    QVERIFY(log.contains(QStringLiteral("would replace the result of a.XLS")));
    QCOMPARE(host.progress, 3);
    QVERIFY(!QFileInfo::exists(m_documents->filePath(QStringLiteral(".~tablevane-2147483646-ab12"))));
}

void TestRun::logLeftAloneWhenLoggingIsOff()
{
    makeFolder({QStringLiteral("a.xls"), QStringLiteral("b.xls")});
    QDir().mkpath(AppPaths::AppDataFolder());
    QFile old(AppPaths::logFile());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("kept\r\n");
    old.close();
    FakeOfficeBackend backend(ProgressWording::Calc);
    backend.failingNames = {QStringLiteral("b.xls")};
    RecordingRunHost host;
    host.backends.calc = &backend;
    host.formatSet.update([](FormatSet &set) { set.Log = false; });
    chooseFolder(host);
    host.run->StartRun();
    QTRY_VERIFY(completed(host));
    QCOMPARE(readLog(), QStringLiteral("kept\r\n"));
    QVERIFY(host.shell.editorOpened.isEmpty());
}

void TestRun::startDuringRunPausesUntilStartAgain()
{
    makeFolder({QStringLiteral("a.xls"), QStringLiteral("b.xls"), QStringLiteral("c.xls")});
    FakeOfficeBackend backend(ProgressWording::Calc);
    RecordingRunHost host;
    host.backends.calc = &backend;
    chooseFolder(host);
    backend.duringCall = [&] {
        if (backend.calls.size() == 1)
            host.run->StartRun();
    };
    host.run->StartRun();
    QTRY_COMPARE(host.caption(), QStringLiteral("Resume"));
    QTest::qWait(300);
    QCOMPARE(backend.calls.size(), 1);
    QVERIFY(host.run->runInProgress());
    host.run->StartRun();
    QCOMPARE(host.caption(), QStringLiteral("Pause"));
    QTRY_VERIFY(completed(host));
    QCOMPARE(backend.calls.size(), 3);
}

void TestRun::stopWhilePausedStartsOverNextTime()
{
    makeFolder({QStringLiteral("a.xls"), QStringLiteral("b.xls"), QStringLiteral("c.xls")});
    FakeOfficeBackend backend(ProgressWording::Calc);
    RecordingRunHost host;
    host.backends.calc = &backend;
    chooseFolder(host);
    backend.duringCall = [&] {
        if (backend.calls.size() == 1)
            host.run->StartRun();
    };
    host.run->StartRun();
    QTRY_COMPARE(host.caption(), QStringLiteral("Resume"));
    host.run->StopRun();
    QCOMPARE(host.caption(), QStringLiteral("Start!"));
    QTest::qWait(200);
    QCOMPARE(backend.calls.size(), 1);
    QVERIFY(!completed(host));
    QVERIFY(host.messagePort.shown.isEmpty());

    backend.duringCall = nullptr;
    host.run->StartRun();
    QTRY_VERIFY(completed(host));
    QCOMPARE(backend.calls.size(), 4);
    QCOMPARE(backend.calls.at(1).path, m_documents->filePath(QStringLiteral("a.xls")));
    QCOMPARE(backend.calls.at(1).position, 1);
}

void TestRun::stoppedStepEndsQuietlyAndRefusesStart()
{
    makeFolder({QStringLiteral("a.xls")});
    FakeOfficeBackend backend(ProgressWording::Calc);
    RecordingRunHost host;
    host.backends.calc = &backend;
    chooseFolder(host);
    backend.duringCall = [&] {
        if (backend.calls.size() == 1) {
            host.run->StopRun();
            host.run->StartRun();   // refused: the stopped step has not finished its document
            QVERIFY(!host.run->runInProgress());
        }
    };
    host.run->StartRun();
    QTRY_VERIFY(!host.run->stepRunning() && backend.calls.size() == 1);
    QTest::qWait(200);
    QVERIFY(!completed(host));
    QCOMPARE(backend.calls.size(), 1);
    QCOMPARE(host.caption(), QStringLiteral("Start!"));
}

void TestRun::exitDuringStepOrPauseEndsAtOnce()
{
    makeFolder({QStringLiteral("a.xls"), QStringLiteral("b.xls"), QStringLiteral("c.xls")});
    FakeOfficeBackend backend(ProgressWording::Calc);
    backend.sheetCount = 3;
    {
        RecordingRunHost host;
        host.backends.calc = &backend;
        host.formatSet.update([](FormatSet &set) { set.ApplyForAll = true; });
        chooseFolder(host);
        backend.duringCall = [&] { host.run->endAll(); };
        host.run->StartRun();
        QTRY_VERIFY(!backend.calls.isEmpty());
        QTRY_VERIFY(!host.run->stepRunning());
        host.run->shutdown();
        // The rest of the sheets and documents are left alone.
        QCOMPARE(backend.calls.size(), 1);
        QVERIFY(!completed(host));
    }
    backend.calls.clear();
    backend.sheetCount = 1;
    {
        RecordingRunHost host;
        host.backends.calc = &backend;
        chooseFolder(host);
        backend.duringCall = [&] { host.run->StartRun(); };
        host.run->StartRun();
        QTRY_COMPARE(host.caption(), QStringLiteral("Resume"));
        QElapsedTimer timer;
        timer.start();
        host.run->shutdown();
        QVERIFY(timer.elapsed() < 2000);
        QCOMPARE(backend.calls.size(), 1);
    }
}

void TestRun::unwritableLogReportedOncePerRun()
{
    makeFolder({QStringLiteral("a.xls"), QStringLiteral("b.xls"), QStringLiteral("c.xls")});
    QDir().mkpath(AppPaths::logFile());   // a folder where the log should be: it cannot be written
    FakeOfficeBackend backend(ProgressWording::Calc);
    backend.failingNames = {QStringLiteral("a.xls"), QStringLiteral("c.xls")};
    RecordingRunHost host;
    host.backends.calc = &backend;
    chooseFolder(host);
    host.run->StartRun();
    QTRY_VERIFY(completed(host));
    QCOMPARE(backend.calls.size(), 3);
    int logErrors = 0;
    for (const FakeMessagePort::Shown &shown : host.messagePort.shown) {
        if (shown.text.contains(AppPaths::logFile())) {
            ++logErrors;
            QCOMPARE(shown.icon, MessageIcon::Error);
        }
    }
    QCOMPARE(logErrors, 1);
    QVERIFY(host.shell.editorOpened.isEmpty());   // it holds none of this run's failures
}

void TestRun::concurrentRunKeepsTheOtherRunsLog()
{
    makeFolder({QStringLiteral("a.xls"), QStringLiteral("b.xls")});
    QDir().mkpath(AppPaths::AppDataFolder());
    QFile shared(AppPaths::logFile());
    QVERIFY(shared.open(QIODevice::WriteOnly));
    shared.write("the other run's failure\r\n");
    shared.close();
    QLockFile otherRun(AppPaths::logFile() + QStringLiteral(".lock"));
    QVERIFY(otherRun.tryLock(0));

    FakeOfficeBackend backend(ProgressWording::Calc);
    backend.failingNames = {QStringLiteral("b.xls")};
    RecordingRunHost host;
    host.backends.calc = &backend;
    chooseFolder(host);
    host.run->StartRun();
    QTRY_VERIFY(completed(host));
    QCOMPARE(readLog(), QStringLiteral("the other run's failure\r\n"));
    const QString own = AppPaths::AppDataFolder() + QStringLiteral("/Tablevane-")
        + QString::number(QCoreApplication::applicationPid()) + QStringLiteral(".log");
    QCOMPARE(host.shell.editorOpened, QStringList{own});
    QFile ownLog(own);
    QVERIFY(ownLog.open(QIODevice::ReadOnly));
    QCOMPARE(ownLog.readAll(), (m_documents->filePath(QStringLiteral("b.xls")) + QStringLiteral(" can`t process document\r\n")).toLocal8Bit());

    // Once the other run has ended, the next run takes the shared log again.
    otherRun.unlock();
    host.run->StartRun();
    QTRY_COMPARE(backend.calls.size(), 4);
    QTRY_VERIFY(!host.run->runInProgress());
    QVERIFY(readLog().endsWith(QStringLiteral("b.xls can`t process document\r\n")));
}

void TestRun::emptyOrZeroSheetNumberFailsEachDocument()
{
    for (const QString &sheet : {QString(), QStringLiteral("0")}) {
        makeFolder({QStringLiteral("a.xls"), QStringLiteral("b.xls")});
        FakeOfficeBackend backend(ProgressWording::Calc);
        RecordingRunHost host;
        host.backends.calc = &backend;
        host.formatSet.update([&](FormatSet &set) { set.ApplySheet = sheet; });
        chooseFolder(host);
        host.run->StartRun();
        QTRY_VERIFY(completed(host));
        QVERIFY(backend.calls.isEmpty());
        QCOMPARE(readLog().count(QStringLiteral("can`t process document")), 2);
        QCOMPARE(host.shell.editorOpened.size(), 1);
        QCOMPARE(host.trayHint, QStringLiteral("Complete 2 from 2"));
    }
}

void TestRun::refusesWhatCannotStart()
{
    FakeOfficeBackend backend(ProgressWording::Calc);
    RecordingRunHost host;
    host.backends.calc = &backend;
    host.run->StartRun();   // nothing chosen
    host.workPath = m_documents->path();   // a folder whose list came out empty
    host.run->StartRun();
    host.patternMissing = true;
    host.oneFile = true;
    host.run->StartRun();
    host.patternMissing = false;
    host.refusal = QStringLiteral("the format cannot be written");
    host.run->StartRun();
    const QStringList texts = host.messagePort.texts();
    QCOMPARE(texts.size(), 4);
    QCOMPARE(texts.at(3), host.refusal);
    QCOMPARE(texts.at(0), QStringLiteral("You need select object for processing"));
    QCOMPARE(texts.at(1), QStringLiteral("You need select object for processing"));
    QCOMPARE(texts.at(2), QStringLiteral("Selected file contains more than one sheet.\nPlease, select, which sheet must use as pattern"));
    QCOMPARE(host.messagePort.shown.at(0).icon, MessageIcon::Warning);
    QVERIFY(!host.run->runInProgress());
    QCOMPARE(host.settingsSaved, 0);
    QTest::qWait(100);
    QVERIFY(backend.calls.isEmpty());
}

void TestRun::allSheetsAndSheetNumberPerOffice_data()
{
    QTest::addColumn<int>("office");
    QTest::addColumn<bool>("allSheets");
    QTest::addColumn<QList<int>>("sheets");
    QTest::newRow("excel all") << 0 << true << QList<int>{1, 2, 3};
    QTest::newRow("calc all") << 1 << true << QList<int>{0, 1, 2};
    QTest::newRow("excel sheet 2") << 0 << false << QList<int>{2};
    QTest::newRow("calc sheet 2") << 1 << false << QList<int>{1};
}

void TestRun::allSheetsAndSheetNumberPerOffice()
{
    QFETCH(int, office);
    QFETCH(bool, allSheets);
    QFETCH(QList<int>, sheets);
    makeFolder({QStringLiteral("a.xls")});
    FakeOfficeBackend backend(office == 0 ? ProgressWording::Excel : ProgressWording::Calc);
    backend.sheetCount = 3;
    RecordingRunHost host;
    host.office = office;
    (office == 0 ? host.backends.excel : host.backends.calc) = &backend;
    host.formatSet.update([&](FormatSet &set) {
        set.ApplyForAll = allSheets;
        set.ApplySheet = QStringLiteral("2");
    });
    chooseFolder(host);
    host.run->StartRun();
    QTRY_VERIFY(completed(host));
    QList<int> received;
    for (const FakeOfficeBackend::Call &call : backend.calls)
        received.append(call.sheet);
    QCOMPARE(received, sheets);
    QCOMPARE(backend.sheetQueries.size(), allSheets ? 1 : 0);
    // The run's sheet query refills the pattern sheet list with nothing selected.
    if (allSheets)
        QCOMPARE(host.formatSet.sheetItemCount(), 3);
}

void TestRun::oneFileRunSplitsThePath()
{
    makeFolder({QStringLiteral("only.xls")});
    FakeOfficeBackend backend(ProgressWording::Calc);
    RecordingRunHost host;
    host.backends.calc = &backend;
    host.oneFile = true;
    host.workPath = m_documents->filePath(QStringLiteral("only.xls"));
    host.run->StartRun();
    QTRY_VERIFY(completed(host));
    QCOMPARE(host.run->state().WorkFolder, m_documents->path());
    QCOMPARE(host.run->state().Count, 1);
    QCOMPARE(backend.calls.size(), 1);
    QCOMPARE(backend.calls.constFirst().path, m_documents->filePath(QStringLiteral("only.xls")));
    QCOMPARE(AppPaths::joinPath(QStringLiteral("/"), QStringLiteral("x.xls")), QStringLiteral("/x.xls"));
}

void TestRun::viewLog()
{
    RecordingRunHost host;
    host.run->ViewLog();
    QCOMPARE(host.messagePort.texts(), QStringList{QStringLiteral("No file")});
    QCOMPARE(host.messagePort.shown.constFirst().icon, MessageIcon::Information);
    QDir().mkpath(AppPaths::AppDataFolder());
    QFile log(AppPaths::logFile());
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.close();
    host.run->ViewLog();
    QCOMPARE(host.shell.editorOpened, QStringList{AppPaths::logFile()});
}

QTEST_GUILESS_MAIN(TestRun)
#include "tst_run.moc"
