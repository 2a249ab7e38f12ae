#pragma once

#include "CalcDesktop.h"

#include "UnoLoadInteraction.h"

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <rtl/ref.hxx>

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
    // Loads hidden; nothing when the office gives no document.
    css::uno::Reference<css::frame::XModel> load(const QString &url, const rtl::Reference<UnoLoadInteraction> &interaction);

    css::uno::Reference<css::frame::XDesktop2> m_desktop;
    std::shared_ptr<void> m_lease;
};
