#include "UnoOffice.h"

#include "CalcError.h"
#include "CalcLog.h"
#include "CalcStartTest.h"
#include "OfficeAllocator.h"
#include "OfficeInstallation.h"
#include "OfficeInstanceDir.h"
#include "OfficeProcess.h"
#include "OfficeSupervisor.h"
#include "UnoBridge.h"
#include "UnoDesktop.h"
#include "UnoValues.h"

#include <QFile>
#include <QRandomGenerator>
#include <QUrl>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XContainerQuery.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/XMultiComponentFactory.hpp>

#include <mutex>
#include <optional>
#include <thread>

#include <signal.h>
#include <unistd.h>

using namespace css;

namespace {

// soffice asks to be started again after it has set up a fresh profile.
constexpr int RestartRequested = 81;
constexpr int MaxRestarts = 3;
// A prepared office answers about 70 ms after it was started; a failed attempt to
// connect costs well under a millisecond, so a short interval starts the first document sooner.
constexpr auto PollInterval = std::chrono::milliseconds(5);
constexpr auto ShutdownLimit = std::chrono::seconds(10);
constexpr auto ExitWait = std::chrono::seconds(5);

} // namespace

struct UnoOffice::Impl : std::enable_shared_from_this<UnoOffice::Impl>
{
    explicit Impl(const Options &o)
        : options(o)
    {
    }
    ~Impl() { teardown(true); }

    void findInstallation();
    void ensureRunning();
    void start();
    void spawn(const QStringList &arguments, const QStringList &environment);
    void teardown(bool polite);
    void endPolitely();
    void killOffice();
    bool officeRunning();
    void beginOperation();
    void endOperation();
    void armWatch(unsigned generation);
    void checkProgress(unsigned generation);
    std::optional<long long> officeCpuTicks();

    // Ends its operation's watchdog when the operation drops its desktop.
    // Not copyable: a copy would end the operation twice.
    struct Lease
    {
        explicit Lease(std::weak_ptr<Impl> of)
            : office(std::move(of))
        {
        }
        Lease(const Lease &) = delete;
        Lease &operator=(const Lease &) = delete;
        std::weak_ptr<Impl> office;
        ~Lease()
        {
            if (const auto impl = office.lock())
                impl->endOperation();
        }
    };

    Options options;
    bool searched = false;
    std::optional<OfficeInstallation> installation;
    // The supervisor is made first and ends last: the office dies with its thread.
    OfficeSupervisor supervisor;
    std::unique_ptr<OfficeInstanceDir> instanceDir;
    mutable std::mutex processMutex;
    std::unique_ptr<OfficeProcess> process;
    std::unique_ptr<UnoBridge> bridge;
    int activeOperations = 0;
    // The watchdog of the operations under way; changed by the operation's thread and
    // the supervisor's, always under watchMutex.
    std::mutex watchMutex;
    unsigned watchGeneration = 0;
    OfficeSupervisor::Clock::time_point watchStarted;
    OfficeSupervisor::Clock::time_point lastProgress;
    std::optional<long long> lastCpuTicks;
    int starts = 0;
    int restartRequests = 0;
    bool allocatorRefused = false;   // the office ended at start with the preloaded allocator
    std::atomic<int> kills{0};
    unsigned pipes = 0;
};


void UnoOffice::Impl::findInstallation()
{
    if (searched)
        return;
    searched = true;
    installation = options.soffice.isEmpty() ? OfficeInstallation::find()
                                             : OfficeInstallation::fromSoffice(options.soffice);
}

bool UnoOffice::Impl::officeRunning()
{
    std::lock_guard lock(processMutex);
    return process && process->running();
}

void UnoOffice::Impl::ensureRunning()
{
    if (officeRunning() && bridge && bridge->connected())
        return;
    teardown(false);
    start();
}

