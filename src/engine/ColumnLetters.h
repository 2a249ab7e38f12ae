#pragma once

#include <QString>

// Spreadsheet column names: "A" = 1 ... "Z" = 26, "AA" = 27, up to three letters.
namespace ColumnLetters {

// 0 for a text of any length other than one to three characters.
int ColumnLettersToNumber(const QString &letters);
QString ColumnNumberToLetters(int number);

} // namespace ColumnLetters
