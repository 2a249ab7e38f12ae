#pragma once

#include <QString>

// What the desktop's trash keeps about a file it took, so that the file can be put back.
namespace TrashRecord {

// The trash knows where the file came from (on a disk that was full while it wrote its
// record, it does not, though the file went in).
bool complete(const QString &trashedPath);

// Takes a file out of the trash again, back to where it was, record and all.
bool restore(const QString &trashedPath, const QString &originalPath);

} // namespace TrashRecord
