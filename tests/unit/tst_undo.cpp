#include "DocumentStore.h"
#include "FakeOfficeBackend.h"
#include "FolderListing.h"
#include "KeptRuns.h"
#include "RecordingRunHost.h"
#include "RunKeeper.h"
#include "RunUndo.h"
#include "UndoCommand.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every file of a folder with its bytes and time: what a user would compare.
QMap<QString, QString> contentsOf(const QString &folder)
{
    QMap<QString, QString> contents;
    const QDir dir(folder);
    for (const QFileInfo &file : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        contents.insert(file.fileName(), QString::fromLatin1(TestFiles::read(file.filePath()).toHex()) + QLatin1Char('@')
                                             + file.lastModified().toString(Qt::ISODateWithMs));
    }
    return contents;
}

// A back-end's store of a result: the document written as bytes to target.
std::optional<QString> store(const QString &document, const QString &target, const QByteArray &bytes,
                             DocumentKeeper *keeper, bool ownFormat = true)
{
    DocumentStore store(document, target, keeper);
    if (std::optional<QString> refusal = store.begin(); refusal || (refusal = store.prepareResult()))
        return refusal;
    if (!TestFiles::write(store.resultPath(), bytes))
        return QStringLiteral("no result");
    return store.place(ownFormat);
}

int undoCommand(const QStringList &arguments, QString *out = nullptr, QString *err = nullptr)
{
    QString outText;
    QString errText;
    QTextStream outStream(&outText);
    QTextStream errStream(&errText);
    const int code = UndoCommand::run(arguments, outStream, errStream);
    if (out)
        *out = outText;
    if (err)
        *err = errText;
    return code;
}

} // namespace

// "Undo last run": what a run keeps as it stores, and what an undo puts back, on real
// files with the office left out.
class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void undoGivesEveryByteBack_data();
    void undoGivesEveryByteBack();
    void changedFilesAreLeftAloneAndNamed();
    void twoRunsThenOneUndoRestoresOnlyTheSecond();
    void limitsDropTheOldest_data();
    void limitsDropTheOldest();
    void failureToKeepStoresNothing_data();
    void failureToKeepStoresNothing();
    void killedRunCanBeUndone();
    void runKeepsWhatItStoresUntilStopped();
    void keepingOffWarnsOnceAndKeepsNothing();

private:
    QString path(const QString &name) const { return m_folder->filePath(name); }
    // One run: each document stored over itself with "run N" before its bytes.
    void storeRun(const QStringList &names, const KeptRunLimits &limits = {});

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QTemporaryDir> m_data;
    int m_runs = 0;
};

void TestUndo::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data->path()));
    m_runs = 0;
}

void TestUndo::storeRun(const QStringList &names, const KeptRunLimits &limits)
{
    ++m_runs;
    // Runs one second apart, as a user starts them.
    RunKeeper keeper(limits, QDateTime::currentDateTime().addSecs(m_runs));
    for (const QString &name : names) {
        const QByteArray result = "run " + QByteArray::number(m_runs) + ' ' + TestFiles::read(path(name));
        QVERIFY(!store(path(name), path(name), result, &keeper));
    }
    keeper.finish();
}

void TestUndo::undoGivesEveryByteBack_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("ownFormat");
    QTest::addColumn<bool>("inTheWay");
    QTest::addColumn<bool>("otherDisk");   // the documents on another disk than the kept runs: copies
    QTest::addColumn<QString>("done");     // what the undo says it did
    const QString longest = QString(250, QLatin1Char('n')) + QStringLiteral(".xls");   // 254 of 255 bytes
    QTest::newRow("over itself") << "a.xls" << "a.xls" << true << false << false << "restored: ";
    QTest::newRow("over itself, kept as a copy") << "a.xls" << "a.xls" << true << false << true << "restored: ";
    QTest::newRow("over itself, the longest name") << longest << longest << true << false << false << "restored: ";
    QTest::newRow("beside it") << "a.xls" << "a.ods" << true << false << false << "moved to the trash: ";
    QTest::newRow("beside it, a file in the way")
        << "a.xls" << "a.ods" << true << true << false << "put back from the trash: ";
    QTest::newRow("another format under its name")
        << "a.xls" << "a.xls" << false << false << false << "put back from the trash: ";
}

