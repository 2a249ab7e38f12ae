#pragma once

#include "OfficeBackend.h"

class ExcelOffice;
class WordOffice;

// The Excel back-end of a run and of the main window's queries. Sheets are numbered
// from 1. Word, where present, receives the tables of the Word-table option.
class ExcelBackend : public OfficeBackend
{
public:
    ExcelBackend(ExcelOffice &excel, WordOffice *word);

    void formatDocument(const QString &path, int sheet, int position, int count,
                        const FormatJob &job, BackendHost &host) override;
    bool formatAllSheets(const QString &path, int position, int count, const FormatJob &job,
                         BackendHost &host) override;
    void readSheetNames(const QString &path, BackendHost &host) override;
    void readPatternWidths(const QString &path, int sheet, BackendHost &host) override;
    std::optional<QString> viewSheetName(const QString &path, int sheet, BackendHost &host) override;

private:
    ExcelOffice &m_excel;
    WordOffice *m_word = nullptr;
};
