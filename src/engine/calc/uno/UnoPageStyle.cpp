#include "UnoPageStyle.h"

#include "CalcError.h"
#include "UnoHeaderContent.h"
#include "UnoValues.h"

#include <com/sun/star/sheet/XHeaderFooterContent.hpp>

using namespace css;
using UnoValues::guarded;
using UnoValues::read;

UnoPageStyle::UnoPageStyle(UnoDocument &document, const uno::Reference<style::XStyle> &style)
    : m_document(document)
    , m_style(style)
{
}

const uno::Reference<beans::XMultiPropertySet> &UnoPageStyle::propertySet()
{
    if (!m_properties.is())
        m_properties.set(m_style, uno::UNO_QUERY_THROW);
    return m_properties;
}

QString UnoPageStyle::name()
{
    return guarded("reading a page style's name", [&] { return UnoValues::toQString(m_style->getName()); });
}

CalcPageStyleProperties UnoPageStyle::properties()
{
    return guarded("reading a page style", [&] {
        const uno::Sequence<uno::Any> v = UnoValues::readProperties(
            propertySet(), {"IsLandscape", "Width", "Height", "HeaderIsOn", "HeaderIsShared",
                            "CenterHorizontally", "LeftMargin", "RightMargin", "TopMargin", "BottomMargin"});
        CalcPageStyleProperties p;
        p.IsLandscape = read<bool>(v[0]);
        p.Width = read<sal_Int32>(v[1]);
        p.Height = read<sal_Int32>(v[2]);
        p.HeaderIsOn = read<bool>(v[3]);
        p.HeaderIsShared = read<bool>(v[4]);
        p.CenterHorizontally = read<bool>(v[5]);
        p.LeftMargin = read<sal_Int32>(v[6]);
        p.RightMargin = read<sal_Int32>(v[7]);
        p.TopMargin = read<sal_Int32>(v[8]);
        p.BottomMargin = read<sal_Int32>(v[9]);
        return p;
    });
}

void UnoPageStyle::setProperties(const CalcPageStyleProperties &p)
{
    guarded("writing a page style", [&] {
        UnoValues::PropertyBatch batch;
        if (p.IsLandscape)
            batch.add("IsLandscape", uno::Any(*p.IsLandscape));
        if (p.Width)
            batch.add("Width", uno::Any(sal_Int32(*p.Width)));
        if (p.Height)
            batch.add("Height", uno::Any(sal_Int32(*p.Height)));
        if (p.HeaderIsOn)
            batch.add("HeaderIsOn", uno::Any(*p.HeaderIsOn));
        if (p.HeaderIsShared)
            batch.add("HeaderIsShared", uno::Any(*p.HeaderIsShared));
        if (p.CenterHorizontally)
            batch.add("CenterHorizontally", uno::Any(*p.CenterHorizontally));
        if (p.LeftMargin)
            batch.add("LeftMargin", uno::Any(sal_Int32(*p.LeftMargin)));
        if (p.RightMargin)
            batch.add("RightMargin", uno::Any(sal_Int32(*p.RightMargin)));
        if (p.TopMargin)
            batch.add("TopMargin", uno::Any(sal_Int32(*p.TopMargin)));
        if (p.BottomMargin)
            batch.add("BottomMargin", uno::Any(sal_Int32(*p.BottomMargin)));
        batch.write(propertySet());
    });
}

std::unique_ptr<CalcHeaderContent> UnoPageStyle::rightPageHeaderContent()
{
    return guarded("reading the page header", [&] {
        uno::Reference<sheet::XHeaderFooterContent> content(
            UnoValues::readProperties(propertySet(), {"RightPageHeaderContent"})[0], uno::UNO_QUERY_THROW);
        return std::make_unique<UnoHeaderContent>(m_document, content);
    });
}

void UnoPageStyle::setRightPageHeaderContent(const CalcHeaderContent &content)
{
    const auto *uno = dynamic_cast<const UnoHeaderContent *>(&content);
    if (!uno)
        throw CalcError(QStringLiteral("a page header of another office"));
    guarded("writing the page header", [&] {
        UnoValues::PropertyBatch batch;
        batch.add("RightPageHeaderContent", css::uno::Any(uno->content()));
        batch.write(propertySet());
    });
}
