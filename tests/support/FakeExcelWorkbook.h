#pragma once

#include "AutomationValue.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The in-memory workbook behind FakeExcel: what a document holds as far as the Excel
// back-end can see or change it. Plain standard C++, so that a simulated Excel on
// another platform can keep the same state. Rows and columns count from 1.

// The line style of a cell edge nobody has drawn (xlLineStyleNone).
constexpr int FakeExcelNoLine = -4142;

struct FakeExcelCell
{
    AutomationValue value;
    std::wstring fontName = L"Arial";
    int fontSize = 10;
    bool bold = false;
    bool italic = false;
    std::uint32_t fontColor = 0;
    int horizontalAlignment = 0;   // 0: as the document came
    int verticalAlignment = 0;
    bool wrapText = false;
    std::optional<std::uint32_t> fill;   // the background colour; none: no background

    bool operator==(const FakeExcelCell &) const = default;
};

// The four edges of a cell. Neighbouring cells share an edge, as in Excel: the right
// line of one cell is the left line of the next.
struct FakeExcelEdges
{
    int left = FakeExcelNoLine;
    int right = FakeExcelNoLine;
    int top = FakeExcelNoLine;
    int bottom = FakeExcelNoLine;
};

// A value of a fixture cell: a text, a number, or (by default) nothing.
struct FakeExcelInput
{
    FakeExcelInput() = default;
    FakeExcelInput(const wchar_t *text);
    FakeExcelInput(double number);
    FakeExcelInput(int number) : FakeExcelInput(double(number)) {}

    AutomationValue value;
};

struct FakeExcelPageSetup
{
    int orientation = 1;
    std::wstring leftHeader = L"left";
    std::wstring centerHeader = L"centre";
    bool centerHorizontally = false;
    double leftMargin = 50.4;
    double rightMargin = 50.4;
    double topMargin = 54;
    double bottomMargin = 54;

    bool operator==(const FakeExcelPageSetup &) const = default;
};

struct FakeExcelSheet
{
    static constexpr double DefaultWidth = 8.43;

    std::wstring name;
    std::map<std::pair<int, int>, FakeExcelCell> cells;   // (row, column)
    std::map<int, double> widths;                         // by column
    std::set<int> autoFitted;                             // columns AutoFit has fitted
    FakeExcelPageSetup pageSetup;
    // The drawn lines: (row, c) the line right of column c (c = 0 left of column 1);
    // (r, column) the line below row r (r = 0 above row 1).
    std::map<std::pair<int, int>, int> verticalLines;
    std::map<std::pair<int, int>, int> horizontalLines;

    // An untouched cell reads as empty with the default format.
    FakeExcelCell cell(int row, int column) const;
    FakeExcelCell &cellRef(int row, int column) { return cells[{row, column}]; }
    FakeExcelEdges edges(int row, int column) const;
    double width(int column) const;
    // Rows of values from A1.
    void fill(const std::vector<std::vector<FakeExcelInput>> &rows);

    bool operator==(const FakeExcelSheet &) const = default;
};

struct FakeExcelWorkbook
{
    std::vector<FakeExcelSheet> sheets;
    // The format Excel reads the document in (XlFileFormat): a .xls by default.
    int fileFormat = 56;
    // What makes Workbooks.Open ask, unless its arguments answer: a password, links to
    // other workbooks, the author's read-only recommendation.
    std::optional<std::wstring> password;
    bool externalLinks = false;
    bool readOnlyRecommended = false;

    static FakeExcelWorkbook withSheets(const std::vector<std::wstring> &names = {L"Sheet1"});
    FakeExcelSheet &sheet(int number = 1) { return sheets.at(number - 1); }
    const FakeExcelSheet &sheet(int number = 1) const { return sheets.at(number - 1); }
    // The sheets' grid: 256 x 65,536 for a binary workbook of Excel 97-2003 in any
    // Excel, 16,384 x 1,048,576 from Excel 2007 on otherwise.
    int lastColumn(int excelMajorVersion) const;
    int lastRow(int excelMajorVersion) const;

    bool operator==(const FakeExcelWorkbook &) const = default;
};
