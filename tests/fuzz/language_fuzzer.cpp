// Feeds arbitrary bytes to the language-file reader under each kind of locale code page
// (a UTF-8 or plain ASCII locale lets the charset detector guess), applies what it read
// to the message table, the notices and the save-as tables, and words the load's notes.
// Besides the sanitizers' findings it checks the reader's promises: at most
// MaxKeyLines key lines, every key from 1 to 9999, each text the rest of its line after
// the key, cut only at the bound, the same lines from a file as from memory; and the
// save-as walks': each row named by its own key's last line or left as built, no table
// changed in size or codes, every fault a key of a run.
#include "LanguageFile.h"
#include "LanguageKeyTable.h"
#include "LanguageNotes.h"
#include "MessageTable.h"
#include "NoticeTable.h"
#include "SaveAsNameKeys.h"
#include "SaveAsTables.h"
#include "TextLimits.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

const QByteArray kCodesets[] = {"UTF-8", "CP1251", "CP1252", "KOI8-R", "ANSI_X3.4-1968", "NO-SUCH-SET"};

void checkLines(const LanguageFile &file, const QByteArray &bytes, const QByteArray &codeset)
{
    check(file.lines().size() <= LanguageFile::MaxKeyLines, "at most MaxKeyLines key lines");
    QList<LanguageLine> expected;
    const QString text = LanguageFile::decode(bytes, codeset);
    for (QStringView line : LanguageFile::splitLines(text)) {
        const int key = LanguageFile::keyOf(line);
        if (key > 0 && expected.size() < LanguageFile::MaxKeyLines)
            expected.append({key, TextLimits::cut(line.mid(qMin<qsizetype>(5, line.size())).toString(),
                                                  TextLimits::MaxLanguageText)});
    }
    check(file.lines() == expected, "each text is the rest of its line after the key, cut only at the bound");
    for (const LanguageLine &line : file.lines()) {
        check(line.key >= 1 && line.key <= 9999, "a key of four digits, 1 or more");
        check(!line.text.contains(QLatin1Char('\n')) && !line.text.contains(QLatin1Char('\r')), "one line per text");
    }
    check(file.displayName().size() <= TextLimits::MaxLanguageText, "display name within the bound");
}

void checkFileReadsAsMemory(const QByteArray &bytes)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input.lng"));
    QFile out(path);
    check(out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size(), "temp file written");
    out.close();
    LanguageFile fromFile;
    check(fromFile.read(path) == LanguageFile::Status::Read, "a small file reads");
    LanguageFile fromMemory;
    fromMemory.parse(bytes, LanguageFile::systemCodeset());
    check(fromFile.lines() == fromMemory.lines() && fromFile.displayName() == fromMemory.displayName()
              && fromFile.encoding() == fromMemory.encoding(),
          "the same lines from a file as from memory");
}

template<typename Row>
void checkNames(const QVector<Row> &before, const QVector<Row> &after, const QHash<int, QString> &texts,
                const std::function<int(int, const Row &)> &keyOf, const char *what)
{
    check(before.size() == after.size(), what);
    for (int row = 0; row < before.size(); ++row) {
        const int key = keyOf(row, before.at(row));
        const QString &name = after.at(row).displayName;
        check(name == before.at(row).displayName || (texts.contains(key) && name == texts.value(key)), what);
    }
}

void checkWalks(const QList<LanguageLine> &lines)
{
    SaveAsTables built;
    built.BuildSaveAsTables(0, false);
    SaveAsTables tables = built;
    const SaveAsNameKeys::Faults faults = SaveAsNameKeys::apply(lines, tables);
    QHash<int, QString> texts;
    for (const LanguageLine &line : lines)
        texts.insert(line.key, line.text);
    checkNames<ExcelFormat>(built.tableA(), tables.tableA(), texts,
                            [](int, const ExcelFormat &row) { return 3300 + row.code; }, "table A by own keys");
    checkNames<ExcelFormat>(built.tableB(), tables.tableB(), texts,
                            [](int, const ExcelFormat &row) { return 3500 + row.code; }, "table B by own keys");
    checkNames<CalcFilter>(built.tableC(), tables.tableC(), texts, [](int position, const CalcFilter &) {
        return position < LanguageKeyTable::TableCRunRows ? LanguageKeyTable::TableCRun + position
                                                          : LanguageKeyTable::tableCNames().value(position - 20).key;
    }, "table C by own keys");
    for (int row = 0; row < built.tableA().size(); ++row)
        check(built.tableA().at(row).code == tables.tableA().at(row).code, "codes stay");
    for (const QList<int> &keys : {faults.missing, faults.doubled}) {
        for (int key : keys)
            check((key > 3300 && key < 3400) || (key > 3400 && key <= 3420) || (key > 3500 && key < 3600),
                  "faults are keys of a run");
    }
    for (int key : faults.missing)
        check(!texts.contains(key), "a missing key has no line");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray &codeset = kCodesets[size > 0 ? data[0] % std::size(kCodesets) : 0];
    LanguageFile file;
    file.parse(bytes, codeset);
    checkLines(file, bytes, codeset);
    checkFileReadsAsMemory(bytes);
    checkWalks(file.lines());
    MessageTable messages;
    for (const LanguageLine &line : file.lines()) {
        for (int number : MessageTable::entriesOfKey(line.key)) {
            const QStringList parts = line.text.split(QLatin1Char('|'));
            if (MessageTable::keyPart(number) < parts.size())
                messages.setText(number, parts.at(MessageTable::keyPart(number)));
        }
        NoticeTable::setTextOfKey(line.key, line.text);
    }
    check(messages.text(11).isEmpty(), "message 11 stays empty");
    NoticeTable::SetDefaultNotices();
    const LanguageNotes notes{file.encoding(), file.cutKeys(), {}};
    check(notes.text(QStringLiteral("x.lng")).isEmpty() == notes.clean(), "a note exactly when something is wrong");
    return 0;
}
