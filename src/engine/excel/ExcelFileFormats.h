#pragma once

#include <optional>
#include <string>

// Excel's file formats as its object model documents them (XlFileFormat, the numbers
// Workbook.FileFormat reads and Workbook.SaveAs takes), and what this program needs to
// know of them.
namespace ExcelFileFormats {

constexpr int WorkbookNormal = -4143;        // xlWorkbookNormal: .xls up to Excel 2003
constexpr int CurrentPlatformText = -4158;   // xlCurrentPlatformText: tab-delimited text
constexpr int UnicodeText = 42;              // xlUnicodeText
constexpr int Html = 44;                     // xlHtml
constexpr int Excel8 = 56;                   // xlExcel8: .xls from Excel 2007 on

// The documented number Excel is given for a code of the save-as tables: the code
// itself where it is documented, its documented twin where the tables keep an older
// number ("1", the .xls workbook; "3", tab-delimited text), nothing where the object
// model documents no such save format ("49" XML data, "57" PDF and "58" XPS, which
// Excel writes only through other calls).
std::optional<int> documented(int tableCode, int excelMajorVersion);

// The extension (with its dot) Excel gives a file of a documented format; empty for a
// number it does not document.
std::wstring extension(int fileFormat);

// Whether Excel read the document as plain text (the format it falls back to for a file
// it does not recognise).
bool isText(int fileFormat);

// Whether the format is the binary workbook of Excel 97-2003 or older, whose sheets
// have 256 columns and 65,536 rows in every Excel version.
bool isBinaryWorkbook(int fileFormat);

// Whether the extension (lower case, without dot) names a workbook format, which a file
// read as plain text is not.
bool promisesWorkbook(const std::wstring &extension);

} // namespace ExcelFileFormats
