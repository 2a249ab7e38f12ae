#include "FakeCalcHeaderContent.h"

#include "FakeCalcDocument.h"

FakeCalcHeaderContent::FakeCalcHeaderContent(FakeCalcDocument &document,
                                             const FakeCalcHeaderData &data)
    : m_document(document)
    , m_data(data)
{
}

void FakeCalcHeaderContent::setCentreText(const QString &text)
{
    m_data.centre.clear();
    if (!text.isEmpty())
        m_data.centre.append({FakeCalcHeaderPart::Kind::Text, text});
}

void FakeCalcHeaderContent::appendCentrePageNumber()
{
    // The field is created through the document, which must still be open.
    m_document.book(QStringLiteral("createPageNumber"));
    m_data.centre.append({FakeCalcHeaderPart::Kind::PageNumber, {}});
}

void FakeCalcHeaderContent::removeCentrePageNumbers()
{
    m_data.centre.removeIf([](const FakeCalcHeaderPart &part) { return part.kind == FakeCalcHeaderPart::Kind::PageNumber; });
}
