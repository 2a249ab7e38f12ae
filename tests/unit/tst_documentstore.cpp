#include "DocumentStore.h"
#include "OfficeLockFile.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

// The store operation on real files, the office left out: what lies on disk before and
// after each way a store can go.
class TestDocumentStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void placesTheResult_data();
    void placesTheResult();
    void documentChangedDuringTheWork_data();
    void documentChangedDuringTheWork();
    void fileInTheWayStaysWhenTheTrashRefuses();
    void refusesBeforeTheOfficeOpens_data();
    void refusesBeforeTheOfficeOpens();
    void holdsTheOfficeLockWhileAtWork();
    void removesOnlyLeftoversOfEndedRuns();

private:
    QString path(const QString &name) const { return m_folder->filePath(name); }
    QStringList entries() const
    {
        return QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                               QDir::Name);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QTemporaryDir> m_data;
};

void TestDocumentStore::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data->filePath(QStringLiteral("data"))));
    QVERIFY(TestFiles::write(path(QStringLiteral("a.xls")), "the original"));
}

void TestDocumentStore::placesTheResult_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("ownFormat");
    QTest::addColumn<bool>("inTheWay");     // a file of the target's name exists
    QTest::addColumn<QString>("trashed");   // what the trash holds afterwards
    QTest::newRow("own format over itself") << "a.xls" << true << false << QString();
    QTest::newRow("another format under its name") << "a.xls" << false << false << "the original";
    QTest::newRow("beside it") << "a.ods" << true << false << QString();
    QTest::newRow("beside it, a file in the way") << "a.ods" << true << true << "the user's a.ods";
}

void TestDocumentStore::placesTheResult()
{
    QFETCH(QString, target);
    QFETCH(bool, ownFormat);
    QFETCH(bool, inTheWay);
    QFETCH(QString, trashed);
    if (inTheWay)
        QVERIFY(TestFiles::write(path(target), "the user's a.ods"));
    QFile::setPermissions(path(QStringLiteral("a.xls")), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    const QFile::Permissions permissions = QFile::permissions(path(QStringLiteral("a.xls")));
    DocumentStore store(path(QStringLiteral("a.xls")), path(target));
    QVERIFY(!store.begin());
    QVERIFY(!store.prepareResult());
    // Nothing on disk changes while the result is being written.
    QVERIFY(TestFiles::write(store.resultPath(), "the result"));
    QCOMPARE(TestFiles::read(path(QStringLiteral("a.xls"))), QByteArray("the original"));
    QVERIFY(!store.place(ownFormat));

    QCOMPARE(TestFiles::read(path(target)), QByteArray("the result"));
    if (target != QLatin1String("a.xls"))
        QCOMPARE(TestFiles::read(path(QStringLiteral("a.xls"))), QByteArray("the original"));
    else if (ownFormat)   // replaced with the document's own permissions
        QCOMPARE(QFile::permissions(path(target)), permissions);
    QCOMPARE(store.trashed().size(), trashed.isEmpty() ? 0 : 1);
    if (!trashed.isEmpty()) {
        QCOMPARE(store.trashed().first().path, path(target));
        QCOMPARE(TestFiles::read(store.trashed().first().where), trashed.toUtf8());
    }
}

void TestDocumentStore::documentChangedDuringTheWork_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("rewritten") << "rewritten";
    QTest::newRow("replaced by another file") << "replaced";
    QTest::newRow("removed") << "removed";
}

void TestDocumentStore::documentChangedDuringTheWork()
{
    QFETCH(QString, change);
    const QString document = path(QStringLiteral("a.xls"));
    DocumentStore store(document, document);
    QVERIFY(!store.begin());
    QVERIFY(!store.prepareResult());
    QVERIFY(TestFiles::write(store.resultPath(), "the result"));
    if (change == QLatin1String("rewritten")) {
        QVERIFY(TestFiles::write(document, "the user's newer work"));
    } else if (change == QLatin1String("replaced")) {
        QVERIFY(TestFiles::write(path(QStringLiteral("new")), "the user's newer work"));
        QVERIFY(QFile::remove(document));
        QVERIFY(QFile::rename(path(QStringLiteral("new")), document));
    } else {
        QVERIFY(QFile::remove(document));
    }
    const std::optional<QString> failure = store.place(true);
    QVERIFY(failure);
    QVERIFY(failure->contains(QStringLiteral("changed on disk")));
    QCOMPARE(TestFiles::read(document), change == QLatin1String("removed") ? QByteArray("(missing)")
                                                                    : QByteArray("the user's newer work"));
    QVERIFY(store.trashed().isEmpty());
}

void TestDocumentStore::fileInTheWayStaysWhenTheTrashRefuses()
{
    // A data folder that is a file: the trash cannot be made.
    QVERIFY(TestFiles::write(m_data->filePath(QStringLiteral("data")), "not a folder"));
    QVERIFY(TestFiles::write(path(QStringLiteral("a.ods")), "the user's a.ods"));
    DocumentStore store(path(QStringLiteral("a.xls")), path(QStringLiteral("a.ods")));
    QVERIFY(!store.begin());
    QVERIFY(!store.prepareResult());
    QVERIFY(TestFiles::write(store.resultPath(), "the result"));
    const std::optional<QString> failure = store.place(true);
    QVERIFY(failure);
    QVERIFY2(failure->contains(QStringLiteral("trash")), qPrintable(*failure));
    QCOMPARE(TestFiles::read(path(QStringLiteral("a.ods"))), QByteArray("the user's a.ods"));
    QCOMPARE(TestFiles::read(path(QStringLiteral("a.xls"))), QByteArray("the original"));
    QCOMPARE(entries(), (QStringList{QStringLiteral(".~lock.a.xls#"), QStringLiteral("a.ods"), QStringLiteral("a.xls")}));
}