void TestUndo::undoGivesEveryByteBack()
{
    QFETCH(QString, document);
    QFETCH(QString, target);
    QFETCH(bool, ownFormat);
    QFETCH(bool, inTheWay);
    QFETCH(bool, otherDisk);
    QFETCH(QString, done);
    if (otherDisk) {
        if (!QFileInfo(QStringLiteral("/dev/shm")).isWritable())
            QSKIP("no second disk (/dev/shm) here");
        m_folder = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/tablevane-undo-XXXXXX"));
    }
    QVERIFY(TestFiles::write(path(document), "the original"));
    QFile::setPermissions(path(document), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    if (inTheWay)
        QVERIFY(TestFiles::write(path(target), "the user's a.ods"));
    QTest::qWait(20);   // a result written now has another time than the originals
    const QMap<QString, QString> before = contentsOf(m_folder->path());
    const QFile::Permissions permissions = QFile::permissions(path(document));
    {
        RunKeeper keeper(KeptRunLimits{}, QDateTime::currentDateTime());
        QCOMPARE(store(path(document), path(target), "the result", &keeper, ownFormat), std::nullopt);
    }
    QCOMPARE(TestFiles::read(path(target)), QByteArray("the result"));

    QString out;
    QCOMPARE(undoCommand({QStringLiteral("--undo")}, &out), int(UndoCommand::AllRestored));
    QVERIFY2(out.contains(done + path(target)), qPrintable(out));
    QCOMPARE(contentsOf(m_folder->path()), before);
    QCOMPARE(QFile::permissions(path(document)), permissions);
    // Undone whole, the run is gone; nothing more to undo.
    QVERIFY(QDir(KeptRuns::folder()).isEmpty());
    QString err;
    QCOMPARE(undoCommand({QStringLiteral("--undo")}, nullptr, &err), int(UndoCommand::NothingToUndo));
    QVERIFY(err.contains(QStringLiteral("No run to undo")));
}

void TestUndo::changedFilesAreLeftAloneAndNamed()
{
    for (const QString &name : {QStringLiteral("a.xls"), QStringLiteral("b.xls"), QStringLiteral("c.xls")})
        QVERIFY(TestFiles::write(path(name), "original " + name.toLatin1()));
    {
        RunKeeper keeper(KeptRunLimits{}, QDateTime::currentDateTime());
        QVERIFY(!store(path(QStringLiteral("a.xls")), path(QStringLiteral("a.xls")), "formatted a", &keeper));
        QVERIFY(!store(path(QStringLiteral("b.xls")), path(QStringLiteral("b.xls")), "formatted b", &keeper));
        QVERIFY(!store(path(QStringLiteral("c.xls")), path(QStringLiteral("c.ods")), "c as ods", &keeper));
    }
    // The user works on b and on the new c.ods after the run.
    QVERIFY(TestFiles::write(path(QStringLiteral("b.xls")), "formatted b, then the user's work"));
    QVERIFY(TestFiles::write(path(QStringLiteral("c.ods")), "the user's work in c.ods"));

    const std::optional<KeptRuns::Run> run = KeptRuns::lastUndoable();
    QVERIFY(run);
    QCOMPARE(run->summary.documentsWritten(), 3);
    const UndoReport report = RunUndo(*run).undo();
    QCOMPARE(report.restored, QStringList{path(QStringLiteral("a.xls"))});
    QCOMPARE(TestFiles::read(path(QStringLiteral("a.xls"))), QByteArray("original a.xls"));
    QCOMPARE(TestFiles::read(path(QStringLiteral("b.xls"))), QByteArray("formatted b, then the user's work"));
    QCOMPARE(TestFiles::read(path(QStringLiteral("c.ods"))), QByteArray("the user's work in c.ods"));
    QCOMPARE(report.leftAlone.size(), 2);
    // b's original is still there for the user, and the message says where.
    QCOMPARE(TestFiles::read(report.leftAlone.first().original), QByteArray("original b.xls"));
    const QString message = report.message(QStringLiteral("today"));
    const QString leftAlone = path(QStringLiteral("b.xls")) + QStringLiteral(": changed since the run; its original is kept in ")
        + report.leftAlone.first().original;
    QVERIFY2(message.contains(leftAlone), qPrintable(message));
    QVERIFY(message.contains(path(QStringLiteral("c.ods")) + QStringLiteral(": changed since the run")));
    QVERIFY(message.contains(QStringLiteral("Documents given back their original: 1")));
    // The run counts as undone: it is not offered again.
    QVERIFY(!KeptRuns::lastUndoable());
    QCOMPARE(undoCommand({QStringLiteral("--undo")}), int(UndoCommand::NothingToUndo));
}

void TestUndo::twoRunsThenOneUndoRestoresOnlyTheSecond()
{
    QVERIFY(TestFiles::write(path(QStringLiteral("a.xls")), "original"));
    storeRun({QStringLiteral("a.xls")});
    storeRun({QStringLiteral("a.xls")});
    QCOMPARE(TestFiles::read(path(QStringLiteral("a.xls"))), QByteArray("run 2 run 1 original"));

    QString listing;
    QCOMPARE(undoCommand({QStringLiteral("--undo"), QStringLiteral("--list")}, &listing), 0);
    QCOMPARE(listing.count(QStringLiteral("1 documents")), 2);
    QCOMPARE(undoCommand({QStringLiteral("--undo")}), int(UndoCommand::AllRestored));
    QCOMPARE(TestFiles::read(path(QStringLiteral("a.xls"))), QByteArray("run 1 original"));
    QCOMPARE(undoCommand({QStringLiteral("--undo")}), int(UndoCommand::AllRestored));
    QCOMPARE(TestFiles::read(path(QStringLiteral("a.xls"))), QByteArray("original"));
    QCOMPARE(undoCommand({QStringLiteral("--undo"), QStringLiteral("--list")}), int(UndoCommand::NothingToUndo));
}

void TestUndo::limitsDropTheOldest_data()
{
    QTest::addColumn<int>("keptRuns");
    QTest::addColumn<int>("megabytes");
    QTest::addColumn<bool>("firstStillThere");   // the first run's original is a link to a file that exists
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("runsLeft");
    QTest::newRow("ten runs") << 10 << 2048 << false << 3 << 3;
    QTest::newRow("two runs") << 2 << 2048 << false << 3 << 2;
    QTest::newRow("one megabyte") << 10 << 1 << false << 2 << 1;
    QTest::newRow("one megabyte, a link costs nothing") << 10 << 1 << true << 2 << 2;
}

void TestUndo::limitsDropTheOldest()
{
    QFETCH(int, keptRuns);
    QFETCH(int, megabytes);
    QFETCH(bool, firstStillThere);
    QFETCH(int, runs);
    QFETCH(int, runsLeft);
    const KeptRunLimits limits{true, keptRuns, megabytes};
    // Runs over documents of 600 KB each: two of them pass one megabyte.
    const QStringList names{QStringLiteral("a.xls"), QStringLiteral("b.xls"), QStringLiteral("c.xls")};
    for (const QString &name : names)
        QVERIFY(TestFiles::write(path(name), QByteArray(600 * 1024, 'x')));
    if (firstStillThere) {
        // A run killed between keeping a's original and replacing it: a is still the
        // original, the kept link one more name of it.
        RunKeeper keeper(limits, QDateTime::currentDateTime().addSecs(++m_runs));
        QVERIFY(!keeper.keepOriginal(path(QStringLiteral("a.xls")), path(QStringLiteral("b.xls"))));
    } else {
        storeRun({names.first()}, limits);
    }
    const QString first = KeptRuns::list().constFirst().folder;
    for (int run = 1; run < runs; ++run)
        storeRun({names.at(run)}, limits);
    const QList<KeptRuns::Run> kept = KeptRuns::list();
    QCOMPARE(kept.size(), runsLeft);
    QCOMPARE(kept.constFirst().summary.documents.constFirst().path, path(names.at(runs - 1)));
    QCOMPARE(QFileInfo::exists(first), runsLeft == runs);
}

void TestUndo::failureToKeepStoresNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no folder for kept runs") << "a.xls" << "data file" << "original cannot be kept";
    QTest::newRow("no folder, result beside") << "a.ods" << "data file" << "cannot record its result";
    QTest::newRow("over the size limit") << "a.xls" << "limit" << "1 MB the preferences allow";
}

