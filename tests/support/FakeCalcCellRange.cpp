#include "FakeCalcCellRange.h"

#include "FakeCalcSheet.h"

namespace {

// A property read over a range is known only when every cell agrees.
template<typename T, typename Get>
std::optional<T> uniform(const FakeCalcSheetData &sheet, const CalcRangeAddress &range, Get get)
{
    std::optional<T> value;
    for (int row = range.startRow; row <= range.endRow; ++row) {
        for (int column = range.startColumn; column <= range.endColumn; ++column) {
            const T v = get(sheet.format(column, row));
            if (value && !(*value == v))
                return std::nullopt;
            value = v;
        }
    }
    return value;
}

// One line of a TableBorder read: its value and whether it is the same everywhere.
struct LineRead
{
    CalcBorderLine line;
    bool valid = true;
    bool seen = false;

    void add(const CalcBorderLine &l)
    {
        if (seen && !(line == l))
            valid = false;
        line = l;
        seen = true;
    }
};

} // namespace

FakeCalcCellRange::FakeCalcCellRange(FakeCalcSheet &sheet, const CalcRangeAddress &address)
    : m_sheet(sheet)
    , m_address(address)
{
}

void FakeCalcCellRange::setProperties(const CalcCellProperties &properties)
{
    FakeCalcSheet::apply(m_sheet.data(QStringLiteral("setProperties")), m_address, properties);
}

CalcCellProperties FakeCalcCellRange::properties()
{
    const FakeCalcSheetData &s = m_sheet.data(QStringLiteral("properties"));
    const CalcRangeAddress &r = m_address;
    CalcCellProperties p;
    p.CharFontName = uniform<QString>(s, r, [](const FakeCalcCellFormat &f) { return f.fontName; });
    p.CharHeight = uniform<double>(s, r, [](const FakeCalcCellFormat &f) { return f.height; });
    p.CharWeight = uniform<int>(s, r, [](const FakeCalcCellFormat &f) { return f.weight; });
    p.CharPosture = uniform<int>(s, r, [](const FakeCalcCellFormat &f) { return f.posture; });
    p.CharColor = uniform<qint32>(s, r, [](const FakeCalcCellFormat &f) { return f.color; });
    p.CellBackColor = uniform<qint32>(s, r, [](const FakeCalcCellFormat &f) { return f.backColor; });
    p.HoriJustify = uniform<int>(s, r, [](const FakeCalcCellFormat &f) { return f.hori; });
    p.VertJustify = uniform<int>(s, r, [](const FakeCalcCellFormat &f) { return f.vert; });
    p.IsTextWrapped = uniform<bool>(s, r, [](const FakeCalcCellFormat &f) { return f.wrap; });
    return p;
}

void FakeCalcCellRange::fitRowHeights()
{
    // A locked document fits nothing, as the office.
    if (!m_sheet.rowHeightsLocked())
        m_sheet.data(QStringLiteral("fitRowHeights")).fittedRows.append({m_address.startRow, m_address.endRow});
}

CalcTableBorder FakeCalcCellRange::tableBorder()
{
    const FakeCalcSheetData &s = m_sheet.data(QStringLiteral("tableBorder"));
    const CalcRangeAddress &r = m_address;
    LineRead top, bottom, left, right, horizontal, vertical;
    for (int c = r.startColumn; c <= r.endColumn; ++c) {
        top.add(s.format(c, r.startRow).top);
        bottom.add(s.format(c, r.endRow).bottom);
        for (int row = r.startRow; row < r.endRow; ++row)
            horizontal.add(s.format(c, row).bottom);
    }
    for (int row = r.startRow; row <= r.endRow; ++row) {
        left.add(s.format(r.startColumn, row).left);
        right.add(s.format(r.endColumn, row).right);
        for (int c = r.startColumn; c < r.endColumn; ++c)
            vertical.add(s.format(c, row).right);
    }
    CalcTableBorder b;
    b.TopLine = top.line;
    b.IsTopLineValid = top.valid;
    b.BottomLine = bottom.line;
    b.IsBottomLineValid = bottom.valid;
    b.LeftLine = left.line;
    b.IsLeftLineValid = left.valid;
    b.RightLine = right.line;
    b.IsRightLineValid = right.valid;
    b.HorizontalLine = horizontal.line;
    b.IsHorizontalLineValid = horizontal.valid;
    b.VerticalLine = vertical.line;
    b.IsVerticalLineValid = vertical.valid;
    return b;
}

void FakeCalcCellRange::setTableBorder(const CalcTableBorder &b)
{
    FakeCalcSheetData &s = m_sheet.data(QStringLiteral("setTableBorder"));
    const CalcRangeAddress &r = m_address;
    for (int row = r.startRow; row <= r.endRow; ++row) {
        for (int c = r.startColumn; c <= r.endColumn; ++c) {
            FakeCalcCellFormat &f = s.cellRef(c, row).format;
            if (row == r.startRow ? b.IsTopLineValid : b.IsHorizontalLineValid)
                f.top = row == r.startRow ? b.TopLine : b.HorizontalLine;
            if (row == r.endRow ? b.IsBottomLineValid : b.IsHorizontalLineValid)
                f.bottom = row == r.endRow ? b.BottomLine : b.HorizontalLine;
            if (c == r.startColumn ? b.IsLeftLineValid : b.IsVerticalLineValid)
                f.left = c == r.startColumn ? b.LeftLine : b.VerticalLine;
            if (c == r.endColumn ? b.IsRightLineValid : b.IsVerticalLineValid)
                f.right = c == r.endColumn ? b.RightLine : b.VerticalLine;
        }
    }
}
