// Feeds arbitrary bytes to the language-file reader under each kind of locale code page,
// and applies what it read to the message table and the notices. Besides the
// sanitizers' findings it checks the reader's promises: at most 249 key lines, every key
// from 1 to 9999, text as it stands after the key, and the same lines from a file as
// from memory.
#include "LanguageFile.h"
#include "MessageTable.h"
#include "NoticeTable.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

const QByteArray kCodesets[] = {"UTF-8", "CP1251", "CP1252", "KOI8-R", "ANSI_X3.4-1968", "NO-SUCH-SET"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray &codeset = kCodesets[size > 0 ? data[0] % std::size(kCodesets) : 0];
    LanguageFile file;
    file.parse(bytes, codeset);
    check(file.lines().size() <= LanguageFile::MaxKeyLines, "at most 249 key lines");
    MessageTable messages;
    for (const LanguageLine &line : file.lines()) {
        check(line.key >= 1 && line.key <= 9999, "a key of four digits, 1 or more");
        for (int number : MessageTable::entriesOfKey(line.key)) {
            const QStringList parts = line.text.split(QLatin1Char('|'));
            if (MessageTable::keyPart(number) < parts.size())
                messages.setText(number, parts.at(MessageTable::keyPart(number)));
        }
        NoticeTable::setTextOfKey(line.key, line.text);
    }
    check(messages.text(11).isEmpty(), "message 11 stays empty");
    NoticeTable::SetDefaultNotices();
    return 0;
}
