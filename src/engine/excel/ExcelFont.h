#pragma once

#include <cstdint>
#include <string>

// Range.Font: the font of every cell of the range.
class ExcelFont
{
public:
    virtual ~ExcelFont() = default;

    virtual void setName(const std::wstring &name) = 0;
    virtual void setSize(int size) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void setItalic(bool italic) = 0;
    // A Windows colour value 0x00BBGGRR.
    virtual void setColor(std::uint32_t color) = 0;
};
