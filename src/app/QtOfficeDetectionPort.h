#pragma once

#include "OfficeDetectionPort.h"

class OfficeServices;

// The platform's own detection checks: Calc is registered when a LibreOffice is found,
// and its start test runs through the program's office process. Excel and Word are
// checked through their automation surfaces (AutomationDetectionPort); without COM
// this port never finds them.
class QtOfficeDetectionPort : public OfficeDetectionPort
{
public:
    explicit QtOfficeDetectionPort(OfficeServices &office) : m_office(office) {}

    bool classRegistered(const QString &progId) override;
    QString excelVersion() override { return QString(); }
    bool wordPresenceCheck() override { return false; }
    bool calcStartTest() override;
    QStringList calcExportFilters() override;

private:
    OfficeServices &m_office;
};
