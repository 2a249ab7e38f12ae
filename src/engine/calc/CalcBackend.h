#pragma once

#include "OfficeBackend.h"

class CalcOffice;

// The Calc back-end of a run and of the main window's queries, over the office that
// the program keeps for its whole life.
class CalcBackend : public OfficeBackend
{
public:
    explicit CalcBackend(CalcOffice &office);

    // sheet is the 0-based sheet index.
    void formatDocument(const QString &path, int sheet, int position, int count,
                        const FormatJob &job, BackendHost &host) override;
    bool formatAllSheets(const QString &path, int position, int count, const FormatJob &job,
                         BackendHost &host) override;
    std::optional<QString> targetPath(const QString &path, const FormatJob &job) const override;
    void readSheetNames(const QString &path, BackendHost &host) override;
    // sheet is the 0-based sheet index.
    void readPatternWidths(const QString &path, int sheet, BackendHost &host) override;
    // sheet is the 1-based sheet number of edtApplySheet.
    std::optional<QString> viewSheetName(const QString &path, int sheet, BackendHost &host) override;

private:
    CalcOffice &m_office;
};
