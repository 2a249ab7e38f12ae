#include "AutomationDetectionPort.h"

#include "ExcelOffice.h"
#include "ExcelPresence.h"
#include "WordExport.h"
#include "WordOffice.h"

AutomationDetectionPort::AutomationDetectionPort(ExcelOffice *excel, WordOffice *word, OfficeDetectionPort &calc)
    : m_excel(excel)
    , m_word(word)
    , m_calc(calc)
{
}

bool AutomationDetectionPort::classRegistered(const QString &progId)
{
    if (progId == QStringLiteral("Excel.Application"))
        return m_excel && m_excel->classRegistered();
    if (progId == QStringLiteral("Word.Application"))
        return m_word && m_word->classRegistered();
    return m_calc.classRegistered(progId);
}

QString AutomationDetectionPort::excelVersion()
{
    if (!m_excel)
        return QString();
    return QString::fromStdWString(ExcelPresenceCheck(*m_excel).value_or(std::wstring()));
}

bool AutomationDetectionPort::wordPresenceCheck()
{
    return m_word && WordPresenceCheck(*m_word);
}

QStringList AutomationDetectionPort::calcExportFilters()
{
    return m_calc.calcExportFilters();
}

bool AutomationDetectionPort::calcStartTest()
{
    return m_calc.calcStartTest();
}
