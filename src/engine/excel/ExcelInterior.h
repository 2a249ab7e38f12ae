#pragma once

#include "AutomationValue.h"

#include <cstdint>

// Range.Interior: the cells' background.
class ExcelInterior
{
public:
    virtual ~ExcelInterior() = default;

    // ColorIndex; a null value removes the background.
    virtual void setColorIndex(const AutomationValue &index) = 0;
    // A Windows colour value 0x00BBGGRR.
    virtual void setColor(std::uint32_t color) = 0;
};
