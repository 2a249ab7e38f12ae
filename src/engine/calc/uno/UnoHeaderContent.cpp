#include "UnoHeaderContent.h"

#include "UnoDocument.h"
#include "UnoValues.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextCursor.hpp>

using namespace css;
using UnoValues::guarded;

UnoHeaderContent::UnoHeaderContent(UnoDocument &document,
                                   const uno::Reference<sheet::XHeaderFooterContent> &content)
    : m_document(document)
    , m_content(content)
{
}

const uno::Reference<text::XText> &UnoHeaderContent::centre()
{
    if (!m_centre.is())
        m_centre = m_content->getCenterText();
    return m_centre;
}

QString UnoHeaderContent::leftText()
{
    return guarded("reading the header", [&] { return UnoValues::toQString(m_content->getLeftText()->getString()); });
}

void UnoHeaderContent::setLeftText(const QString &text)
{
    guarded("writing the header", [&] { m_content->getLeftText()->setString(UnoValues::toOUString(text)); });
}

QString UnoHeaderContent::centreText()
{
    return guarded("reading the header", [&] { return UnoValues::toQString(centre()->getString()); });
}

int UnoHeaderContent::centrePageNumberCount()
{
    return guarded("reading the header's fields", [&] {
        // Paragraphs, then their portions; a field portion carries its field.
        int count = 0;
        const uno::Reference<container::XEnumeration> paragraphs =
            uno::Reference<container::XEnumerationAccess>(centre(), uno::UNO_QUERY_THROW)->createEnumeration();
        while (paragraphs->hasMoreElements()) {
            const uno::Reference<container::XEnumerationAccess> paragraph(paragraphs->nextElement(),
                                                                          uno::UNO_QUERY_THROW);
            const uno::Reference<container::XEnumeration> portions = paragraph->createEnumeration();
            while (portions->hasMoreElements()) {
                const uno::Reference<beans::XPropertySet> portion(portions->nextElement(), uno::UNO_QUERY_THROW);
                OUString type;
                portion->getPropertyValue("TextPortionType") >>= type;
                if (type != "TextField")
                    continue;
                const uno::Reference<lang::XServiceInfo> field(portion->getPropertyValue("TextField"),
                                                               uno::UNO_QUERY);
                if (field.is() && field->supportsService("com.sun.star.text.TextField.PageNumber"))
                    ++count;
            }
        }
        return count;
    });
}

void UnoHeaderContent::setCentreText(const QString &text)
{
    guarded("writing the header", [&] { centre()->setString(UnoValues::toOUString(text)); });
}

void UnoHeaderContent::insertCentrePageNumber()
{
    guarded("inserting the page number", [&] {
        const uno::Reference<text::XTextContent> field(
            m_document.factory()->createInstance("com.sun.star.text.TextField.PageNumber"), uno::UNO_QUERY_THROW);
        const uno::Reference<text::XText> &text = centre();
        const uno::Reference<text::XTextCursor> cursor = text->createTextCursor();
        text->insertTextContent(uno::Reference<text::XTextRange>(cursor.get()), field, true);
    });
}

QString UnoHeaderContent::rightText()
{
    return guarded("reading the header", [&] { return UnoValues::toQString(m_content->getRightText()->getString()); });
}
