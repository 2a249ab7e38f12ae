#include "CalcDesktop.h"
#include "CalcOffice.h"
#include "FormatDocumentCalc.h"
#include "FormatJob.h"
#include "OfficeAllocator.h"
#include "OfficeDocuments.h"
#include "OfficeInstanceDir.h"
#include "RecordingBackendHost.h"
#include "UnoOffice.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>
#include <optional>

#include <signal.h>
#include <unistd.h>

namespace {

// The office of the test, with a fault done to its process once, right after the next
// operation got its desktop.
class FaultyOffice : public CalcOffice
{
public:
    explicit FaultyOffice(UnoOffice &office)
        : m_office(office)
    {
    }
    std::unique_ptr<CalcDesktop> createDesktop() override
    {
        std::unique_ptr<CalcDesktop> desktop = m_office.createDesktop();
        if (const int signal = std::exchange(nextSignal, 0))
            ::kill(pid_t(m_office.processId()), signal);
        return desktop;
    }
    int nextSignal = 0;

private:
    UnoOffice &m_office;
};

// An environment variable set (or, with no value, removed) for one scope.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const std::optional<QByteArray> &value)
        : m_name(name)
        , m_saved(qgetenv(name))
    {
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    ~ScopedVariable() { m_saved.isNull() ? qunsetenv(m_name) : qputenv(m_name, m_saved); }

private:
    const char *m_name;
    QByteArray m_saved;
};

bool processExists(qint64 pid)
{
    return pid > 0 && QFile::exists(QStringLiteral("/proc/%1").arg(pid));
}

// Every process whose command line names the folder (an office of that instance).
QList<qint64> processesUsing(const QString &folder)
{
    QList<qint64> found;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (isPid && cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(folder.toUtf8()))
            found.append(pid);
    }
    return found;
}

QStringList recordedPipes(const UnoOffice &office)
{
    QFile file(office.instanceFolder() + QStringLiteral("/pipes"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool waitUntilGone(qint64 pid, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (processExists(pid) && timer.elapsed() < milliseconds)
        QThread::msleep(20);
    return !processExists(pid);
}

FormatJob job()
{
    FormatJob job;
    job.saveAs.Office = 1;
    job.saveAs.Extension = 0;
    job.saveAs.SaveAs = 7;
    job.saveAs.calcFilter = CalcFilter{QStringLiteral("MS Excel 97/2000/XP"), QString(), QStringLiteral(".xls")};
    return job;
}

// Run as a separate program by one test: start an office, report its process, wait to
// be killed.
int officeChild(const QString &base)
{
    UnoOffice::Options options;
    options.instanceBase = base;
    UnoOffice office(options);
    if (!office.calcStartTest())
        return 1;
    QTextStream(stdout) << office.processId() << Qt::endl;
    QThread::sleep(60);
    return 0;
}

} // namespace

class TestOfficeProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startTestKeepsOneOfficeForAllOperations();
    void killedOfficeFailsTheOperationAndTheNextStartsAFreshOne();
    void hungOfficeIsEndedByTheWatchdog();
    void busyOfficeIsNotEnded();
    void twoProgramsRunTwoOffices();
    void destroyedOfficeLeavesNothing();
    void officeDiesWithItsProgram();
    void freshProfilesAfterTheFirstStartOnce();
    void missingOfficeFailsCleanly();
    void fallbackFolderIsPrivate();
    void allocatorChoice_data();
    void allocatorChoice();
    void officeThatCannotRunWithTheAllocatorRunsWithout();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void format(CalcOffice &office, RecordingBackendHost &host);

    QTemporaryDir m_dir;
    std::unique_ptr<UnoOffice> m_office;
};

void TestOfficeProcess::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("tablevane.calc.warning=false"));
    QVERIFY(m_dir.isValid());
    UnoOffice::Options options;
    options.instanceBase = path(QStringLiteral("instances"));
    m_office = std::make_unique<UnoOffice>(options);
    TABLEVANE_REQUIRE_OFFICE(*m_office);
    OfficeDocuments::make(*m_office, path(QStringLiteral("doc.xls")), {OfficeDocuments::table(QStringLiteral("Data"), 5)},
                          QStringLiteral("MS Excel 97"));
}

void TestOfficeProcess::format(CalcOffice &office, RecordingBackendHost &host)
{
    FormatDocumentCalc(office, path(QStringLiteral("doc.xls")), 0, 1, 1, job(), host);
}

