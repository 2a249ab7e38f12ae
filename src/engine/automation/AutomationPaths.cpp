#include "AutomationPaths.h"

namespace AutomationPaths {

namespace {

std::size_t fileNameStart(const std::wstring &path)
{
    const std::size_t separator = path.find_last_of(L"/\\");
    return separator == std::wstring::npos ? 0 : separator + 1;
}

} // namespace

std::wstring documentPath(const std::wstring &path)
{
    std::wstring result = path;
    for (std::size_t at = result.find(L":\\\\"); at != std::wstring::npos; at = result.find(L":\\\\", at + 1))
        result.erase(at + 1, 1);
    return result;
}

std::wstring fileName(const std::wstring &path)
{
    return path.substr(fileNameStart(path));
}

std::wstring withoutExtension(const std::wstring &path)
{
    const std::size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos || dot < fileNameStart(path))
        return path;
    return path.substr(0, dot);
}

} // namespace AutomationPaths
