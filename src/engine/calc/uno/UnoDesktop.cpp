#include "UnoDesktop.h"

#include "CalcError.h"
#include "UnoDocument.h"
#include "UnoLoadInteraction.h"
#include "UnoValues.h"

#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <rtl/ref.hxx>

using namespace css;

UnoDesktop::UnoDesktop(const uno::Reference<frame::XDesktop2> &desktop, std::shared_ptr<void> lease)
    : m_desktop(desktop)
    , m_lease(std::move(lease))
{
}

std::unique_ptr<CalcDocument> UnoDesktop::loadComponentFromUrl(const QString &url)
{
    return UnoValues::guarded("loading the document", [&]() -> std::unique_ptr<CalcDocument> {
        // Hidden, and a document being formatted runs no macro and fetches no link.
        const rtl::Reference<UnoLoadInteraction> interaction = new UnoLoadInteraction;
        const uno::Sequence<beans::PropertyValue> arguments = UnoValues::propertyList(
            {{"Hidden", uno::Any(true)},
             {"MacroExecutionMode", uno::Any(document::MacroExecMode::NEVER_EXECUTE)},
             {"UpdateDocMode", uno::Any(document::UpdateDocMode::NO_UPDATE)},
             {"InteractionHandler", uno::Any(uno::Reference<task::XInteractionHandler>(interaction.get()))}});
        uno::Reference<lang::XComponent> component;
        try {
            component = m_desktop->loadComponentFromURL(UnoValues::toOUString(url), "_blank", 0, arguments);
        } catch (const uno::Exception &) {
            if (!interaction->passwordAsked())
                throw;
        }
        const uno::Reference<frame::XModel> model(component, uno::UNO_QUERY);
        if (!model.is()) {
            if (component.is())
                component->dispose();
            if (interaction->passwordAsked())
                throw CalcRefusal(QStringLiteral("the document is password-protected"));
            return nullptr;
        }
        // The headless office shows no window, and a document loaded hidden has none to
        // hide: the four calls that would hide it are left out.
        return std::make_unique<UnoDocument>(model);
    });
}
