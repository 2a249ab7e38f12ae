#pragma once

#include <QString>

#include <optional>

class BackendHost;
class CalcOffice;

// The read-only Calc queries of the main window and the run. Each reports its failures
// by message box through the host; none escapes.

// Sets SheetCount and SheetNames (0-based) and refills the pattern sheet list.
void ReadSheetNamesCalc(CalcOffice &office, const QString &path, BackendHost &host);

// Reads the widths of the columns used in the first row of a sheet (0-based index)
// into PatternWidths (from position 1) and PatternColumnCount.
void ReadPatternWidthsCalc(CalcOffice &office, const QString &path, int sheetIndex,
                           BackendHost &host);

// The name of sheet number n (1-based), for "View sheet name"; nothing when the
// document or the sheet cannot be read (the message has then been shown).
std::optional<QString> ViewSheetNameCalc(CalcOffice &office, const QString &path, int sheetNumber,
                                         BackendHost &host);
