#include "DisplayCheck.h"

namespace DisplayCheck {

// A Windows session always has its desktop.
std::optional<QString> missingDisplay()
{
    return std::nullopt;
}

} // namespace DisplayCheck