void UnoOffice::Impl::spawn(const QStringList &arguments, const QStringList &environment)
{
    auto next = std::make_unique<OfficeProcess>();
    bool started = false;
    supervisor.run([&] { started = next->start(installation->binary, arguments, environment); });
    if (!started)
        throw CalcError(QStringLiteral("the office could not be started: ") + installation->binary);
    std::lock_guard lock(processMutex);
    process = std::move(next);
}

void UnoOffice::Impl::start()
{
    findInstallation();
    if (!installation)
        throw CalcError(QStringLiteral("no LibreOffice is installed"));
    if (!instanceDir)
        instanceDir = std::make_unique<OfficeInstanceDir>(options.instanceBase);
    if (!instanceDir->isValid() && options.instanceBase.isEmpty()) {   // no writable cache folder
        const QString fallback = OfficeInstanceDir::fallbackBase();
        if (!fallback.isEmpty())
            instanceDir = std::make_unique<OfficeInstanceDir>(fallback);
    }
    if (!instanceDir->isValid())
        throw CalcError(QStringLiteral("the office's private folder cannot be made"));

    const QString profile = instanceDir->newProfile(installation->version);
    // Unique to this program instance and this start: two offices never share a pipe.
    const QString pipe = QStringLiteral("tablevane-%1-%2-%3")
                             .arg(::getpid())
                             .arg(++pipes)
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    const QStringList arguments = {
        QStringLiteral("--headless"), QStringLiteral("--invisible"), QStringLiteral("--nologo"),
        QStringLiteral("--norestore"), QStringLiteral("--nodefault"),
        QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(QUrl::FullyEncoded),
        QStringLiteral("--accept=pipe,name=") + pipe + QStringLiteral(";urp;")};
    // Its temporary files go to the private folder; the program's own UNO setting is not
    // the office's business.
    QStringList environment = {QStringLiteral("TMPDIR=") + instanceDir->tempDir(),
                               QStringLiteral("SAL_ENABLE_FILE_LOCKING=1"),
                               QStringLiteral("URE_BOOTSTRAP")};
    const QString preload = allocatorRefused ? QString() : OfficeAllocator::preloadEntry();
    if (!preload.isEmpty())
        environment.append(preload);

    const auto deadline = OfficeSupervisor::Clock::now() + options.startTimeout;
    bridge = std::make_unique<UnoBridge>();
    spawn(arguments, environment);
    int restarts = 0;
    while (!bridge->connect(pipe)) {
        if (!officeRunning()) {
            const std::optional<int> code = process->exitCode();
            if (code == RestartRequested && restarts++ < MaxRestarts) {
                ++restartRequests;
                instanceDir->keepPreparedParts(profile, installation->version);
                spawn(arguments, environment);
                continue;
            }
            // An allocator the office cannot run with must not keep it from running.
            if (!preload.isEmpty() && !allocatorRefused) {
                allocatorRefused = true;
                qCWarning(lcCalc) << "the office ended while starting with" << preload
                                  << "(exit code" << (code ? *code : -1) << "); it runs without it";
                environment.removeLast();
                spawn(arguments, environment);
                continue;
            }
            throw CalcError(QStringLiteral("the office ended while starting (exit code %1)")
                                .arg(code ? QString::number(*code) : QStringLiteral("none")));
        }
        if (OfficeSupervisor::Clock::now() >= deadline) {
            killOffice();
            throw CalcError(QStringLiteral("the office did not answer in time"));
        }
        std::this_thread::sleep_for(PollInterval);
    }
    ++starts;
    std::lock_guard lock(processMutex);
    instanceDir->recordPipes(process->listeningPipes());
}

void UnoOffice::Impl::endPolitely()
{
    // terminate() itself may hang in an office that no longer answers.
    supervisor.arm(OfficeSupervisor::Clock::now() + ShutdownLimit, [this] { killOffice(); });
    try {
        frame::Desktop::create(bridge->remoteContext())->terminate();
    } catch (const uno::Exception &) {
        // The office went away while answering; it has ended either way.
    }
    supervisor.disarm();
}

