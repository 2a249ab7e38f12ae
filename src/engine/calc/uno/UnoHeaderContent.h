#pragma once

#include "CalcHeaderContent.h"

#include <com/sun/star/sheet/XHeaderFooterContent.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextRange.hpp>

#include <vector>

class UnoDocument;

// The header content read from a page style; it takes effect when written back.
class UnoHeaderContent : public CalcHeaderContent
{
public:
    UnoHeaderContent(UnoDocument &document, const css::uno::Reference<css::sheet::XHeaderFooterContent> &content);

    QString leftText() override;
    void setLeftText(const QString &text) override;
    QString centreText() override;
    int centrePageNumberCount() override;
    void setCentreText(const QString &text) override;
    void appendCentrePageNumber() override;
    void removeCentrePageNumbers() override;
    QString rightText() override;

    css::uno::Reference<css::sheet::XHeaderFooterContent> content() const { return m_content; }

private:
    const css::uno::Reference<css::text::XText> &centre();
    // The portions of the centre text that hold a page-number field.
    std::vector<css::uno::Reference<css::text::XTextRange>> centrePageNumbers();

    UnoDocument &m_document;
    css::uno::Reference<css::sheet::XHeaderFooterContent> m_content;
    css::uno::Reference<css::text::XText> m_centre;
};
