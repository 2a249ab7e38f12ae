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
        const uno::Reference<frame::XModel> model = load(url, nullptr);
        if (model.is()) {
            // The headless office shows no window, and a document loaded hidden has none
            // to hide: the four calls that would hide it are left out.
            return std::make_unique<UnoDocument>(model);
        }
        // Only a document that failed is asked about again, to learn why: answering the
        // office's questions ourselves would change how it reads what it can read (the
        // import options of an HTML table are such a question).
        const rtl::Reference<UnoLoadInteraction> interaction = new UnoLoadInteraction;
        try {
            if (const uno::Reference<frame::XModel> again = load(url, interaction); again.is())
                return std::make_unique<UnoDocument>(again);
        } catch (const uno::Exception &) {
        }
        if (interaction->passwordAsked())
            throw CalcRefusal(QStringLiteral("the document is password-protected"));
        return nullptr;
    });
}

uno::Reference<frame::XModel> UnoDesktop::load(const QString &url, const rtl::Reference<UnoLoadInteraction> &interaction)
{
    // Hidden, and a document being formatted runs no macro and fetches no link.
    std::vector<std::pair<const char *, uno::Any>> entries{
        {"Hidden", uno::Any(true)},
        {"MacroExecutionMode", uno::Any(document::MacroExecMode::NEVER_EXECUTE)},
        {"UpdateDocMode", uno::Any(document::UpdateDocMode::NO_UPDATE)}};
    if (interaction.is())
        entries.push_back({"InteractionHandler", uno::Any(uno::Reference<task::XInteractionHandler>(interaction.get()))});
    const uno::Reference<lang::XComponent> component =
        m_desktop->loadComponentFromURL(UnoValues::toOUString(url), "_blank", 0, UnoValues::propertyList(entries));
    const uno::Reference<frame::XModel> model(component, uno::UNO_QUERY);
    if (!model.is() && component.is())
        component->dispose();
    return model;
}
