#pragma once

#include "OfficeDetectionPort.h"

class OfficeServices;

// The detection on this platform: no COM, so Excel and Word are never registered;
// Calc is registered when a LibreOffice is found, and its start test runs through
// the program's office process.
class QtOfficeDetectionPort : public OfficeDetectionPort
{
public:
    explicit QtOfficeDetectionPort(OfficeServices &office) : m_office(office) {}

    bool classRegistered(const QString &progId) override;
    QString excelVersion() override { return QString(); }
    bool wordPresenceCheck() override { return false; }
    bool calcStartTest() override;

private:
    OfficeServices &m_office;
};
