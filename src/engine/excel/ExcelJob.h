#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Everything the Excel formatter reads, taken at the moment of the call, in plain
// standard types so that the formatter builds without Qt. The fields carry the names
// of the formatting choices they come from. Colours are Windows colour values
// 0x00BBGGRR and go to Excel unchanged.
struct ExcelJob
{
    bool RangeAuto = true;
    std::wstring LeftColumn = L"A";
    std::wstring RightColumn = L"A";
    std::wstring TopDigit = L"1";
    std::wstring BottomDigit = L"1";

    bool FontAsIs = true;
    std::wstring FontName;
    std::wstring FontSize = L"10";
    bool Bold = false;
    bool Italic = false;
    std::uint32_t FontColor = 0;

    bool BoldTopLine = true;
    bool BoldLeftFirst = false;
    bool BoldLastRight = false;
    bool BoldLastLine = false;

    int Orientation = 0;        // 0 portrait, 1 landscape, 2 as is
    bool WordWrap = true;
    bool FName = false;
    bool PageNumeration = false;
    bool Borders = true;
    bool APAStyle = false;
    int InterLeave = 0;         // 0 none, 1 lines, 2 columns, 3 as is
    std::uint32_t InterLeaveColor = 0xFFFFFF;

    bool WidthByPattern = false;
    std::vector<int> PatternWidths;   // used from position 1
    int PatternColumnCount = 0;

    int MaxScanColumns = 256;
    int MaxScanRows = 65536;

    // The Excel file-format code at the chosen save-as position; nothing when the
    // position lies outside the table.
    std::optional<int> SaveAsCode;
    // The installed Excel's major version, which decides the documented number of a code.
    int ExcelMajorVersion = 16;
    // ".. table in DOC file": the table goes to Word instead of the workbook's store.
    bool DocTable = false;
};
