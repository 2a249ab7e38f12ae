#pragma once

#include <QString>

namespace TextLimits {

// Values from files and documents quoted in messages are cut to this length: a message
// names what is wrong, it does not repeat a 10 MB value.
constexpr qsizetype MaxQuoted = 200;

// A language text longer than this is cut where it is read. The longest real text of
// the shipped files is 341 characters (the three parts of a message in Russian); a
// caption of thousands of characters only comes from a damaged or hostile file, and
// would make its window wider than any screen.
constexpr qsizetype MaxLanguageText = 500;

// The text itself when short enough, else its first MaxQuoted characters and "…".
QString clip(const QString &text);
// The text cut to at most length characters, never between the halves of a character.
QString cut(const QString &text, qsizetype length);

} // namespace TextLimits
