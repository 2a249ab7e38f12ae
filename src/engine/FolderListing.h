#pragma once

#include <QString>

struct RunState;

namespace FolderListing {

// Fills Files and Count with the documents of a folder whose extension, in lower
// case, is exactly "." + extension (given in lower case without the dot). Hidden
// files count too; the order is the file system's.
void ListFolderFiles(const QString &folder, const QString &extension, RunState &state);

} // namespace FolderListing
