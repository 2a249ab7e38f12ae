#pragma once

#include <optional>

// Page-style properties written (and read back) in one call; sizes in 1/100 mm. A
// field left empty is neither written nor, on reading, known.
struct CalcPageStyleProperties
{
    std::optional<bool> IsLandscape;
    std::optional<int> Width;
    std::optional<int> Height;
    std::optional<bool> HeaderIsOn;
    std::optional<bool> HeaderIsShared;
    std::optional<bool> CenterHorizontally;
    std::optional<int> LeftMargin;
    std::optional<int> RightMargin;
    std::optional<int> TopMargin;
    std::optional<int> BottomMargin;

    bool isEmpty() const
    {
        return !IsLandscape && !Width && !Height && !HeaderIsOn && !HeaderIsShared
            && !CenterHorizontally && !LeftMargin && !RightMargin && !TopMargin && !BottomMargin;
    }
    bool operator==(const CalcPageStyleProperties &) const = default;
};
