#pragma once

#include <QString>

#include <optional>

class BackendHost;
class ExcelOffice;

// The read-only Excel queries of the main window and the run. Each reports its failures
// by message box through the host, once Excel has quit; none escapes. A failure to
// start Excel counts as a document that cannot be read.

// Sets SheetCount and SheetNames (from position 1) and refills the pattern sheet list.
void ReadSheetNamesExcel(ExcelOffice &excel, const QString &path, BackendHost &host);

// Reads the widths of the columns used in the first row of sheet number sheet (from 1),
// rounded to whole numbers, into PatternWidths (from position 1) and PatternColumnCount.
void ReadPatternWidthsExcel(ExcelOffice &excel, const QString &path, int sheet, BackendHost &host);

// The name of sheet number sheet (from 1), for "View sheet name"; nothing when the
// document or the sheet cannot be read (the message has then been shown).
std::optional<QString> ViewSheetNameExcel(ExcelOffice &excel, const QString &path, int sheet, BackendHost &host);

// Rounds to the nearest whole number, halves to the even neighbour.
int roundHalfToEven(double value);
