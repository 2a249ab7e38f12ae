#pragma once

#include "CalcHeaderContent.h"
#include "FakeCalcWorkbook.h"

class FakeCalcDocument;

// A copy of a page style's header, changed by the back-end and written back.
class FakeCalcHeaderContent : public CalcHeaderContent
{
public:
    FakeCalcHeaderContent(FakeCalcDocument &document, const FakeCalcHeaderData &data);

    QString leftText() override { return m_data.left; }
    void setLeftText(const QString &text) override { m_data.left = text; }
    QString centreText() override { return m_data.centreText(); }
    int centrePageNumberCount() override { return m_data.pageNumberCount(); }
    void setCentreText(const QString &text) override;
    void appendCentrePageNumber() override;
    void removeCentrePageNumbers() override;
    QString rightText() override { return m_data.right; }

    const FakeCalcHeaderData &data() const { return m_data; }

private:
    FakeCalcDocument &m_document;
    FakeCalcHeaderData m_data;
};
