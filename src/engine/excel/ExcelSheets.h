#pragma once

#include <memory>

class ExcelWorksheet;

// Workbook.Sheets.
class ExcelSheets
{
public:
    virtual ~ExcelSheets() = default;

    virtual int count() = 0;
    // Sheets(number), from 1; throws beyond the last sheet.
    virtual std::unique_ptr<ExcelWorksheet> item(int number) = 0;
};
