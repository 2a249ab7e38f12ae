#include "CalcSession.h"

#include "CalcDesktop.h"
#include "CalcDocument.h"
#include "CalcError.h"
#include "CalcFilterFamily.h"
#include "CalcLog.h"
#include "CalcOffice.h"
#include "CalcPaths.h"

namespace {

// A damaged file is often read as plain text: one reason serves both.
QString unreadable()
{
    return QStringLiteral("the office cannot read it as a spreadsheet (it is damaged, or text under a spreadsheet's "
                          "name)");
}

} // namespace

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
        throw CalcRefusal(unreadable());
    m_filterName = m_document->filterName();
    if (!CalcFilterFamily::fits(CalcPaths::extension(path), m_filterName)) {
        qCWarning(lcCalc).noquote() << "the office read" << path << "through the filter" << m_filterName;
        closeDocument();
        throw CalcRefusal(unreadable());
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
