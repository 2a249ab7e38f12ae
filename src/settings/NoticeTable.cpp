#include "NoticeTable.h"

#include <array>
#include <iterator>

namespace {

constexpr const char16_t *kEnglish[] = {
    u"A run is in progress: stop it before choosing other documents",
    u"The stopped run is finishing its current document: start again when it has ended",
    u"The set file cannot be written:",
    u"The log file cannot be written:",
    u"The set file %1 cannot be used: %2.",
    u"it does not exist",
    u"it cannot be read whole (not a file, unreadable, or over 16 MB)",
    u"it holds none of the sections of a set file",
    u"The preferences file %1 could not be used as it stands: %2.\nTablevane uses instead: %3.\n"
    u"Change it in Settings > Preferences.",
    u"no office",
    u"it cannot be read (not a file, unreadable, or over 16 MB)",
    u"it holds no choice of office",
    u"its choice of office \"%1\" is not valid",
    u"its \"Save as\" value \"%1\" names no format of %2",
    u"its XLSX choice needs Microsoft Excel 2007 or later",
    u"the office it names (%1) is not installed",
    u"it names no office",
    u"its document kind or save-as format cannot be used with the installed office",
    u"Tablevane help",
    u"Contents",
    u"The help file %1 cannot be read.",
    u"Formats whole folders of spreadsheet documents (xls, ods, xlsx) in one run.",
    u"Close",
    u"Language file %1: %2.",
    u"read as %1, a guess (if letters look wrong, save the file as UTF-8)",
    u"texts longer than %1 characters cut (keys %2)",
    u"no line for keys %1: those save-as names stay as they were",
    u"keys %1 given more than once: the last line counts",
    u"it holds no choice of the documents' extension",
    u"its choice of the documents' extension \"%1\" is not valid",
    u"The installed office cannot write the format chosen to store the documents in:\n\"%1\".\n"
    u"Choose another one in Settings > Preferences.",
    u"The preferences file %1 cannot be used as it stands: %2. Nothing was formatted. "
    u"Choose in Settings > Preferences, or correct the file, and run again.",
    u"its \"%1\" value \"%2\" is not valid",
};

constexpr int kCount = int(std::size(kEnglish));

std::array<QString, kCount> &texts()
{
    static std::array<QString, kCount> table = [] {
        std::array<QString, kCount> english;
        for (int i = 0; i < kCount; ++i)
            english[i] = QString::fromUtf16(kEnglish[i]);
        return english;
    }();
    return table;
}

} // namespace

namespace NoticeTable {

QString text(Notice notice)
{
    const int index = static_cast<int>(notice);
    return index >= 0 && index < kCount ? texts()[index] : QString();
}

QString text(Notice notice, const QStringList &arguments)
{
    const QString pattern = text(notice);
    switch (arguments.size()) {
    case 0:
        return pattern;
    case 1:
        return pattern.arg(arguments.at(0));
    case 2:
        return pattern.arg(arguments.at(0), arguments.at(1));
    default:
        return pattern.arg(arguments.at(0), arguments.at(1), arguments.at(2));
    }
}

bool setTextOfKey(int key, const QString &text)
{
    const int index = key - FirstKey;
    if (index < 0 || index >= kCount)
        return false;
    texts()[index] = QString(text).replace(QLatin1Char('|'), QLatin1Char('\n'));
    return true;
}

void SetDefaultNotices()
{
    for (int i = 0; i < kCount; ++i)
        texts()[i] = QString::fromUtf16(kEnglish[i]);
}

QList<int> keys()
{
    QList<int> list;
    for (int i = 0; i < kCount; ++i)
        list.append(FirstKey + i);
    return list;
}

} // namespace NoticeTable
