#include "TextLimits.h"

namespace TextLimits {

QString clip(const QString &text)
{
    if (text.size() <= MaxQuoted)
        return text;
    qsizetype length = MaxQuoted;
    if (text.at(length - 1).isHighSurrogate())
        --length;   // never half a character
    return text.left(length) + QChar(0x2026);
}

} // namespace TextLimits
