#pragma once

#include <string>

class WordOffice;

// Puts the table on the clipboard (the range the Excel formatter has just copied) into
// a new Word document and saves it as basePath, Word adding its own extension. With
// apaStyle the table gets a label and title line above it, centred rows fitted to the
// window, vertically centred double-spaced cells and one-inch margins. excelOrientation
// is the page orientation the Excel formatter chose (1 portrait, 2 landscape, any other
// value leaves the page as Word makes it). Word is quit on every way out; a failure is
// passed on as the exception that ended the export.
void ExportTableToWord(WordOffice &word, const std::wstring &basePath, bool apaStyle, int excelOrientation);

// The presence check of the office detection: starts Word, reads its version and quits
// it. False when any of it fails.
bool WordPresenceCheck(WordOffice &word);
