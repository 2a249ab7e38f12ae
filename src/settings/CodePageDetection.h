#pragma once

#include <QByteArray>

// The code page a text without a byte-order mark was most likely written in, for text
// that is not UTF-8 on a machine whose locale does not say (a UTF-8 or plain ASCII
// locale). A Windows code page is named where it reads the bytes as the guess does.
struct CodePageGuess
{
    QByteArray name;       // a name QStringDecoder knows ("windows-1251", "KOI8-R")
    int confidence = 0;    // 0 to 100
    bool certain = false;  // clearly ahead of every other reading of the bytes

    bool operator==(const CodePageGuess &) const = default;
};

namespace CodePageDetection {

// Below this confidence, or this close to another reading, a guess is not certain.
constexpr int CertainConfidence = 30;
constexpr int CertainMargin = 10;

CodePageGuess guess(const QByteArray &bytes);

} // namespace CodePageDetection
