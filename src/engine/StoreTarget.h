#pragma once

#include <QString>

#include <optional>

// The care a store takes of the files already on disk: the document is stored over only
// when its user may write it and no other program has it open, and a file that a store
// would replace goes to the desktop's trash.
namespace StoreTarget {

// Why the document at path must not be stored over; nothing when it may: a file without
// write permission for this user or marked read-only for everyone (also for root).
std::optional<QString> readOnlyRefusal(const QString &path);
// The refusal of a document another office holds open (its lock file lies beside it).
QString lockRefusal(const QString &lockPath);
// The refusal of a document Excel holds open for writing: its owner file "~$NAME" lies
// beside it. Nothing when there is none.
std::optional<QString> ownerFileRefusal(const QString &document);

// Moves an existing file at path to the trash. Returns where it went, or nothing when
// there was no file; throws nothing: *error is set and the file stays where it is when
// the trash cannot take it whole (with the record that puts it back).
std::optional<QString> moveToTrash(const QString &path, QString *error);

} // namespace StoreTarget
