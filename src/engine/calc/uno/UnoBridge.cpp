#include "UnoBridge.h"

#include "CalcError.h"
#include "UnoValues.h"

#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridgeFactory2.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/connection/XConnection.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <cppuhelper/implbase1.hxx>

#include <cstdlib>
#include <mutex>

using namespace css;

namespace {

// Notes the end of the connection, whoever ends it.
class DisposeListener : public cppu::WeakImplHelper1<lang::XEventListener>
{
public:
    explicit DisposeListener(std::shared_ptr<std::atomic<bool>> disposed)
        : m_disposed(std::move(disposed))
    {
    }
    void SAL_CALL disposing(const lang::EventObject &) override { m_disposed->store(true); }

private:
    std::shared_ptr<std::atomic<bool>> m_disposed;
};

// The connection as the bridge uses it, counting the messages that come from the office:
// the answers to the program's calls (releases of office objects need none). The
// bridge reads every message block as two reads, its header and its body.
class CountingConnection : public cppu::WeakImplHelper1<connection::XConnection>
{
public:
    explicit CountingConnection(const uno::Reference<connection::XConnection> &link)
        : m_link(link)
    {
    }
    sal_Int32 SAL_CALL read(uno::Sequence<sal_Int8> &data, sal_Int32 count) override
    {
        if (m_nextIsHeader)
            s_received.fetch_add(1, std::memory_order_relaxed);
        m_nextIsHeader = !m_nextIsHeader;
        return m_link->read(data, count);
    }
    void SAL_CALL write(const uno::Sequence<sal_Int8> &data) override { m_link->write(data); }
    void SAL_CALL flush() override { m_link->flush(); }
    void SAL_CALL close() override { m_link->close(); }
    OUString SAL_CALL getDescription() override { return m_link->getDescription(); }

    static std::atomic<qint64> s_received;

private:
    uno::Reference<connection::XConnection> m_link;
    bool m_nextIsHeader = true;   // only the bridge's reader thread reads
};

std::atomic<qint64> CountingConnection::s_received{0};

} // namespace

qint64 UnoBridge::messagesReceived()
{
    return CountingConnection::s_received.load(std::memory_order_relaxed);
}

UnoBridge::UnoBridge()
    : m_disposed(std::make_shared<std::atomic<bool>>(false))
{
}

UnoBridge::~UnoBridge()
{
    dispose();
}

uno::Reference<uno::XComponentContext> UnoBridge::localContext()
{
    static std::once_flag once;
    static uno::Reference<uno::XComponentContext> context;
    static QString failure;
    std::call_once(once, [] {
        // Without it the runtime finds no type library and the first remote call
        // crashes inside the bridge.
        ::setenv("URE_BOOTSTRAP", "vnd.sun.star.pathname:" TABLEVANE_LO_PROGRAM_DIR "/fundamentalrc", 0);
        try {
            context = cppu::defaultBootstrap_InitialComponentContext();
        } catch (const uno::Exception &e) {
            failure = UnoValues::toQString(e.Message);
        }
    });
    if (!context.is())
        throw CalcError(QStringLiteral("the UNO runtime did not start: ") + failure);
    return context;
}

bool UnoBridge::connect(const QString &pipeName)
{
    const uno::Reference<uno::XComponentContext> local = localContext();
    try {
        const uno::Reference<connection::XConnection> link = connection::Connector::create(local)->connect(
            UnoValues::toOUString(QStringLiteral("pipe,name=") + pipeName));
        const uno::Reference<bridge::XBridgeFactory2> factory = bridge::BridgeFactory::create(local);
        m_bridge = factory->createBridge(OUString(), "urp", new CountingConnection(link), nullptr);
        uno::Reference<lang::XComponent>(m_bridge, uno::UNO_QUERY_THROW)
            ->addEventListener(new DisposeListener(m_disposed));
        m_remote.set(m_bridge->getInstance("StarOffice.ComponentContext"), uno::UNO_QUERY_THROW);
        return true;
    } catch (const connection::NoConnectException &) {
        return false;
    } catch (const uno::Exception &e) {
        dispose();
        UnoValues::fail("connecting to the office", e);
    }
}

void UnoBridge::dispose()
{
    m_remote.clear();
    if (m_bridge.is()) {
        try {
            uno::Reference<lang::XComponent>(m_bridge, uno::UNO_QUERY_THROW)->dispose();
        } catch (const uno::Exception &) {
            // Already gone with the office.
        }
        m_bridge.clear();
    }
    m_disposed->store(true);
}
