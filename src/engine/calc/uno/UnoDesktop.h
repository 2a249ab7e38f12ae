#pragma once

#include "CalcDesktop.h"

#include <com/sun/star/frame/XDesktop2.hpp>

#include <memory>

// The Desktop of one operation. It holds the operation's lease on the office: while it
// lives the watchdog runs.
class UnoDesktop : public CalcDesktop
{
public:
    UnoDesktop(const css::uno::Reference<css::frame::XDesktop2> &desktop, std::shared_ptr<void> lease);

    std::unique_ptr<CalcDocument> loadComponentFromUrl(const QString &url) override;

    // For code that talks UNO itself (the tests' and the benchmark's document making).
    css::uno::Reference<css::frame::XDesktop2> desktop() const { return m_desktop; }

private:
    css::uno::Reference<css::frame::XDesktop2> m_desktop;
    std::shared_ptr<void> m_lease;
};