void UnoOffice::Impl::teardown(bool polite)
{
    if (polite && officeRunning() && bridge && bridge->connected())
        endPolitely();
    std::unique_ptr<OfficeProcess> ending;
    {
        std::lock_guard lock(processMutex);
        ending = std::move(process);
    }
    if (ending && !ending->waitForExit(polite ? std::chrono::milliseconds(ExitWait) : std::chrono::milliseconds(0))) {
        ending->kill();
        ending->waitForExit(ExitWait);
    }
    if (bridge) {
        bridge->dispose();
        bridge.reset();
    }
    // A killed office leaves its pipe files.
    if (instanceDir)
        instanceDir->removeRecordedPipes();
}

void UnoOffice::Impl::killOffice()
{
    std::lock_guard lock(processMutex);
    if (process && process->running()) {
        qCWarning(lcCalc) << "ending the office that no longer answers, process" << process->pid();
        process->kill();
        ++kills;
    }
}

void UnoOffice::Impl::beginOperation()
{
    // Every operation watches afresh, also one that starts while an earlier one still
    // holds its desktop.
    ++activeOperations;
    std::lock_guard lock(watchMutex);
    const unsigned generation = ++watchGeneration;
    watchStarted = lastProgress = OfficeSupervisor::Clock::now();
    lastCpuTicks.reset();   // the office may not run yet
    armWatch(generation);
}

void UnoOffice::Impl::endOperation()
{
    if (--activeOperations > 0)
        return;
    std::lock_guard lock(watchMutex);
    ++watchGeneration;   // a check already under way arms nothing more
    supervisor.disarm();
}

void UnoOffice::Impl::armWatch(unsigned generation)
{
    std::weak_ptr<Impl> self = weak_from_this();
    supervisor.arm(OfficeSupervisor::Clock::now() + options.checkInterval, [self, generation] {
        if (const auto impl = self.lock())
            impl->checkProgress(generation);
    });
}

void UnoOffice::Impl::checkProgress(unsigned generation)
{
    const std::optional<long long> ticks = officeCpuTicks();
    std::unique_lock lock(watchMutex);
    if (generation != watchGeneration)
        return;   // the operation ended meanwhile
    const auto now = OfficeSupervisor::Clock::now();
    // No office process (not started yet, or just died) is no hang of the office.
    if (!ticks || ticks != lastCpuTicks) {
        lastCpuTicks = ticks;
        lastProgress = now;
    }
    const bool stalled = now - lastProgress >= options.noProgressLimit;
    const bool tooLong = now - watchStarted >= options.totalLimit;
    if (!stalled && !tooLong) {
        armWatch(generation);
        return;
    }
    lock.unlock();
    qCWarning(lcCalc) << (stalled ? "the office made no progress" : "the operation took too long");
    killOffice();
}

std::optional<long long> UnoOffice::Impl::officeCpuTicks()
{
    qint64 pid = 0;
    {
        std::lock_guard lock(processMutex);
        if (!process || !process->running())
            return std::nullopt;
        pid = process->pid();
    }
    // utime and stime, fields 14 and 15 of /proc/<pid>/stat, after the parenthesised name.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return std::nullopt;
    return fields.at(11).toLongLong() + fields.at(12).toLongLong();
}

UnoOffice::UnoOffice()
    : UnoOffice(Options())
{
}

