#include "FakeExcelWorkbook.h"

#include <cmath>
#include <cwchar>

FakeExcelInput::FakeExcelInput(const wchar_t *text)
    : value(AutomationValue::fromText(text))
{
}

FakeExcelInput::FakeExcelInput(double number)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"%g", number);
    value = AutomationValue::fromNumber(text);
}

FakeExcelCell FakeExcelSheet::cell(int row, int column) const
{
    const auto it = cells.find({row, column});
    return it == cells.end() ? FakeExcelCell() : it->second;
}

double FakeExcelSheet::width(int column) const
{
    const auto it = widths.find(column);
    return it == widths.end() ? DefaultWidth : it->second;
}

void FakeExcelSheet::fill(const std::vector<std::vector<FakeExcelInput>> &rows)
{
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c].value.type != VariantType::Empty)
                cellRef(int(r) + 1, int(c) + 1).value = rows[r][c].value;
        }
    }
}

FakeExcelWorkbook FakeExcelWorkbook::withSheets(const std::vector<std::wstring> &names)
{
    FakeExcelWorkbook book;
    for (const std::wstring &name : names) {
        FakeExcelSheet sheet;
        sheet.name = name;
        book.sheets.push_back(sheet);
    }
    return book;
}
