#pragma once

#include "OfficeDetectionPort.h"

#include <QStringList>

// Office detection answered by the test: which classes are registered and what each
// start gives. Records the order of the checks.
class FakeDetectionPort : public OfficeDetectionPort
{
public:
    bool classRegistered(const QString &progId) override
    {
        calls.append(progId);
        return registered.contains(progId);
    }
    QString excelVersion() override { calls.append(QStringLiteral("excelVersion")); return excelVersionText; }
    bool wordPresenceCheck() override { calls.append(QStringLiteral("word")); return wordStarts; }
    bool calcStartTest() override { calls.append(QStringLiteral("calc")); return calcStarts; }
    QStringList calcExportFilters() override { return exportFilters; }

    QStringList registered;
    QString excelVersionText;
    bool wordStarts = true;
    bool calcStarts = true;
    QStringList exportFilters;   // empty: not known
    QStringList calls;
};
