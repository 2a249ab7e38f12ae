#pragma once

#include "CalcPageStyle.h"
#include "FakeCalcWorkbook.h"

class FakeCalcDocument;

// A page style of a FakeCalcDocument, found by its name.
class FakeCalcPageStyle : public CalcPageStyle
{
public:
    FakeCalcPageStyle(FakeCalcDocument &document, const QString &name);

    QString name() override { return m_name; }
    CalcPageStyleProperties properties() override;
    void setProperties(const CalcPageStyleProperties &properties) override;
    std::unique_ptr<CalcHeaderContent> rightPageHeaderContent() override;
    void setRightPageHeaderContent(const CalcHeaderContent &content) override;

private:
    FakeCalcPageStyleData &data(const QString &call);

    FakeCalcDocument &m_document;
    QString m_name;
};
