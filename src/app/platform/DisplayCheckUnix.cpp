#include "DisplayCheck.h"

#include <QtGlobal>

namespace DisplayCheck {

std::optional<QString> missingDisplay()
{
    // A platform chosen by the user (offscreen, vnc, ...) is theirs to answer for.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return std::nullopt;
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return std::nullopt;
    return QStringLiteral("no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                          "tablevane --batch PATH formats documents without one");
}

} // namespace DisplayCheck