void TestUndo::failureToKeepStoresNothing()
{
    QFETCH(QString, target);
    QFETCH(QString, obstacle);
    QFETCH(QString, reason);
    QVERIFY(TestFiles::write(path(QStringLiteral("a.xls")), QByteArray(2 * 1024 * 1024, 'o')));
    KeptRunLimits limits;
    if (obstacle == QLatin1String("limit"))
        limits.megabytes = 1;
    else   // the data folder is a file: the runs' folder cannot be made
        QVERIFY(TestFiles::write(m_data->filePath(QStringLiteral("Tablevane")), "not a folder"));
    const QMap<QString, QString> before = contentsOf(m_folder->path());
    RunKeeper keeper(limits, QDateTime::currentDateTime());
    const std::optional<QString> failure = store(path(QStringLiteral("a.xls")), path(target), "the result", &keeper);
    QVERIFY(failure);
    QVERIFY2(failure->contains(reason), qPrintable(*failure));
    keeper.finish();
    QCOMPARE(contentsOf(m_folder->path()), before);
    QVERIFY(KeptRuns::list().isEmpty());
}

void TestUndo::killedRunCanBeUndone()
{
    for (const QString &name : {QStringLiteral("a.xls"), QStringLiteral("b.xls"), QStringLiteral("c.xls")})
        QVERIFY(TestFiles::write(path(name), "original " + name.toLatin1()));
    const QMap<QString, QString> before = contentsOf(m_folder->path());
    {
        RunKeeper keeper(KeptRunLimits{}, QDateTime::currentDateTime());
        QVERIFY(!store(path(QStringLiteral("a.xls")), path(QStringLiteral("a.xls")), "formatted a", &keeper));
        QVERIFY(!store(path(QStringLiteral("c.xls")), path(QStringLiteral("c.ods")), "c as ods", &keeper));
        // Killed between announcing b and replacing it.
        QVERIFY(TestFiles::write(path(QStringLiteral("b-result")), "formatted b"));
        QVERIFY(!keeper.keepOriginal(path(QStringLiteral("b.xls")), path(QStringLiteral("b-result"))));
        QVERIFY(QFile::remove(path(QStringLiteral("b-result"))));
    }
    // What a killed program leaves: no end of the run, a process that no longer exists,
    // a line cut short.
    const QString manifest = KeptRuns::list().constFirst().folder + QStringLiteral("/manifest.jsonl");
    QByteArray lines = TestFiles::read(manifest);
    lines.replace("\"pid\":" + QByteArray::number(QCoreApplication::applicationPid()), "\"pid\":2147483646");
    lines.replace("{\"kind\":\"ended\"}\n", "{\"kind\":\"placed\",\"pa");
    QVERIFY(TestFiles::write(manifest, lines));
    QVERIFY(!KeptRuns::list().constFirst().summary.ended);

    QString listing;
    undoCommand({QStringLiteral("--undo"), QStringLiteral("--list")}, &listing);
    QVERIFY2(listing.contains(QStringLiteral("interrupted, next to undo")), qPrintable(listing));
    QCOMPARE(undoCommand({QStringLiteral("--undo")}), int(UndoCommand::AllRestored));
    QCOMPARE(contentsOf(m_folder->path()), before);
}

