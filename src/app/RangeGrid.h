#pragma once

#include <QString>

// The last column and row the range combos admit: the small grid of Calc and of Excel
// before 2007 (column IV, row 65536), or the large grid of Excel 2007 and later
// (column XFD, row 1048576).
class RangeGrid
{
public:
    // The large grid needs Excel chosen, installed and of version 12 or later.
    static RangeGrid forOffice(int office, bool excelInstalled, int excelMajorVersion);
    static RangeGrid small() { return RangeGrid(false); }
    static RangeGrid large() { return RangeGrid(true); }

    bool isLarge() const { return m_large; }
    int lastRow() const { return m_large ? 1048576 : 65536; }

    // Column letters past the last column, compared letter by letter by character code.
    bool columnTooLarge(const QString &letters) const;
    // A row number past the last row, or one too long to be read as a number.
    bool rowTooLarge(const QString &digits) const;
    // What leaving a row combo replaces: no number, one too large, or one below row 1.
    bool rowUnusable(const QString &digits) const;

private:
    explicit RangeGrid(bool large) : m_large(large) {}

    bool m_large;
};
