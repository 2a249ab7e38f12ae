#include "RangeTextValidator.h"

bool RangeTextValidator::admits(QChar character) const
{
    if (m_kind == Kind::Row)
        return character >= u'0' && character <= u'9';
    return (character >= u'A' && character <= u'Z') || (character >= u'a' && character <= u'z');
}

QValidator::State RangeTextValidator::validate(QString &input, int &position) const
{
    QString kept;
    kept.reserve(input.size());
    int keptPosition = position;
    for (int i = 0; i < input.size(); ++i) {
        const QChar character = input.at(i);
        if (admits(character))
            kept.append(m_kind == Kind::Column ? character.toUpper() : character);
        else if (i < position)
            --keptPosition;
    }
    input = kept;
    position = keptPosition;
    return Acceptable;
}
