#pragma once

#include <QString>

struct RunState;

namespace FolderListing {

// Fills Files and Count with the documents of a folder whose extension, in lower
// case, is exactly "." + extension (given in lower case without the dot). Hidden
// files count too; folders never do. The names come in file-manager order (see
// NameLess), not in the file system's order, which differs between file systems.
void ListFolderFiles(const QString &folder, const QString &extension, RunState &state);

// The order Windows' file systems keep names in: UTF-16 units compared after raising
// each one to upper case, so "a" and "B" sort before "_". Names equal in that form
// (possible on Linux) fall back to their plain units so the order stays total.
bool NameLess(const QString &left, const QString &right);

} // namespace FolderListing
