#include "ExcelFileFormats.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace ExcelFileFormats {

namespace {

// The documented formats the save-as tables reach, with the extension Excel gives them.
const std::pair<int, const wchar_t *> Extensions[] = {
    {CurrentPlatformText, L".txt"}, {WorkbookNormal, L".xls"}, {2, L".slk"}, {4, L".wks"}, {5, L".wk1"},
    {6, L".csv"}, {7, L".dbf"}, {8, L".dbf"}, {9, L".dif"}, {11, L".dbf"}, {15, L".wk3"}, {16, L".xls"},
    {17, L".xlt"}, {18, L".xla"}, {19, L".txt"}, {20, L".txt"}, {21, L".txt"}, {22, L".csv"}, {23, L".csv"},
    {24, L".csv"}, {27, L".xls"}, {29, L".xls"}, {30, L".wk1"}, {31, L".wk1"}, {32, L".wk3"}, {33, L".xls"},
    {34, L".wq1"}, {35, L".xlw"}, {36, L".prn"}, {38, L".wk4"}, {39, L".xls"}, {UnicodeText, L".txt"},
    {43, L".xls"}, {Html, L".htm"}, {45, L".mht"}, {46, L".xml"}, {50, L".xlsb"}, {51, L".xlsx"},
    {52, L".xlsm"}, {53, L".xltm"}, {54, L".xltx"}, {55, L".xlam"}, {Excel8, L".xls"},
    {60, L".ods"}, {61, L".xlsx"}, {62, L".csv"},
};

} // namespace

std::optional<int> documented(int tableCode, int excelMajorVersion)
{
    if (tableCode == 1)
        return excelMajorVersion > 11 ? Excel8 : WorkbookNormal;
    if (tableCode == 3)
        return CurrentPlatformText;
    if (extension(tableCode).empty())
        return std::nullopt;
    return tableCode;
}

std::wstring extension(int fileFormat)
{
    const auto *it = std::find_if(std::begin(Extensions), std::end(Extensions),
                                 [&](const auto &entry) { return entry.first == fileFormat; });
    return it == std::end(Extensions) ? std::wstring() : std::wstring(it->second);
}

bool isText(int fileFormat)
{
    static constexpr std::array<int, 11> Text = {CurrentPlatformText, 6, 19, 20, 21, 22, 23, 24, 36, UnicodeText, 62};
    return std::find(Text.begin(), Text.end(), fileFormat) != Text.end();
}

bool isBinaryWorkbook(int fileFormat)
{
    static constexpr std::array<int, 11> Binary = {WorkbookNormal, 16, 17, 18, 27, 29, 33, 35, 39, 43, Excel8};
    return std::find(Binary.begin(), Binary.end(), fileFormat) != Binary.end();
}

bool promisesWorkbook(const std::wstring &extension)
{
    static const std::array<std::wstring, 11> Workbooks = {L"xls",  L"xlt",  L"xlw",  L"xla",  L"xlsx", L"xlsm",
                                                           L"xlsb", L"xltx", L"xltm", L"xlam", L"ods"};
    return std::find(Workbooks.begin(), Workbooks.end(), extension) != Workbooks.end();
}

} // namespace ExcelFileFormats
