#pragma once

#include "CalcPageStyleProperties.h"

#include <QString>

#include <memory>

class CalcHeaderContent;

// A page style of the "PageStyles" family.
class CalcPageStyle
{
public:
    virtual ~CalcPageStyle() = default;

    virtual QString name() = 0;
    virtual CalcPageStyleProperties properties() = 0;
    virtual void setProperties(const CalcPageStyleProperties &properties) = 0;

    // "RightPageHeaderContent": read gives a copy that is changed and written back.
    virtual std::unique_ptr<CalcHeaderContent> rightPageHeaderContent() = 0;
    virtual void setRightPageHeaderContent(const CalcHeaderContent &content) = 0;
};
