#include "UndoTexts.h"

#include <QStringList>

#include <iterator>

namespace {

constexpr const char16_t *kEnglish[] = {
    u"Undo last run",
    u"Puts back what the run of %1 stored (%2 documents)",
    u"No run to undo",
    u"Undo last run",
    u"Keep the originals of documents stored over themselves",
    u"Runs kept",
    u"Kept copies at most (MB)",
    u"Originals are not kept (Settings > Preferences): documents stored over themselves cannot be undone.",
    u"The run of %1 is undone.",
    u"Documents given back their original: %1",
    u"Results moved to the trash: %1",
    u"Files put back from the trash: %1",
    u"Left alone:",
    u"and %1 more",
    u"changed since the run",
    u"its original is kept in %1",
    u"its kept original is not as it was",
    u"its place is taken; it stays in the trash: %1",
    u"it is no longer in the trash",
    u"it cannot be written: %1",
};

QStringList english()
{
    QStringList texts;
    for (const char16_t *text : kEnglish)
        texts.append(QString::fromUtf16(text));
    return texts;
}

QStringList &texts()
{
    static QStringList table = english();
    return table;
}

} // namespace

namespace UndoTexts {

QString text(UndoText which)
{
    return texts().value(static_cast<int>(which));
}

int count()
{
    return int(std::size(kEnglish));
}

bool setTextOfKey(int key, const QString &text)
{
    const int index = key - FirstKey;
    if (index < 0 || index >= texts().size())
        return false;
    texts()[index] = QString(text).replace(QLatin1Char('|'), QLatin1Char('\n'));
    return true;
}

void setDefaults()
{
    texts() = english();
}

} // namespace UndoTexts
