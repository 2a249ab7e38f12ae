#pragma once

#include <memory>
#include <string>

class ExcelColumns;
class ExcelPageSetup;
class ExcelRange;

// One sheet of a workbook.
class ExcelWorksheet
{
public:
    virtual ~ExcelWorksheet() = default;

    virtual std::wstring name() = 0;
    // Cells(row, column), both from 1.
    virtual std::unique_ptr<ExcelRange> cells(int row, int column) = 0;
    // Range(address) with an A1-style address holding a colon, such as "A1:C9".
    virtual std::unique_ptr<ExcelRange> range(const std::wstring &address) = 0;
    // Columns(number), from 1.
    virtual std::unique_ptr<ExcelColumns> columns(int number) = 0;
    virtual std::unique_ptr<ExcelPageSetup> pageSetup() = 0;
};
