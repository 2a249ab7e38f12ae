#include "UnoDesktop.h"

#include "UnoDocument.h"
#include "UnoValues.h"

#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/frame/XModel.hpp>

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
        const uno::Sequence<beans::PropertyValue> arguments = UnoValues::propertyList(
            {{"Hidden", uno::Any(true)},
             {"MacroExecutionMode", uno::Any(document::MacroExecMode::NEVER_EXECUTE)},
             {"UpdateDocMode", uno::Any(document::UpdateDocMode::NO_UPDATE)}});
        const uno::Reference<lang::XComponent> component =
            m_desktop->loadComponentFromURL(UnoValues::toOUString(url), "_blank", 0, arguments);
        const uno::Reference<frame::XModel> model(component, uno::UNO_QUERY);
        if (!model.is()) {
            if (component.is())
                component->dispose();
            return nullptr;
        }
        // The headless office shows no window, and a document loaded hidden has none to
        // hide: the four calls that would hide it are left out.
        return std::make_unique<UnoDocument>(model);
    });
}
