#pragma once

#include "CalcDocument.h"
#include "FakeCalcWorkbook.h"

class FakeCalcOffice;

// An open document of FakeCalcOffice: a copy of a workbook on its disk.
class FakeCalcDocument : public CalcDocument
{
public:
    FakeCalcDocument(FakeCalcOffice &office, const QString &url, const FakeCalcWorkbook &book);
    ~FakeCalcDocument() override;

    QString filterName() override;
    int sheetCount() override;
    QStringList sheetNames() override;
    std::unique_ptr<CalcSheet> sheet(int index) override;
    int pageStyleCount() override;
    std::unique_ptr<CalcPageStyle> pageStyle(int index) override;
    std::unique_ptr<CalcPageStyle> pageStyle(const QString &name) override;
    QString copyPageStyle(const QString &name) override;
    void setRowHeightsLocked(bool locked) override;
    void storeToUrl(const QString &url, const CalcFilterArgs &args) override;
    void store() override;
    void close() override;

    // For the sheet and page-style objects: the office, and the workbook as long as the
    // document is open (a call on a closed document throws).
    FakeCalcOffice &office() { return m_office; }
    FakeCalcWorkbook &book(const QString &call);

private:
    FakeCalcOffice &m_office;
    QString m_url;
    FakeCalcWorkbook m_book;
    bool m_open = true;
};
