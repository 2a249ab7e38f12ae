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
        throw CalcError(QStringLiteral("the office could not load %1").arg(path));
    const QString filter = m_document->filterName();
    if (!CalcFilterFamily::fits(CalcPaths::extension(path), filter)) {
        closeDocument();
        throw CalcError(QStringLiteral("the office read %1 through the filter \"%2\"").arg(path, filter));
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
