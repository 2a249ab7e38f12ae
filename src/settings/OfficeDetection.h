#pragma once

#include <QString>
#include <QStringList>

class OfficeDetectionPort;

// What the office detection found; it never changes while the program runs.
struct OfficeDetectionResult
{
    bool ExcelInstalled = false;
    int ExcelMajorVersion = 0;   // 0 when Excel is missing or its version is not a number
    bool CalcInstalled = false;
    bool WordInstalled = false;
    // The export filters of the installed Calc; empty when not known, and then every
    // save-as entry of Calc counts as available.
    QStringList CalcExportFilters;
};

namespace OfficeDetection {

// Excel, then Calc, then Word, each through the port's class lookup and start test.
OfficeDetectionResult detect(OfficeDetectionPort &port);

// The major version in an Excel version text ("11.0" gives 11); 0 when the text before
// the first "." is not a decimal number that fits in 8 bits.
int majorVersion(const QString &versionText);

} // namespace OfficeDetection
