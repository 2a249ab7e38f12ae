#pragma once

#include <QString>

#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <atomic>
#include <memory>

// The program's end of the URP connection to one office process: the remote
// component context, and whether the connection has gone (the office died or was
// killed; every call then fails at once).
class UnoBridge
{
public:
    UnoBridge();
    ~UnoBridge();

    UnoBridge(const UnoBridge &) = delete;
    UnoBridge &operator=(const UnoBridge &) = delete;

    // The program's own UNO context, made once. Throws CalcError when the UNO runtime
    // cannot start.
    static css::uno::Reference<css::uno::XComponentContext> localContext();

    // Connects to the office listening on a named pipe. False while nothing listens
    // there yet; throws CalcError for any other failure.
    bool connect(const QString &pipeName);

    css::uno::Reference<css::uno::XComponentContext> remoteContext() const { return m_remote; }
    bool connected() const { return m_remote.is() && !m_disposed->load(); }
    // Ends the connection (no call to the office is made).
    void dispose();

    // The messages every connection of the program has received from its office so far:
    // one answer per call the program made, and the few the office starts itself.
    static qint64 messagesReceived();

private:
    css::uno::Reference<css::bridge::XBridge> m_bridge;
    css::uno::Reference<css::uno::XComponentContext> m_remote;
    std::shared_ptr<std::atomic<bool>> m_disposed;
};
