#pragma once

#include <QString>

// Paths and URLs of the documents the Calc operations open and store.
namespace CalcPaths {

// A file URL of the absolute path, percent-encoded, so that blanks, "#", "%" and
// letters outside ASCII reach the office intact.
QString documentUrl(const QString &path);

// The path with its extension (from the last "." of the file name; none when the
// name has no dot) replaced by another one (given with its dot). When the document's
// own extension already is that extension in another case, the path stays as it is:
// the document is stored over itself, as on a file system that ignores case, rather
// than beside itself.
QString targetPath(const QString &path, const QString &extension);

// The file name with extension, without folder.
QString fileName(const QString &path);

// The extension of the file name in lower case without the dot; empty when none.
QString extension(const QString &path);

} // namespace CalcPaths
