#pragma once

// Document.PageSetup.
class WordPageSetup
{
public:
    virtual ~WordPageSetup() = default;

    // 0 portrait, 1 landscape.
    virtual void setOrientation(int orientation) = 0;
    // Margins in points, as Word's object model takes them whatever unit its user chose.
    virtual void setTopMargin(double points) = 0;
    virtual void setBottomMargin(double points) = 0;
    virtual void setLeftMargin(double points) = 0;
    virtual void setRightMargin(double points) = 0;
};
