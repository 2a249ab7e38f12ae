#pragma once

#include <string>

// Document paths as the Excel and Word operations pass them on. A path may use either
// separator: "/" here, "\" on Windows.
namespace AutomationPaths {

// The path with every ":\\" collapsed to ":\" (a work folder at a drive root otherwise
// doubles the backslash).
std::wstring documentPath(const std::wstring &path);

// The file name, without folder.
std::wstring fileName(const std::wstring &path);

// The path without its extension: the extension runs from the last "." of the file
// name; a name without a dot keeps its whole text.
std::wstring withoutExtension(const std::wstring &path);

} // namespace AutomationPaths
