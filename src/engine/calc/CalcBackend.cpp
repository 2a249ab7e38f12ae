#include "CalcBackend.h"

#include "CalcQueries.h"
#include "FormatDocumentCalc.h"

CalcBackend::CalcBackend(CalcOffice &office)
    : m_office(office)
{
}

void CalcBackend::formatDocument(const QString &path, int sheet, int position, int count,
                                 const FormatJob &job, BackendHost &host)
{
    const QString openPath = m_passes.fileToOpen(path, sheet, job);
    m_passes.passEnded(FormatDocumentCalc(m_office, path, sheet, position, count, job, host, openPath));
}

void CalcBackend::readSheetNames(const QString &path, BackendHost &host)
{
    ReadSheetNamesCalc(m_office, path, host);
}

void CalcBackend::readPatternWidths(const QString &path, int sheet, BackendHost &host)
{
    ReadPatternWidthsCalc(m_office, path, sheet, host);
}

std::optional<QString> CalcBackend::viewSheetName(const QString &path, int sheet, BackendHost &host)
{
    return ViewSheetNameCalc(m_office, path, sheet, host);
}
