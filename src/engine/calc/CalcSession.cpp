#include "CalcSession.h"

#include "CalcDesktop.h"
#include "CalcDocument.h"
#include "CalcError.h"
#include "CalcFilterFamily.h"
#include "CalcLog.h"
#include "CalcOffice.h"
#include "CalcPaths.h"

CalcSession::CalcSession(CalcOffice &office)
    : m_desktop(office.createDesktop())
{
    if (!m_desktop)
        throw CalcError(QStringLiteral("the office gave no desktop"));
}

CalcSession::~CalcSession()
{
    closeDocument();
    m_desktop.reset();
}

CalcDocument &CalcSession::open(const QString &path)
{
    closeDocument();
    m_document = m_desktop->loadComponentFromUrl(CalcPaths::documentUrl(path));
    if (!m_document)
        throw CalcRefusal(QStringLiteral("the office cannot read it as a spreadsheet (it is damaged or of another kind)"));
    m_filterName = m_document->filterName();
    if (!CalcFilterFamily::fits(CalcPaths::extension(path), m_filterName)) {
        qCWarning(lcCalc).noquote() << "the office read" << path << "through the filter" << m_filterName;
        closeDocument();
        throw CalcRefusal(QStringLiteral("the office reads it only as plain text, not as the spreadsheet its name "
                                         "promises"));
    }
    return *m_document;
}

void CalcSession::closeDocument()
{
    if (!m_document)
        return;
    try {
        m_document->close();
    } catch (const std::exception &e) {
        qCWarning(lcCalc) << "closing a document failed:" << e.what();
    }
    m_document.reset();
}
