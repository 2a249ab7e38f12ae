#include "FakeExcelWorkbook.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

namespace {

bool binaryWorkbook(int fileFormat)
{
    // xlWorkbookNormal, xlExcel2..xlExcel9795, xlTemplate, xlAddIn, xlExcel8.
    static const int formats[] = {-4143, 16, 17, 18, 27, 29, 33, 35, 39, 43, 56};
    return std::find(std::begin(formats), std::end(formats), fileFormat) != std::end(formats);
}

int lineAt(const std::map<std::pair<int, int>, int> &lines, int a, int b)
{
    const auto it = lines.find({a, b});
    return it == lines.end() ? FakeExcelNoLine : it->second;
}

} // namespace

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

FakeExcelEdges FakeExcelSheet::edges(int row, int column) const
{
    return {lineAt(verticalLines, row, column - 1), lineAt(verticalLines, row, column),
            lineAt(horizontalLines, row - 1, column), lineAt(horizontalLines, row, column)};
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

int FakeExcelWorkbook::lastColumn(int excelMajorVersion) const
{
    return excelMajorVersion > 11 && !binaryWorkbook(fileFormat) ? 16384 : 256;
}

int FakeExcelWorkbook::lastRow(int excelMajorVersion) const
{
    return excelMajorVersion > 11 && !binaryWorkbook(fileFormat) ? 1048576 : 65536;
}
