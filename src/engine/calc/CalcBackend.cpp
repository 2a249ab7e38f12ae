#include "CalcBackend.h"

#include "CalcError.h"
#include "CalcQueries.h"
#include "CalcStorePlan.h"
#include "FormatJob.h"
#include "FormatDocumentCalc.h"

CalcBackend::CalcBackend(CalcOffice &office)
    : m_office(office)
{
}

void CalcBackend::formatDocument(const QString &path, int sheet, int position, int count,
                                 const FormatJob &job, BackendHost &host)
{
    FormatDocumentCalc(m_office, path, sheet, position, count, job, host);
}

bool CalcBackend::formatAllSheets(const QString &path, int position, int count, const FormatJob &job,
                                  BackendHost &host)
{
    FormatAllSheetsCalc(m_office, path, position, count, job, host);
    return true;
}

std::optional<QString> CalcBackend::targetPath(const QString &path, const FormatJob &job) const
{
    try {
        return CalcStorePlan::make(path, job.saveAs).targetPath;
    } catch (const CalcError &) {
        return std::nullopt;   // no usable save-as choice: every document fails at its store
    }
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