void TestOfficeProcess::startTestKeepsOneOfficeForAllOperations()
{
    QVERIFY(m_office->calcStartTest());
    const qint64 pid = m_office->processId();
    QVERIFY(processExists(pid));
    const int starts = m_office->officeStarts();
    RecordingBackendHost host;
    format(*m_office, host);
    format(*m_office, host);
    QVERIFY(!host.problemLogged);
    QCOMPARE(m_office->processId(), pid);
    QCOMPARE(m_office->officeStarts(), starts);
    // The office runs with the allocator chosen for it.
    const QString allocator = OfficeAllocator::library();
    if (!allocator.isEmpty()) {
        QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(maps.readAll().contains(QFileInfo(allocator).canonicalFilePath().toUtf8()), qPrintable(allocator));
    }
}

void TestOfficeProcess::killedOfficeFailsTheOperationAndTheNextStartsAFreshOne()
{
    QVERIFY(m_office->calcStartTest());
    const qint64 killed = m_office->processId();
    const QStringList pipes = recordedPipes(*m_office);
    QCOMPARE(pipes.size(), 2);   // the accepting pipe and the office's own
    FaultyOffice faulty(*m_office);
    faulty.nextSignal = SIGKILL;
    RecordingBackendHost failing;
    format(faulty, failing);
    QVERIFY(failing.problemLogged);
    QCOMPARE(failing.logLines.size(), 1);

    RecordingBackendHost next;
    format(faulty, next);
    QVERIFY(!next.problemLogged);
    QVERIFY(m_office->processId() != killed);
    QVERIFY(!processExists(killed));
    for (const QString &pipe : pipes)
        QVERIFY2(!QFile::exists(pipe), qPrintable(pipe));
}

void TestOfficeProcess::hungOfficeIsEndedByTheWatchdog()
{
    QVERIFY(m_office->calcStartTest());
    const qint64 stopped = m_office->processId();
    const int kills = m_office->watchdogKills();
    m_office->setWatchdogLimits(std::chrono::milliseconds(1500), std::chrono::minutes(30), std::chrono::milliseconds(100));
    FaultyOffice faulty(*m_office);
    faulty.nextSignal = SIGSTOP;
    RecordingBackendHost failing;
    QElapsedTimer timer;
    timer.start();
    format(faulty, failing);
    const qint64 elapsed = timer.elapsed();
    m_office->setWatchdogLimits(std::chrono::seconds(60), std::chrono::minutes(30), std::chrono::seconds(1));
    QVERIFY(failing.problemLogged);
    QVERIFY2(elapsed >= 1400 && elapsed < 10000, qPrintable(QString::number(elapsed)));
    QCOMPARE(m_office->watchdogKills(), kills + 1);

    RecordingBackendHost next;
    format(faulty, next);
    QVERIFY(!next.problemLogged);
    QVERIFY(m_office->processId() != stopped);
    QVERIFY(waitUntilGone(stopped, 2000));
}

void TestOfficeProcess::busyOfficeIsNotEnded()
{
    // A document whose formatting and store keep the office busy far longer than the
    // no-progress limit: the office works all the time, so it is left to finish.
    const QString big = path(QStringLiteral("big.xls"));
    OfficeDocuments::make(*m_office, big, {OfficeDocuments::table(QStringLiteral("Data"), 30000)},
                          QStringLiteral("MS Excel 97"));
    const int kills = m_office->watchdogKills();
    m_office->setWatchdogLimits(std::chrono::milliseconds(300), std::chrono::minutes(30), std::chrono::milliseconds(50));
    FormatJob busy = job();
    busy.set.InterLeave = 1;
    busy.set.WordWrap = true;
    busy.saveAs.SaveAs = 3;
    busy.saveAs.calcFilter = CalcFilter{QStringLiteral("calc8"), QString(), QStringLiteral(".ods")};
    RecordingBackendHost host;
    QElapsedTimer timer;
    timer.start();
    FormatDocumentCalc(*m_office, big, 0, 1, 1, busy, host);
    const qint64 elapsed = timer.elapsed();
    m_office->setWatchdogLimits(std::chrono::seconds(60), std::chrono::minutes(30), std::chrono::seconds(1));
    QVERIFY2(elapsed > 600, qPrintable(QString::number(elapsed)));   // well past the limit
    QVERIFY(!host.problemLogged);
    QCOMPARE(m_office->watchdogKills(), kills);
}

