#pragma once

#include "SaveAsTables.h"

#include <QString>

#include <optional>

// The preferences' save-as choices as a back-end needs them at the moment of a call:
// the positions and what the tables hold at those positions (nothing where a position
// lies outside its table).
struct SaveAsChoice
{
    int Office = -1;          // 0 Excel, 1 Calc, -1 none
    int Extension = -1;       // 0 xls, 1 ods, 2 xlsx, -1 none
    int SaveAs = -1;          // position in the save-as list of the office
    std::optional<CalcFilter> calcFilter;        // table C at SaveAs
    std::optional<QString> charsetToken;         // table D at the character-set position
    std::optional<int> fieldDelimiterCode;       // 44, 59, 58, 9 or 32
    std::optional<int> textDelimiterCode;        // 34 or 39
    bool FixedWidth = false;
    bool DocTable = false;
    int ExcelMajorVersion = 0;
    std::optional<int> excelCode;                // table A or B at SaveAs
};
