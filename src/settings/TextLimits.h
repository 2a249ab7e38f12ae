#pragma once

#include <QString>

namespace TextLimits {

// Values from files and documents quoted in messages are cut to this length: a message
// names what is wrong, it does not repeat a 10 MB value.
constexpr qsizetype MaxQuoted = 200;

// The text itself when short enough, else its first MaxQuoted characters and "…".
QString clip(const QString &text);

} // namespace TextLimits
