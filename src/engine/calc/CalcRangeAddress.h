#pragma once

#include <QString>

#include <optional>

// A rectangular cell range of one sheet, 0-based and inclusive, always in order
// (start column <= end column, start row <= end row).
struct CalcRangeAddress
{
    int startColumn = 0;
    int startRow = 0;
    int endColumn = 0;
    int endRow = 0;

    int columnCount() const { return endColumn - startColumn + 1; }
    int rowCount() const { return endRow - startRow + 1; }
    bool contains(int column, int row) const
    {
        return column >= startColumn && column <= endColumn && row >= startRow && row <= endRow;
    }
    bool operator==(const CalcRangeAddress &) const = default;

    // A range from 1-based column and row numbers given in any order; the office puts
    // the corners of a range name in order the same way.
    static CalcRangeAddress fromNumbers(int column1, int row1, int column2, int row2);

    // Parses a range name such as "A2:C5" or a cell name such as "B3" (letters of at most
    // three characters, 1-based rows). Nothing when the name is no valid range of a sheet
    // of maxColumns x maxRows cells.
    static std::optional<CalcRangeAddress> parse(const QString &name, int maxColumns = 1024,
                                                 int maxRows = 1048576);

    // "A1:C5" (also for a single cell, "B3:B3").
    QString name() const;

};
