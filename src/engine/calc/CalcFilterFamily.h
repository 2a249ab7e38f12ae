#pragma once

#include <QString>

// Whether the office read a document in a way that formatting and storing it could not
// lose data. A damaged .xls, for one, loads without complaint through the CSV text
// filter; storing that misreading over the original would destroy it. A workbook in
// another real format (a web application's HTML table named .xls, an .xls named .ods)
// is read whole and is formatted like any other.
namespace CalcFilterFamily {

// False only when the extension (lower case, without dot) names a binary or zipped
// spreadsheet format and the office fell back to reading the file as plain text.
bool fits(const QString &extension, const QString &filterName);

// True for the office's Excel filters, which it reads and writes.
bool isExcelFilter(const QString &filterName);

// True for the workbook formats (Excel and OpenDocument) whose files keep every sheet
// with its formatting.
bool keepsEverySheet(const QString &extension);

} // namespace CalcFilterFamily