void TestOfficeProcess::twoProgramsRunTwoOffices()
{
    QVERIFY(m_office->calcStartTest());
    UnoOffice::Options options;
    options.instanceBase = path(QStringLiteral("instances"));
    auto second = std::make_unique<UnoOffice>(options);
    QVERIFY(second->calcStartTest());
    QVERIFY(second->processId() != m_office->processId());
    QVERIFY(second->instanceFolder() != m_office->instanceFolder());
    const QStringList ours = recordedPipes(*m_office);
    for (const QString &pipe : recordedPipes(*second))
        QVERIFY(!ours.contains(pipe));

    const qint64 first = m_office->processId();
    second.reset();   // ending one office leaves the other at work
    RecordingBackendHost host;
    format(*m_office, host);
    QVERIFY(!host.problemLogged);
    QCOMPARE(m_office->processId(), first);
}

void TestOfficeProcess::destroyedOfficeLeavesNothing()
{
    UnoOffice::Options options;
    options.instanceBase = path(QStringLiteral("instances"));
    auto office = std::make_unique<UnoOffice>(options);
    QVERIFY(office->calcStartTest());
    const qint64 pid = office->processId();
    const QString folder = office->instanceFolder();
    const QStringList pipes = recordedPipes(*office);
    QVERIFY(!pipes.isEmpty());
    QVERIFY(!processesUsing(folder).isEmpty());

    office.reset();
    QVERIFY(!processExists(pid));
    QVERIFY(processesUsing(folder).isEmpty());
    QVERIFY(!QFile::exists(folder));   // profile, its lock and the office's temporary files
    for (const QString &pipe : pipes)
        QVERIFY2(!QFile::exists(pipe), qPrintable(pipe));
}

