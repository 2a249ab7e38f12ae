#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Cell-range properties written (and read back) in one call. A field left empty is
// neither written nor, on reading, known. Colours are 0xRRGGBB as the office takes
// them; values are those the office uses for these properties.
struct CalcCellProperties
{
    static constexpr int WeightNormal = 100;
    static constexpr int WeightBold = 200;
    static constexpr int PostureUpright = 0;
    static constexpr int PostureItalic = 2;
    static constexpr int HoriLeft = 1;
    static constexpr int HoriCentre = 2;
    static constexpr int HoriRight = 3;
    static constexpr int VertCentre = 2;
    static constexpr qint32 NoBackColor = -1;

    std::optional<QString> CharFontName;
    std::optional<double> CharHeight;        // points
    std::optional<int> CharWeight;
    std::optional<int> CharPosture;
    std::optional<qint32> CharColor;
    std::optional<qint32> CellBackColor;
    std::optional<int> HoriJustify;
    std::optional<int> VertJustify;
    std::optional<bool> IsTextWrapped;

    bool isEmpty() const
    {
        return !CharFontName && !CharHeight && !CharWeight && !CharPosture && !CharColor
            && !CellBackColor && !HoriJustify && !VertJustify && !IsTextWrapped;
    }
    bool operator==(const CalcCellProperties &) const = default;
};
