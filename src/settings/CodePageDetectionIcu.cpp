#include "CodePageDetection.h"

#include <QList>
#include <QStringDecoder>

#include <unicode/ucsdet.h>

#include <memory>

// The guess of ICU's charset detector (the library Qt itself decodes with here).
namespace {

struct DetectorClose
{
    void operator()(UCharsetDetector *detector) const { ucsdet_close(detector); }
};

// The lines that hold a byte above 127. Keys, comments and other ASCII lines read the
// same in every code page; the detector weighs letter sequences, so they only dilute it.
QByteArray linesWithHighBytes(const QByteArray &bytes)
{
    QByteArray kept;
    for (const QByteArray &line : bytes.split('\n')) {
        for (char c : line) {
            if (static_cast<unsigned char>(c) > 127) {
                kept += line;
                kept += '\n';
                break;
            }
        }
    }
    return kept;
}

// The name a match decodes as, or empty for one this program does not take: UTF-16 and
// UTF-32 without a byte-order mark, the EBCDIC and 7-bit ISO-2022 families, and names Qt
// cannot decode. ISO-8859-1 and -9 read every byte they have as Windows-1252 and -1254 do.
QByteArray usableName(const char *detected)
{
    const QByteArray name(detected);
    if (name.startsWith("UTF-16") || name.startsWith("UTF-32") || name.startsWith("IBM")
        || name.startsWith("ISO-2022"))
        return {};
    const QByteArray windows = name == "ISO-8859-1" ? QByteArray("windows-1252")
        : name == "ISO-8859-9"                      ? QByteArray("windows-1254")
                                                    : name;
    return QStringDecoder(windows.constData()).isValid() ? windows : QByteArray();
}

} // namespace

namespace CodePageDetection {

CodePageGuess guess(const QByteArray &bytes)
{
    const CodePageGuess none{"windows-1252", 0, false};
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, DetectorClose> detector(ucsdet_open(&status));
    const QByteArray text = linesWithHighBytes(bytes);
    if (U_FAILURE(status) || text.isEmpty())
        return none;
    ucsdet_setText(detector.get(), text.constData(), int32_t(text.size()), &status);
    int32_t count = 0;
    const UCharsetMatch **matches = ucsdet_detectAll(detector.get(), &count, &status);
    if (U_FAILURE(status))
        return none;
    // The matches come best first; the runner-up is the best that reads the bytes otherwise.
    CodePageGuess best;
    int runnerUp = 0;
    for (int32_t i = 0; i < count; ++i) {
        const QByteArray name = usableName(ucsdet_getName(matches[i], &status));
        const int confidence = ucsdet_getConfidence(matches[i], &status);
        if (U_FAILURE(status))
            return none;
        if (name.isEmpty() || name == best.name)
            continue;
        if (best.name.isEmpty()) {
            best = {name, confidence, false};
            continue;
        }
        runnerUp = confidence;
        break;
    }
    // The multi-byte detectors give 10 to any few bytes they can read: that much, or
    // less, is no evidence, and the most common code page of such files is as good.
    constexpr int kNoEvidence = 10;
    if (best.name.isEmpty() || best.confidence <= kNoEvidence)
        return none;
    best.certain = best.confidence >= CertainConfidence && best.confidence - runnerUp >= CertainMargin;
    return best;
}

} // namespace CodePageDetection