UnoOffice::UnoOffice(const Options &options)
    : m_impl(std::make_shared<Impl>(options))
{
    // The connection writes to a socket: an office that dies mid-call must fail the call,
    // not end the program with SIGPIPE. Only the default action is replaced.
    struct sigaction current = {};
    if (::sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
        ::signal(SIGPIPE, SIG_IGN);
}

UnoOffice::~UnoOffice()
{
    shutdown();
}

std::unique_ptr<CalcDesktop> UnoOffice::createDesktop()
{
    m_impl->beginOperation();
    auto lease = std::make_shared<Impl::Lease>(m_impl);
    m_impl->ensureRunning();
    try {
        return std::make_unique<UnoDesktop>(frame::Desktop::create(m_impl->bridge->remoteContext()), lease);
    } catch (const lang::DisposedException &) {
        // The office died in the last operation and its bridge has not told us yet (the
        // notice comes from the bridge's own thread): nothing is open, so start afresh.
        m_impl->teardown(false);
        m_impl->start();
    } catch (const uno::Exception &) {
        // Reported below, as every failure of the call.
    }
    return UnoValues::guarded("creating the desktop", [&] {
        return std::make_unique<UnoDesktop>(frame::Desktop::create(m_impl->bridge->remoteContext()), lease);
    });
}

bool UnoOffice::available() const
{
    m_impl->findInstallation();
    return m_impl->installation.has_value();
}

bool UnoOffice::calcStartTest()
{
    return available() && CalcStartTest(*this);
}

QStringList UnoOffice::exportFilters()
{
    QStringList names;
    try {
        if (!available())
            return names;
        m_impl->ensureRunning();
        UnoValues::guarded("reading the filter configuration", [&] {
            const uno::Reference<lang::XMultiComponentFactory> factory =
                m_impl->bridge->remoteContext()->getServiceManager();
            const uno::Reference<container::XContainerQuery> filters(
                factory->createInstanceWithContext("com.sun.star.document.FilterFactory", m_impl->bridge->remoteContext()),
                uno::UNO_QUERY_THROW);
            // Spreadsheet filters with the export flag (2); one element per filter.
            const uno::Reference<container::XEnumeration> found = filters->createSubSetEnumerationByQuery(
                "matchByDocumentService=com.sun.star.sheet.SpreadsheetDocument:iflags=2");
            while (found->hasMoreElements()) {
                uno::Sequence<beans::PropertyValue> filter;
                found->nextElement() >>= filter;
                for (const beans::PropertyValue &property : std::as_const(filter)) {
                    OUString name;
                    if (property.Name == "Name" && (property.Value >>= name))
                        names.append(UnoValues::toQString(name));
                }
            }
        });
    } catch (const std::exception &e) {
        qCWarning(lcCalc) << "the office's export filters could not be read:" << e.what();
        names.clear();
    }
    return names;
}

void UnoOffice::startEarly()
{
    try {
        if (available())
            m_impl->ensureRunning();
    } catch (const std::exception &e) {
        // The first operation starts it again and meets the failure itself.
        qCWarning(lcCalc) << "the office did not start:" << e.what();
    } catch (...) {
        qCWarning(lcCalc) << "the office did not start";
    }
}

void UnoOffice::shutdown()
{
    m_impl->teardown(true);
    m_impl->instanceDir.reset();
}

void UnoOffice::setWatchdogLimits(std::chrono::milliseconds noProgress, std::chrono::milliseconds total,
                                  std::chrono::milliseconds checkInterval)
{
    m_impl->options.noProgressLimit = noProgress;
    m_impl->options.totalLimit = total;
    m_impl->options.checkInterval = checkInterval;
}

qint64 UnoOffice::processId() const
{
    std::lock_guard lock(m_impl->processMutex);
    return m_impl->process && m_impl->process->running() ? m_impl->process->pid() : 0;
}

int UnoOffice::officeStarts() const
{
    return m_impl->starts;
}

int UnoOffice::restartRequests() const
{
    return m_impl->restartRequests;
}

int UnoOffice::watchdogKills() const
{
    return m_impl->kills;
}

QString UnoOffice::instanceFolder() const
{
    return m_impl->instanceDir ? m_impl->instanceDir->path() : QString();
}

qint64 UnoOffice::remoteCalls() const
{
    return UnoBridge::messagesReceived();
}
