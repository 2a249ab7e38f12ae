#include "QtOfficeDetectionPort.h"

#include "OfficeServices.h"

bool QtOfficeDetectionPort::classRegistered(const QString &progId)
{
    if (progId == QStringLiteral("com.sun.star.ServiceManager"))
        return m_office.sofficeFound();
    return false;
}

QStringList QtOfficeDetectionPort::calcExportFilters()
{
    return m_office.calcExportFilters();
}

bool QtOfficeDetectionPort::calcStartTest()
{
    return m_office.calcStartTest();
}
