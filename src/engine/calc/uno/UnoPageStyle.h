#pragma once

#include "CalcPageStyle.h"

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/style/XStyle.hpp>

class UnoDocument;

// A page style of a loaded document.
class UnoPageStyle : public CalcPageStyle
{
public:
    UnoPageStyle(UnoDocument &document, const css::uno::Reference<css::style::XStyle> &style);

    QString name() override;
    CalcPageStyleProperties properties() override;
    void setProperties(const CalcPageStyleProperties &properties) override;
    std::unique_ptr<CalcHeaderContent> rightPageHeaderContent() override;
    void setRightPageHeaderContent(const CalcHeaderContent &content) override;

private:
    const css::uno::Reference<css::beans::XMultiPropertySet> &propertySet();

    UnoDocument &m_document;
    css::uno::Reference<css::style::XStyle> m_style;
    css::uno::Reference<css::beans::XMultiPropertySet> m_properties;
};
