#pragma once

#include <string>

class WordOffice;

// Puts the table on the clipboard (the range the Excel formatter has just copied) into
// a new Word document and saves it under path (WordTableExport with one table). title
// is the title line APA style puts above the table; excelOrientation the page
// orientation the Excel formatter chose. Word is quit on every way out; a failure is
// passed on as the exception that ended the export.
void ExportTableToWord(WordOffice &word, const std::wstring &path, const std::wstring &title, bool apaStyle,
                       int excelOrientation);

// The presence check of the office detection: starts Word, reads its version and quits
// it. False when any of it fails.
bool WordPresenceCheck(WordOffice &word);
