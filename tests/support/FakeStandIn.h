#pragma once

#include <optional>
#include <string>

// The small files a simulated office writes on the real disk for the documents it saves
// where their folder exists ("<KIND> <n>", n the number of the document it keeps in
// memory), so that the program's own file handling (fingerprints, locks, renames, the
// trash) works on real files. Elsewhere (the paths of a simulated Windows) documents
// live in memory alone.
namespace FakeStandIn {

// Whether the path's folder exists on the real disk.
bool onRealDisk(const std::wstring &path);
// Whether a file (or a link) is at the path on the real disk.
bool exists(const std::wstring &path);
// The number a stand-in of this kind names; nothing for a file that is none.
std::optional<int> number(const std::wstring &path, const std::string &kind);
void write(const std::wstring &path, const std::string &kind, std::size_t number);

} // namespace FakeStandIn
