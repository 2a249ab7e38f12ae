#include "ExcelBackend.h"

#include "ExcelQueries.h"
#include "FormatDocumentExcel.h"

ExcelBackend::ExcelBackend(ExcelOffice &excel, WordOffice *word)
    : m_excel(excel)
    , m_word(word)
{
}

void ExcelBackend::formatDocument(const QString &path, int sheet, int position, int count,
                                  const FormatJob &job, BackendHost &host)
{
    FormatDocumentExcel(m_excel, m_word, path, sheet, position, count, job, host);
}

bool ExcelBackend::formatAllSheets(const QString &path, int position, int count, const FormatJob &job,
                                   BackendHost &host)
{
    FormatAllSheetsExcel(m_excel, m_word, path, position, count, job, host);
    return true;
}

void ExcelBackend::readSheetNames(const QString &path, BackendHost &host)
{
    ReadSheetNamesExcel(m_excel, path, host);
}

void ExcelBackend::readPatternWidths(const QString &path, int sheet, BackendHost &host)
{
    ReadPatternWidthsExcel(m_excel, path, sheet, host);
}

std::optional<QString> ExcelBackend::viewSheetName(const QString &path, int sheet, BackendHost &host)
{
    return ViewSheetNameExcel(m_excel, path, sheet, host);
}
