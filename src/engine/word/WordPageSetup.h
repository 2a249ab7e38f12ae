#pragma once

#include <string>

// Document.PageSetup.
class WordPageSetup
{
public:
    virtual ~WordPageSetup() = default;

    // 0 portrait, 1 landscape.
    virtual void setOrientation(int orientation) = 0;
    // Margins given as text, which Word reads in its current measurement unit.
    virtual void setTopMargin(const std::wstring &margin) = 0;
    virtual void setBottomMargin(const std::wstring &margin) = 0;
    virtual void setLeftMargin(const std::wstring &margin) = 0;
    virtual void setRightMargin(const std::wstring &margin) = 0;
};
