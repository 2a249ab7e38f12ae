#include "UnoHeaderContent.h"

#include "UnoDocument.h"
#include "UnoValues.h"

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextCursor.hpp>

using namespace css;
using UnoValues::guarded;

namespace {

// Bounds the removal should a field refuse to go.
constexpr int MaxFieldsRemoved = 100;

} // namespace

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

std::vector<uno::Reference<text::XTextRange>> UnoHeaderContent::centrePageNumbers()
{
    // Paragraphs, then their portions; a field portion carries its field.
    std::vector<uno::Reference<text::XTextRange>> fields;
    const uno::Reference<container::XEnumeration> paragraphs =
        uno::Reference<container::XEnumerationAccess>(centre(), uno::UNO_QUERY_THROW)->createEnumeration();
    while (paragraphs->hasMoreElements()) {
        const uno::Reference<container::XEnumerationAccess> paragraph(paragraphs->nextElement(), uno::UNO_QUERY_THROW);
        const uno::Reference<container::XEnumeration> portions = paragraph->createEnumeration();
        while (portions->hasMoreElements()) {
            const uno::Reference<beans::XMultiPropertySet> portion(portions->nextElement(), uno::UNO_QUERY_THROW);
            // Both in one call; a portion of text has no field.
            const uno::Sequence<uno::Any> values = UnoValues::readProperties(portion, {"TextField", "TextPortionType"});
            OUString type;
            values[1] >>= type;
            if (type != "TextField")
                continue;
            const uno::Reference<lang::XServiceInfo> field(values[0], uno::UNO_QUERY);
            if (field.is() && field->supportsService("com.sun.star.text.TextField.PageNumber"))
                fields.emplace_back(portion, uno::UNO_QUERY_THROW);
        }
    }
    return fields;
}

int UnoHeaderContent::centrePageNumberCount()
{
    return guarded("reading the header's fields", [&] { return int(centrePageNumbers().size()); });
}

void UnoHeaderContent::setCentreText(const QString &text)
{
    guarded("writing the header", [&] { centre()->setString(UnoValues::toOUString(text)); });
}

void UnoHeaderContent::appendCentrePageNumber()
{
    guarded("inserting the page number", [&] {
        const uno::Reference<text::XTextContent> field(
            m_document.factory()->createInstance("com.sun.star.text.TextField.PageNumber"), uno::UNO_QUERY_THROW);
        const uno::Reference<text::XText> &text = centre();
        text->insertTextContent(text->getEnd(), field, false);
    });
}

void UnoHeaderContent::removeCentrePageNumbers()
{
    guarded("removing page numbers", [&] {
        // An empty centre (as Excel leaves it) holds no field: one call instead of walking
        // its paragraphs. A field shows as text, so a centre with one is never empty.
        if (centre()->getString().isEmpty())
            return;
        // A header's text does not give its fields up through removeTextContent; the
        // field's portion, emptied, takes the field with it. Emptying one portion moves
        // the others, so the text is read again after each (a header holds few fields).
        for (int removed = 0; removed < MaxFieldsRemoved; ++removed) {
            const std::vector<uno::Reference<text::XTextRange>> fields = centrePageNumbers();
            if (fields.empty())
                return;
            fields.front()->setString(OUString());
        }
    });
}

QString UnoHeaderContent::rightText()
{
    return guarded("reading the header", [&] { return UnoValues::toQString(m_content->getRightText()->getString()); });
}
