#pragma once

#include <string>

#include <windows.h>

// Texts between COM's wide strings and the UTF-8 that AutomationError carries.
namespace ComText {

std::string utf8(const std::wstring &text);
std::wstring wide(const std::string &utf8);
// The system's wording of an HRESULT with its number, such as
// "Invalid class string (0x800401F3)".
std::string describe(HRESULT result);

} // namespace ComText
