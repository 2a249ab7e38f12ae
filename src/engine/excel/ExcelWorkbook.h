#pragma once

#include <memory>
#include <string>

class ExcelSheets;

// One open workbook.
class ExcelWorkbook
{
public:
    virtual ~ExcelWorkbook() = default;

    virtual std::unique_ptr<ExcelSheets> sheets() = 0;
    // Close with no arguments: with alerts off, changes are discarded.
    virtual void close() = 0;
    // SaveAs(file name, file format) with the format code passed as its decimal text;
    // Excel adds its own extension to a name without one.
    virtual void saveAs(const std::wstring &fileName, const std::wstring &formatCode) = 0;
};
