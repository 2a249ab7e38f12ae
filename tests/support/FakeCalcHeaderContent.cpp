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

void FakeCalcHeaderContent::insertCentrePageNumber()
{
    // The field is created through the document, which must still be open.
    m_document.book(QStringLiteral("createPageNumber"));
    // A new cursor stands at the start of the text.
    m_data.centre.prepend({FakeCalcHeaderPart::Kind::PageNumber, {}});
}
