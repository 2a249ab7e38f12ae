#pragma once

#include <QSet>
#include <QString>

#include <optional>

// The care a store takes of the files already on disk: the document is stored over only
// when its user may write it and no other program has it open; a file of another name
// that a store would replace goes to the desktop's trash first; and the temporary files
// an office leaves beside its target when a store breaks off are removed.
namespace StoreTarget {

// Why the document at path must not be stored over; nothing when it may. Refused: a
// file without write permission for this user or marked read-only for everyone (also
// for root), and a document another office holds open (its lock file lies beside it).
std::optional<QString> refusalToOverwrite(const QString &path);

// Moves an existing file at path to the trash. Returns where it went, or nothing when
// there was no file; throws nothing: *error is set and nothing is moved when the trash
// cannot take it (the store must then not go ahead).
std::optional<QString> moveToTrash(const QString &path, QString *error);

// The office's temporary files ("lu*.tmp") in a folder at one moment.
class TempFiles
{
public:
    explicit TempFiles(const QString &folder);
    // Removes those that appeared since the snapshot; returns how many.
    int removeNew() const;

private:
    static QSet<QString> list(const QString &folder);

    QString m_folder;
    QSet<QString> m_before;
};

} // namespace StoreTarget
