#include "TextLimits.h"

namespace TextLimits {

QString clip(const QString &text)
{
    if (text.size() <= MaxQuoted)
        return text;
    return cut(text, MaxQuoted) + QChar(0x2026);
}

QString cut(const QString &text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    if (length > 0 && text.at(length - 1).isHighSurrogate())
        --length;   // never half a character
    return text.left(length);
}

} // namespace TextLimits
