#include "ColumnNames.h"

namespace ColumnNames {

int toNumber(std::wstring_view letters)
{
    auto code = [&](std::size_t i) { return static_cast<int>(letters[i]); };
    switch (letters.size()) {
    case 1:
        return code(0) - 64;
    case 2:
        return code(0) * 26 + code(1) - 1728;
    case 3:
        return code(0) * 676 + code(1) * 26 + code(2) - 44992;
    default:
        return 0;
    }
}

std::wstring fromNumber(int number)
{
    // Three digits counted up from zero, each running from 1 to 26 once it is in use.
    int low = 0;
    int middle = 0;
    int high = 0;
    for (int i = 0; i < number; ++i) {
        if (++low == 27) {
            low = 1;
            if (++middle == 27) {
                middle = 1;
                ++high;
            }
        }
    }
    std::wstring letters;
    if (high != 0)
        letters += wchar_t(high + 64);
    if (middle != 0)
        letters += wchar_t(middle + 64);
    letters += wchar_t(low + 64);
    return letters;
}

} // namespace ColumnNames
