#pragma once

#include <QString>

// Whether the office read a document through a filter of the family its extension
// promises. A damaged .xls, for one, loads without complaint through the CSV text
// filter; formatting and storing such a misreading over the original would destroy it.
namespace CalcFilterFamily {

// True when the extension (lower case, without dot) makes no promise the program
// knows, or when the filter belongs to the promised family.
bool fits(const QString &extension, const QString &filterName);

// True for the workbook formats (Excel and OpenDocument) whose files keep every sheet
// with its formatting.
bool keepsEverySheet(const QString &extension);

} // namespace CalcFilterFamily
