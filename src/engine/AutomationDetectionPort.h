#pragma once

#include "OfficeDetectionPort.h"

class ExcelOffice;
class WordOffice;

// The office detection with Excel and Word checked through their automation surfaces;
// the Calc checks go to the platform's own port. A suite without a surface here (no
// COM on this platform) is not registered.
class AutomationDetectionPort : public OfficeDetectionPort
{
public:
    AutomationDetectionPort(ExcelOffice *excel, WordOffice *word, OfficeDetectionPort &calc);

    bool classRegistered(const QString &progId) override;
    QString excelVersion() override;
    bool wordPresenceCheck() override;
    bool calcStartTest() override;
    QStringList calcExportFilters() override;

private:
    ExcelOffice *m_excel = nullptr;
    WordOffice *m_word = nullptr;
    OfficeDetectionPort &m_calc;
};
