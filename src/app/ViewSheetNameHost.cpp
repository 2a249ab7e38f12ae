#include "ViewSheetNameHost.h"

namespace {

const int kCantLoadSheet = 27;

} // namespace

ViewSheetNameHost::ViewSheetNameHost(BackendHost &host, const QString &typedSheet,
                                     std::function<void()> clearSheetName)
    : m_host(host)
    , m_typedSheet(typedSheet)
    , m_clearSheetName(std::move(clearSheetName))
{
}

void ViewSheetNameHost::showMessage(const QString &text, MessageIcon icon)
{
    const QString missingSheet = m_host.message(kCantLoadSheet);
    if (missingSheet.isEmpty() || !text.startsWith(missingSheet)) {
        m_host.showMessage(text, icon);
        return;
    }
    // The document opened but has no such sheet.
    m_clearSheetName();
    m_host.showMessage(missingSheet + m_typedSheet, icon);
}
