#include "LanguageNotes.h"

#include "NoticeTable.h"
#include "TextLimits.h"

namespace {

QString keyList(const QList<int> &keys)
{
    QStringList numbers;
    for (int key : keys)
        numbers.append(QString::number(key));
    return TextLimits::clip(numbers.join(QStringLiteral(", ")));
}

} // namespace

QString LanguageNotes::text(const QString &fileName) const
{
    if (clean())
        return QString();
    QStringList parts;
    if (encoding.guessed && !encoding.certain)
        parts.append(NoticeTable::text(Notice::LanguageEncodingGuessed, {QString::fromLatin1(encoding.name)}));
    if (!cutKeys.isEmpty())
        parts.append(NoticeTable::text(Notice::LanguageTextsCut,
                                       {QString::number(TextLimits::MaxLanguageText), keyList(cutKeys)}));
    if (!faults.missing.isEmpty())
        parts.append(NoticeTable::text(Notice::LanguageKeysMissing, {keyList(faults.missing)}));
    if (!faults.doubled.isEmpty())
        parts.append(NoticeTable::text(Notice::LanguageKeysDoubled, {keyList(faults.doubled)}));
    return NoticeTable::text(Notice::LanguageFileNotes, {TextLimits::clip(fileName), parts.join(QStringLiteral("; "))});
}