void TestUndo::runKeepsWhatItStoresUntilStopped()
{
    const QStringList names{QStringLiteral("a.xls"), QStringLiteral("b.xls"), QStringLiteral("c.xls")};
    for (const QString &name : names)
        QVERIFY(TestFiles::write(path(name), "original " + name.toLatin1()));
    const QMap<QString, QString> before = contentsOf(m_folder->path());
    FakeOfficeBackend calc(ProgressWording::Calc);
    calc.storesInPlace = true;
    RecordingRunHost host;
    host.backends.calc = &calc;
    host.workPath = m_folder->path();
    host.run->state().WorkFolder = m_folder->path();
    FolderListing::ListFolderFiles(m_folder->path(), QStringLiteral("xls"), host.run->state());
    // Stop while the second document is in work: it is still stored, the third is not.
    calc.duringCall = [&] {
        if (calc.calls.size() == 2)
            host.run->StopRun();
    };
    host.run->StartRun();
    QTRY_VERIFY(!host.run->busy());
    QCOMPARE(TestFiles::read(path(QStringLiteral("b.xls"))), QByteArray("formatted original b.xls"));
    QCOMPARE(TestFiles::read(path(QStringLiteral("c.xls"))), QByteArray("original c.xls"));

    const std::optional<KeptRuns::Run> run = KeptRuns::lastUndoable();
    QVERIFY(run);
    QVERIFY(run->summary.ended);
    QCOMPARE(run->summary.documentsWritten(), 2);
    QVERIFY(RunUndo(*run).undo().complete());
    QCOMPARE(contentsOf(m_folder->path()), before);
}

void TestUndo::keepingOffWarnsOnceAndKeepsNothing()
{
    QVERIFY(TestFiles::write(path(QStringLiteral("a.xls")), "original"));
    FakeOfficeBackend calc(ProgressWording::Calc);
    calc.storesInPlace = true;
    RecordingRunHost host;
    host.limits.keepOriginals = false;
    host.backends.calc = &calc;
    host.workPath = path(QStringLiteral("a.xls"));
    host.oneFile = true;
    for (int run = 0; run < 2; ++run) {
        host.run->StartRun();
        QTRY_VERIFY(!host.run->busy());
    }
    QCOMPARE(TestFiles::read(path(QStringLiteral("a.xls"))), QByteArray("formatted formatted original"));
    QCOMPARE(host.events.filter(QStringLiteral("cannot be undone")).size(), 1);
    QVERIFY(!QFileInfo::exists(KeptRuns::folder()));
}

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
