#pragma once

#include <QString>

// The three texts of a page header, as read from a page style. Changes take effect
// when the content is written back to the style.
class CalcHeaderContent
{
public:
    virtual ~CalcHeaderContent() = default;

    virtual QString leftText() = 0;
    virtual void setLeftText(const QString &text) = 0;

    // The centre text as shown, fields included as the office presents them.
    virtual QString centreText() = 0;
    // How many page-number fields the centre text holds.
    virtual int centrePageNumberCount() = 0;
    // Replaces everything in the centre text, fields included.
    virtual void setCentreText(const QString &text) = 0;
    // Creates a page-number field through the document and inserts it at the end of
    // the centre text.
    virtual void appendCentrePageNumber() = 0;
    // Removes the page-number fields of the centre text; its other text stays.
    virtual void removeCentrePageNumbers() = 0;

    virtual QString rightText() = 0;
};
