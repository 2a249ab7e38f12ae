#include "CalcPageStyleSharing.h"

#include "CalcDocument.h"
#include "CalcSheet.h"

CalcPageStyleSharing::CalcPageStyleSharing(CalcDocument &document, const QSet<int> &formatted)
    : m_document(document)
    , m_formatted(formatted)
{
}

QString CalcPageStyleSharing::styleToFormat(CalcSheet &sheet)
{
    const QString style = sheet.pageStyleName();
    QString copy = m_copies.value(style);
    if (copy.isEmpty()) {
        if (!sharedWithOthers(style))
            return style;
        copy = m_document.copyPageStyle(style);
        m_copies.insert(style, copy);
    }
    sheet.setPageStyleName(copy);
    return copy;
}

bool CalcPageStyleSharing::sharedWithOthers(const QString &style)
{
    if (!m_styleOfSheet) {
        // With every sheet formatted no sheet is left to be changed unasked.
        const int count = m_document.sheetCount();
        QStringList styles;
        if (m_formatted.size() < count) {
            for (int index = 0; index < count; ++index)
                styles.append(m_document.sheet(index)->pageStyleName());
        }
        m_styleOfSheet = styles;
    }
    for (int index = 0; index < m_styleOfSheet->size(); ++index) {
        if (!m_formatted.contains(index) && m_styleOfSheet->at(index) == style)
            return true;
    }
    return false;
}
