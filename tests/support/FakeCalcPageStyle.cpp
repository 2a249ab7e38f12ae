#include "FakeCalcPageStyle.h"

#include "CalcError.h"
#include "FakeCalcDocument.h"
#include "FakeCalcHeaderContent.h"

FakeCalcPageStyle::FakeCalcPageStyle(FakeCalcDocument &document, const QString &name)
    : m_document(document)
    , m_name(name)
{
}

FakeCalcPageStyleData &FakeCalcPageStyle::data(const QString &call)
{
    FakeCalcPageStyleData *style = m_document.book(call).pageStyle(m_name);
    if (!style)
        throw CalcError(QStringLiteral("the page style is gone"));
    return *style;
}

CalcPageStyleProperties FakeCalcPageStyle::properties()
{
    const FakeCalcPageStyleData &s = data(QStringLiteral("pageStyleProperties"));
    CalcPageStyleProperties p;
    p.IsLandscape = s.isLandscape;
    p.Width = s.width;
    p.Height = s.height;
    p.HeaderIsOn = s.headerIsOn;
    p.HeaderIsShared = s.headerIsShared;
    p.CenterHorizontally = s.centerHorizontally;
    p.LeftMargin = s.leftMargin;
    p.RightMargin = s.rightMargin;
    p.TopMargin = s.topMargin;
    p.BottomMargin = s.bottomMargin;
    return p;
}

void FakeCalcPageStyle::setProperties(const CalcPageStyleProperties &p)
{
    FakeCalcPageStyleData &s = data(QStringLiteral("setPageStyleProperties"));
    s.isLandscape = p.IsLandscape.value_or(s.isLandscape);
    s.width = p.Width.value_or(s.width);
    s.height = p.Height.value_or(s.height);
    s.headerIsOn = p.HeaderIsOn.value_or(s.headerIsOn);
    s.headerIsShared = p.HeaderIsShared.value_or(s.headerIsShared);
    s.centerHorizontally = p.CenterHorizontally.value_or(s.centerHorizontally);
    s.leftMargin = p.LeftMargin.value_or(s.leftMargin);
    s.rightMargin = p.RightMargin.value_or(s.rightMargin);
    s.topMargin = p.TopMargin.value_or(s.topMargin);
    s.bottomMargin = p.BottomMargin.value_or(s.bottomMargin);
}

std::unique_ptr<CalcHeaderContent> FakeCalcPageStyle::rightPageHeaderContent()
{
    return std::make_unique<FakeCalcHeaderContent>(m_document,
                                                   data(QStringLiteral("rightPageHeaderContent")).header);
}

void FakeCalcPageStyle::setRightPageHeaderContent(const CalcHeaderContent &content)
{
    FakeCalcPageStyleData &s = data(QStringLiteral("setRightPageHeaderContent"));
    const auto *fake = dynamic_cast<const FakeCalcHeaderContent *>(&content);
    if (!fake)
        throw CalcError(QStringLiteral("a header content of another office"));
    s.header = fake->data();
}
