#include "ColumnLetters.h"

#include "ColumnNames.h"

namespace ColumnLetters {

int ColumnLettersToNumber(const QString &letters)
{
    return ColumnNames::toNumber(letters.toStdWString());
}

QString ColumnNumberToLetters(int number)
{
    return QString::fromStdWString(ColumnNames::fromNumber(number));
}

} // namespace ColumnLetters
