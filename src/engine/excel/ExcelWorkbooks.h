#pragma once

#include <memory>
#include <string>

class ExcelWorkbook;

// Application.Workbooks.
class ExcelWorkbooks
{
public:
    virtual ~ExcelWorkbooks() = default;

    // Opens a document; it becomes item 1 of an instance that holds no other.
    virtual void open(const std::wstring &path) = 0;
    // Workbooks(index), from 1.
    virtual std::unique_ptr<ExcelWorkbook> item(int index) = 0;
};
