#pragma once

#include <optional>
#include <string>
#include <vector>

// The clipboard that the simulated Excel's Range.Copy fills and the simulated Word's
// Paste reads: the texts of the copied cells, row by row.
struct FakeClipboard
{
    std::optional<std::vector<std::vector<std::wstring>>> table;
};
