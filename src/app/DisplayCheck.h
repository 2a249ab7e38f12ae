#pragma once

#include <QString>

#include <optional>

// Whether the window can be shown at all. Without a display Qt ends the program with an
// abort before any message; the user is told what to do instead.
namespace DisplayCheck {

// Why no window can be shown; nothing when it can.
std::optional<QString> missingDisplay();

} // namespace DisplayCheck
