#pragma once

#include <string>
#include <string_view>

// Spreadsheet column names in plain standard types: "A" = 1 ... "Z" = 26, "AA" = 27,
// up to three letters.
namespace ColumnNames {

// Computed from the character codes; 0 for a text of any length other than one to
// three characters.
int toNumber(std::wstring_view letters);
std::wstring fromNumber(int number);

} // namespace ColumnNames
