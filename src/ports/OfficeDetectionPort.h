#pragma once

#include <QString>
#include <QStringList>

// The platform side of the office detection: which automation classes are registered
// and what starting each suite gives. The order of the checks and what follows from
// them is OfficeDetection's.
class OfficeDetectionPort
{
public:
    virtual ~OfficeDetectionPort() = default;
    // Whether an automation class of this name is registered ("Excel.Application",
    // "com.sun.star.ServiceManager", "Word.Application").
    virtual bool classRegistered(const QString &progId) = 0;
    // Starts Excel hidden, reads its Version text and quits it. Empty on failure.
    virtual QString excelVersion() = 0;
    // Starts Word, reads its Version and quits it; false on failure.
    virtual bool wordPresenceCheck() = 0;
    // Opens a hidden new spreadsheet in Calc and closes it; false on any failure.
    virtual bool calcStartTest() = 0;
    // The export filters the installed Calc offers (its filter configuration, export
    // flag set); empty when they cannot be learnt.
    virtual QStringList calcExportFilters() { return {}; }
};
