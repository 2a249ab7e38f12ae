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
    // FileFormat: the format Excel read the document in (XlFileFormat).
    virtual int fileFormat() = 0;
    // Close(SaveChanges:=False): the document closed, its changes discarded without asking.
    virtual void close() = 0;
    // SaveAs(file name, file format) with the format code passed as its decimal text.
    virtual void saveAs(const std::wstring &fileName, const std::wstring &formatCode) = 0;
};
