#pragma once

#include <string>

// Worksheet.PageSetup. Margins are in points.
class ExcelPageSetup
{
public:
    virtual ~ExcelPageSetup() = default;

    // 1 portrait, 2 landscape.
    virtual void setOrientation(int orientation) = 0;
    virtual void setLeftHeader(const std::wstring &text) = 0;
    virtual std::wstring centerHeader() = 0;
    virtual void setCenterHeader(const std::wstring &text) = 0;
    virtual void setCenterHorizontally(bool centre) = 0;
    virtual void setLeftMargin(double points) = 0;
    virtual void setRightMargin(double points) = 0;
    virtual void setTopMargin(double points) = 0;
    virtual void setBottomMargin(double points) = 0;
};
