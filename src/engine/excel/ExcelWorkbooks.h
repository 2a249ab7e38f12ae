#pragma once

#include <memory>
#include <optional>
#include <string>

class ExcelWorkbook;

// The arguments of Workbooks.Open this program passes; an empty one is left out, and
// Excel then does what it does without it (asks, where the document calls for it).
struct ExcelOpenArguments
{
    // 0: external references are not updated (no question about links).
    std::optional<int> UpdateLinks;
    // True: opened read-only, so no question about a document in use or reserved for
    // writing (the result is always saved under another name).
    std::optional<bool> ReadOnly;
    // Given, a workbook protected by another password fails to open instead of asking.
    std::optional<std::wstring> Password;
    // True: no question whether to open a document its author recommends read-only.
    std::optional<bool> IgnoreReadOnlyRecommended;

    bool operator==(const ExcelOpenArguments &) const = default;
};

// Application.Workbooks.
class ExcelWorkbooks
{
public:
    virtual ~ExcelWorkbooks() = default;

    // Opens a document; it becomes item 1 of an instance that holds no other.
    virtual void open(const std::wstring &path, const ExcelOpenArguments &arguments) = 0;
    // Workbooks(index), from 1.
    virtual std::unique_ptr<ExcelWorkbook> item(int index) = 0;
};
