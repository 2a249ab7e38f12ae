#include "UnoCellRange.h"

#include <com/sun/star/awt/FontSlant.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XSheetOperation.hpp>
#include <com/sun/star/table/CellHoriJustify.hpp>
#include <com/sun/star/table/TableBorder.hpp>

using namespace css;
using UnoValues::guarded;
using UnoValues::read;

namespace {

table::BorderLine unoLine(const CalcBorderLine &line)
{
    return table::BorderLine(line.Color, sal_Int16(line.InnerLineWidth), sal_Int16(line.OuterLineWidth),
                             sal_Int16(line.LineDistance));
}

CalcBorderLine calcLine(const table::BorderLine &line)
{
    return CalcBorderLine{line.Color, line.InnerLineWidth, line.OuterLineWidth, line.LineDistance};
}

} // namespace

UnoCellRange::UnoCellRange(const uno::Reference<table::XCellRange> &range)
    : m_range(range)
{
}

const uno::Reference<beans::XMultiPropertySet> &UnoCellRange::propertySet()
{
    if (!m_properties.is())
        m_properties.set(m_range, uno::UNO_QUERY_THROW);
    return m_properties;
}

CalcRangeAddress UnoCellRange::address()
{
    return guarded("reading a range address", [&] {
        const table::CellRangeAddress a =
            uno::Reference<sheet::XCellRangeAddressable>(m_range, uno::UNO_QUERY_THROW)->getRangeAddress();
        return CalcRangeAddress{a.StartColumn, a.StartRow, a.EndColumn, a.EndRow};
    });
}

UnoValues::PropertyBatch UnoCellRange::batch(const CalcCellProperties &p)
{
    UnoValues::PropertyBatch batch;
    if (p.CharFontName)
        batch.add("CharFontName", uno::Any(UnoValues::toOUString(*p.CharFontName)));
    if (p.CharHeight)
        batch.add("CharHeight", uno::Any(float(*p.CharHeight)));
    if (p.CharWeight)
        batch.add("CharWeight", uno::Any(float(*p.CharWeight)));
    if (p.CharPosture)
        batch.add("CharPosture", uno::Any(awt::FontSlant(*p.CharPosture)));
    if (p.CharColor)
        batch.add("CharColor", uno::Any(sal_Int32(*p.CharColor)));
    if (p.CellBackColor)
        batch.add("CellBackColor", uno::Any(sal_Int32(*p.CellBackColor)));
    if (p.HoriJustify)
        batch.add("HoriJustify", uno::Any(table::CellHoriJustify(*p.HoriJustify)));
    if (p.VertJustify)
        batch.add("VertJustify", uno::Any(sal_Int32(*p.VertJustify)));
    if (p.IsTextWrapped)
        batch.add("IsTextWrapped", uno::Any(*p.IsTextWrapped));
    return batch;
}

void UnoCellRange::setProperties(const CalcCellProperties &properties)
{
    guarded("formatting a range", [&] { batch(properties).write(propertySet()); });
}

CalcCellProperties UnoCellRange::properties()
{
    return guarded("reading a range's format", [&] {
        const uno::Sequence<uno::Any> v = UnoValues::readProperties(
            propertySet(), {"CharFontName", "CharHeight", "CharWeight", "CharPosture", "CharColor",
                            "CellBackColor", "HoriJustify", "VertJustify", "IsTextWrapped"});
        CalcCellProperties p;
        if (const auto name = read<OUString>(v[0]))
            p.CharFontName = UnoValues::toQString(*name);
        if (const auto height = read<float>(v[1]))
            p.CharHeight = *height;
        if (const auto weight = read<float>(v[2]))
            p.CharWeight = int(*weight);
        if (const auto posture = read<awt::FontSlant>(v[3]))
            p.CharPosture = int(*posture);
        p.CharColor = read<sal_Int32>(v[4]);
        p.CellBackColor = read<sal_Int32>(v[5]);
        if (const auto hori = read<table::CellHoriJustify>(v[6]))
            p.HoriJustify = int(*hori);
        p.VertJustify = read<sal_Int32>(v[7]);
        p.IsTextWrapped = read<bool>(v[8]);
        return p;
    });
}

void UnoCellRange::fitRowHeights()
{
    guarded("fitting the row heights", [&] {
        // Deleting nothing: the office then fits the rows' heights as after any change,
        // keeping the heights the user fixed, and the cells stay as they are.
        uno::Reference<sheet::XSheetOperation>(m_range, uno::UNO_QUERY_THROW)->clearContents(0);
    });
}

CalcTableBorder UnoCellRange::tableBorder()
{
    return guarded("reading the borders", [&] {
        table::TableBorder b;
        UnoValues::readProperties(propertySet(), {"TableBorder"})[0] >>= b;
        CalcTableBorder border;
        border.TopLine = calcLine(b.TopLine);
        border.IsTopLineValid = b.IsTopLineValid;
        border.BottomLine = calcLine(b.BottomLine);
        border.IsBottomLineValid = b.IsBottomLineValid;
        border.LeftLine = calcLine(b.LeftLine);
        border.IsLeftLineValid = b.IsLeftLineValid;
        border.RightLine = calcLine(b.RightLine);
        border.IsRightLineValid = b.IsRightLineValid;
        border.HorizontalLine = calcLine(b.HorizontalLine);
        border.IsHorizontalLineValid = b.IsHorizontalLineValid;
        border.VerticalLine = calcLine(b.VerticalLine);
        border.IsVerticalLineValid = b.IsVerticalLineValid;
        return border;
    });
}

void UnoCellRange::setTableBorder(const CalcTableBorder &border)
{
    guarded("writing the borders", [&] {
        table::TableBorder b;
        b.TopLine = unoLine(border.TopLine);
        b.IsTopLineValid = border.IsTopLineValid;
        b.BottomLine = unoLine(border.BottomLine);
        b.IsBottomLineValid = border.IsBottomLineValid;
        b.LeftLine = unoLine(border.LeftLine);
        b.IsLeftLineValid = border.IsLeftLineValid;
        b.RightLine = unoLine(border.RightLine);
        b.IsRightLineValid = border.IsRightLineValid;
        b.HorizontalLine = unoLine(border.HorizontalLine);
        b.IsHorizontalLineValid = border.IsHorizontalLineValid;
        b.VerticalLine = unoLine(border.VerticalLine);
        b.IsVerticalLineValid = border.IsVerticalLineValid;
        b.Distance = 0;
        b.IsDistanceValid = false;
        UnoValues::PropertyBatch batch;
        batch.add("TableBorder", uno::Any(b));
        batch.write(propertySet());
    });
}