void TestOfficeProcess::officeDiesWithItsProgram()
{
    const QString base = path(QStringLiteral("orphans"));
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--office-child"), base});
    QVERIFY(child.waitForReadyRead(60000));
    const qint64 office = child.readLine().trimmed().toLongLong();
    QVERIFY(processExists(office));
    child.kill();   // the program dies without ending its office
    child.waitForFinished();
    QVERIFY2(waitUntilGone(office, 5000), "the office outlived its program");

    // The next program clears what the dead one left behind.
    const QStringList instances = {QStringLiteral("office-*")};
    QCOMPARE(QDir(base).entryList(instances, QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    UnoOffice::Options options;
    options.instanceBase = base;
    UnoOffice next(options);
    QVERIFY(next.calcStartTest());
    QCOMPARE(QDir(base).entryList(instances, QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({QDir(next.instanceFolder()).dirName()}));
}

void TestOfficeProcess::freshProfilesAfterTheFirstStartOnce()
{
    // An office on a new profile asks to be started again after setting it up; the
    // parts it set up are kept, so the next program's office starts once.
    const QString base = path(QStringLiteral("prepared"));
    UnoOffice::Options options;
    options.instanceBase = base;
    auto first = std::make_unique<UnoOffice>(options);
    QVERIFY(first->calcStartTest());
    first.reset();
    UnoOffice next(options);
    QVERIFY(next.calcStartTest());
    QCOMPARE(next.restartRequests(), 0);
    RecordingBackendHost host;
    format(next, host);
    QVERIFY(!host.problemLogged);
    // A broken kept copy costs a second start again, nothing more.
    for (const QString &dir : QDir(base).entryList({QStringLiteral("prepared-profile-*")}, QDir::Dirs))
        QDir(base + QLatin1Char('/') + dir + QStringLiteral("/user/extensions")).removeRecursively();
    UnoOffice broken(options);
    QVERIFY(broken.calcStartTest());
}

void TestOfficeProcess::missingOfficeFailsCleanly()
{
    UnoOffice::Options options;
    options.soffice = path(QStringLiteral("no/such/soffice"));
    UnoOffice missing(options);
    QVERIFY(!missing.available());
    QVERIFY(!missing.calcStartTest());
    RecordingBackendHost host;
    format(missing, host);
    QVERIFY(host.problemLogged);
    QCOMPARE(host.progress.size(), 1);
}

void TestOfficeProcess::fallbackFolderIsPrivate()
{
    const QString root = path(QStringLiteral("fallback"));
    QVERIFY(QDir().mkpath(root));
    const QString preferred = root + QStringLiteral("/Tablevane-") + QString::number(::geteuid());
    QCOMPARE(OfficeInstanceDir::fallbackBase(root), preferred);   // made, private
    QCOMPARE(QFileInfo(preferred).permissions() & (QFile::WriteGroup | QFile::WriteOther), QFile::Permissions());
    QCOMPARE(OfficeInstanceDir::fallbackBase(root), preferred);   // found again

    // Planted by someone else: open to all, a link, another owner.
    auto planted = [&](const std::function<void()> &plant) {
        QDir(preferred).removeRecursively();
        QFile::remove(preferred);
        plant();
        const QString chosen = OfficeInstanceDir::fallbackBase(root);
        QVERIFY(!chosen.isEmpty());
        QVERIFY(chosen != preferred);
        QVERIFY(QFileInfo(chosen).isDir() && !QFileInfo(chosen).isSymLink());
        QCOMPARE(QFileInfo(chosen).ownerId(), uint(::geteuid()));
        QDir(chosen).removeRecursively();
    };
    planted([&] { QDir().mkpath(preferred); QFile::setPermissions(preferred, QFile::Permissions(0x7777)); });
    planted([&] { QDir().mkpath(root + QStringLiteral("/elsewhere"));
                  QFile::link(root + QStringLiteral("/elsewhere"), preferred); });
    if (::geteuid() == 0)
        planted([&] { QDir().mkpath(preferred); QVERIFY(::chown(QFile::encodeName(preferred).constData(), 65534, 65534) == 0); });
}

void TestOfficeProcess::allocatorChoice_data()
{
    QTest::addColumn<QString>("choice");   // "-": the variable is unset
    QTest::addColumn<QString>("inherited");
    QTest::addColumn<QString>("library");   // "*": one of the known libraries, where installed
    QTest::addColumn<QString>("entry");
    const QString file = path(QStringLiteral("liballoc.so"));
    QTest::newRow("system") << "system" << "" << "" << "";
    QTest::newRow("empty") << "" << "libother.so" << "" << "";
    QTest::newRow("named") << file << "" << file << "LD_PRELOAD=" + file;
    QTest::newRow("named, kept preload") << file << "libother.so" << file << "LD_PRELOAD=" + file + " libother.so";
    QTest::newRow("named, missing") << path(QStringLiteral("nothing.so")) << "" << "" << "";
    QTest::newRow("named, relative") << "liballoc.so" << "" << "" << "";
    QTest::newRow("unset") << "-" << "" << "*" << "*";
}

void TestOfficeProcess::allocatorChoice()
{
    QFETCH(QString, choice);
    QFETCH(QString, inherited);
    QFETCH(QString, library);
    QFETCH(QString, entry);
    QFile lib(path(QStringLiteral("liballoc.so")));
    QVERIFY(lib.open(QIODevice::WriteOnly));
    lib.close();
    const ScopedVariable choiceVariable(OfficeAllocator::ChoiceVariable,
                                        choice == QLatin1String("-") ? std::nullopt
                                                                     : std::optional(choice.toLocal8Bit()));
    const ScopedVariable preloadVariable("LD_PRELOAD", inherited.toLocal8Bit());
    const QString chosen = OfficeAllocator::library();
    const QString preload = OfficeAllocator::preloadEntry();
    if (library == QLatin1String("*")) {
        // Unset: a known library from a system folder, or none where none is installed.
        QVERIFY(chosen.isEmpty() || OfficeAllocator::knownLibraries().contains(QFileInfo(chosen).fileName()));
        QCOMPARE(preload, chosen.isEmpty() ? QString() : QStringLiteral("LD_PRELOAD=") + chosen);
        return;
    }
    QCOMPARE(chosen, library);
    QCOMPARE(preload, entry);
}

void TestOfficeProcess::officeThatCannotRunWithTheAllocatorRunsWithout()
{
    const ScopedVariable choice(OfficeAllocator::ChoiceVariable, QByteArray(TABLEVANE_ENDING_PRELOAD));
    UnoOffice::Options options;
    options.instanceBase = path(QStringLiteral("allocator"));
    UnoOffice office(options);
    QVERIFY(office.calcStartTest());
    RecordingBackendHost host;
    format(office, host);
    QVERIFY(!host.problemLogged);
    QCOMPARE(office.officeStarts(), 1);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--office-child") == 0)
        return officeChild(QString::fromLocal8Bit(argv[2]));
    TestOfficeProcess test;
QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_officeprocess.moc"
