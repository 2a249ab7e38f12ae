#include "OfficeDetection.h"

#include "OfficeDetectionPort.h"

namespace OfficeDetection {

OfficeDetectionResult detect(OfficeDetectionPort &port)
{
    OfficeDetectionResult result;
    // An Excel that is registered but cannot be started or asked its version is as
    // unusable as a missing one; treating it as installed would steer every later
    // choice towards it.
    if (port.classRegistered(QStringLiteral("Excel.Application"))) {
        const QString version = port.excelVersion();
        if (!version.isEmpty()) {
            result.ExcelInstalled = true;
            result.ExcelMajorVersion = majorVersion(version);
        }
    }
    result.CalcInstalled = port.classRegistered(QStringLiteral("com.sun.star.ServiceManager")) && port.calcStartTest();
    if (result.CalcInstalled)
        result.CalcExportFilters = port.calcExportFilters();
    result.WordInstalled = port.classRegistered(QStringLiteral("Word.Application")) && port.wordPresenceCheck();
    return result;
}

int majorVersion(const QString &versionText)
{
    const QStringView major = QStringView(versionText).left(versionText.indexOf(QLatin1Char('.')));
    if (major.isEmpty())
        return 0;
    // The version is kept in 8 bits; a larger number is not a version Excel has.
    int value = 0;
    for (QChar c : major) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 255)
            return 0;
    }
    return value;
}

} // namespace OfficeDetection