void TestDocumentStore::refusesBeforeTheOfficeOpens_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty file") << "empty.xls" << "empty.xls" << "the file is empty (0 bytes)";
    QTest::newRow("dangling link") << "dangling.xls" << "dangling.xls" << "a link to a file that does not exist";
    QTest::newRow("looping link") << "loop.xls" << "loop.xls" << "a link to a file that does not exist";
    QTest::newRow("missing") << "gone.xls" << "gone.ods" << "the file does not exist";
    QTest::newRow("read-only, stored over") << "ro.xls" << "ro.xls" << "the document is read-only";
    QTest::newRow("open elsewhere, stored over") << "a.xls" << "a.xls" << "open in another program";
    QTest::newRow("a folder in the way") << "a.xls" << "folder.ods" << "a folder of its result's name is in the way";
    QTest::newRow("open in Excel, stored over") << "b.xls" << "b.xls" << "open in Excel (owner file ~$b.xls)";
}

void TestDocumentStore::refusesBeforeTheOfficeOpens()
{
    QFETCH(QString, document);
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QVERIFY(TestFiles::write(path(QStringLiteral("empty.xls")), QByteArray()));
    QFile::link(path(QStringLiteral("nowhere.xls")), path(QStringLiteral("dangling.xls")));
    QFile::link(path(QStringLiteral("loop.xls")), path(QStringLiteral("loop.xls")));
    QVERIFY(TestFiles::write(path(QStringLiteral("ro.xls")), "read only"));
    QFile::setPermissions(path(QStringLiteral("ro.xls")), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QVERIFY(TestFiles::write(path(QStringLiteral(".~lock.a.xls#")), ",someone,host,01.01.2026 10:00,;"));
    QVERIFY(TestFiles::write(path(QStringLiteral("b.xls")), "open in Excel"));
    QVERIFY(TestFiles::write(path(QStringLiteral("~$b.xls")), "someone"));
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("folder.ods")));
    const QStringList before = entries();
    {
        DocumentStore store(path(document), path(target));
        const std::optional<QString> refusal = store.begin();
        QVERIFY(refusal);
        QVERIFY2(refusal->contains(reason), qPrintable(*refusal));
    }
    QCOMPARE(entries(), before);
    QCOMPARE(TestFiles::read(path(QStringLiteral(".~lock.a.xls#"))), QByteArray(",someone,host,01.01.2026 10:00,;"));

    // Read only, to be stored under another name: allowed.
    DocumentStore copy(path(QStringLiteral("ro.xls")), path(QStringLiteral("ro.ods")));
    QVERIFY(!copy.begin());
}

void TestDocumentStore::holdsTheOfficeLockWhileAtWork()
{
    const QString lock = path(QStringLiteral(".~lock.a.xls#"));
    {
        DocumentStore store(path(QStringLiteral("a.xls")), path(QStringLiteral("a.xls")));
        QVERIFY(!store.begin());
        QVERIFY(TestFiles::read(lock).startsWith("Tablevane (process "));
        // A second run on the same document sees it busy.
        DocumentStore second(path(QStringLiteral("a.xls")), path(QStringLiteral("a.xls")));
        QVERIFY(second.begin());
        QVERIFY(QFileInfo::exists(lock));
    }
    QVERIFY(!QFileInfo::exists(lock));

    // A lock left by a run of this program that was killed is taken over.
    QVERIFY(TestFiles::write(lock, "Tablevane (process 2147483646),user," + QSysInfo::machineHostName().toUtf8()
                                + ",01.01.2026 10:00,;"));
    DocumentStore store(path(QStringLiteral("a.xls")), path(QStringLiteral("a.xls")));
    QVERIFY(!store.begin());
}

void TestDocumentStore::removesOnlyLeftoversOfEndedRuns()
{
    const QString host = QSysInfo::machineHostName();
    QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral(".~tablevane-2147483646-1a2b/sub")));
    QVERIFY(TestFiles::write(path(QStringLiteral(".~tablevane-2147483646-1a2b/lu2147483640x.tmp")), "half"));
    const QString live = QStringLiteral(".~tablevane-%1-3c4d").arg(QCoreApplication::applicationPid());
    QVERIFY(QDir(m_folder->path()).mkdir(live));
    QVERIFY(TestFiles::write(path(QStringLiteral(".~lock.a.xls#")),
                      "Tablevane (process 2147483646),u," + host.toUtf8() + ",01.01.2026 10:00,;"));
    QVERIFY(TestFiles::write(path(QStringLiteral(".~lock.b.xls#")), "Tablevane (process 2147483646),u,elsewhere,x,;"));
    QVERIFY(TestFiles::write(path(QStringLiteral(".~lock.c.xls#")), ",someone," + host.toUtf8() + ",x,;"));
    QVERIFY(TestFiles::write(path(QStringLiteral(".~tablevane-notes.txt")), "a user's file"));

    QCOMPARE(DocumentStore::removeLeftovers(m_folder->path()), 2);
    QCOMPARE(entries(), (QStringList{QStringLiteral(".~lock.b.xls#"), QStringLiteral(".~lock.c.xls#"), live,
                                     QStringLiteral(".~tablevane-notes.txt"), QStringLiteral("a.xls")}));
}

QTEST_GUILESS_MAIN(TestDocumentStore)
#include "tst_documentstore.moc"
