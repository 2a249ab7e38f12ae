#pragma once

#include "OfficeBackends.h"

#include <QStringList>

#include <memory>

class ExcelOffice;
class WordOffice;

// The office suites this program can drive here, for its whole life: the one
// LibreOffice process and the Calc back-end over it. Excel and Word are reached
// through COM, which exists only on Windows.
class OfficeServices
{
public:
    OfficeServices();
    ~OfficeServices();

    OfficeBackends backends() const;
    // Excel and Word through COM: none on this platform.
    ExcelOffice *excel() const { return nullptr; }
    WordOffice *word() const { return nullptr; }
    bool sofficeFound() const;
    bool calcStartTest();
    QStringList calcExportFilters();
    // Starts the office process ahead of its first use (see UnoOffice::startEarly).
    void startEarly();
    // Ends the office process now (also done by the destructor).
    void shutdown();
    // The calls made to the office so far (0 without one).
    qint64 remoteCalls() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
