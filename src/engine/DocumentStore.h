#pragma once

#include "DocumentFingerprint.h"
#include "DocumentKeeper.h"
#include "OfficeLockFile.h"

#include <QList>
#include <QString>

#include <optional>

// Puts a formatted document where it belongs, the one operation that decides where a
// result goes and writes it there. Whatever the office does, it keeps these:
//  1. A document is stored over itself only in its own format: the format the office
//     read it in, under its own extension. A result of another format goes beside it
//     under that format's extension; where that name is the document's own (an HTML
//     table named .xls stored as a real .xls), the document is a file in the way like
//     any other.
//  2. The result is complete on disk, in a private folder beside its target, before
//     anything is moved or replaced.
//  3. A file in the way goes to the trash only once its replacement is complete; when
//     the trash cannot take it, the result is removed and the file stays.
//  4. Nothing is replaced that changed on disk since the document was read.
//  5. While the document is in work, the office's lock file lies beside it; a document
//     another office holds (its lock file, or Excel's owner file "~$NAME", beside it) is
//     not replaced.
//  6. With a keeper (the run's, for undo), every change is announced to it first: the
//     document's original is kept before the document is stored over, a result's
//     place before it is taken, a file moved to the trash right after. A change the
//     keeper refuses does not happen.
// Every refusal and failure comes back as a reason in words; the files on disk are then
// as they were, the private folder gone.
class DocumentStore
{
public:
    // target: where the chosen format's result goes; the document's own path when that
    // format keeps its extension. keeper: told of every change, when there is one.
    DocumentStore(const QString &document, const QString &target, DocumentKeeper *keeper = nullptr);
    ~DocumentStore();
    DocumentStore(const DocumentStore &) = delete;
    DocumentStore &operator=(const DocumentStore &) = delete;

    // Before the office opens the document: why it must not be treated, nothing when it
    // may. Takes the lock and the fingerprint.
    std::optional<QString> begin();

    // The result replaces the document's own file (in place, or the document going to
    // the trash when the format differs).
    bool replacesDocument() const { return m_replacesDocument; }

    // Makes the private folder; the office then writes the whole result to resultPath().
    std::optional<QString> prepareResult();
    QString resultPath() const { return m_resultPath; }

    // Once the office wrote the result and let go of the document. ownFormat: the result
    // has the format the document was read in.
    std::optional<QString> place(bool ownFormat);

    struct Trashed
    {
        QString path;
        QString where;
    };
    // Files the placing moved to the trash, the document itself among them when its
    // name went to a result of another format.
    const QList<Trashed> &trashed() const { return m_trashed; }

    // Removes what runs of this program that no longer exist left in a folder: their
    // private folders (with the office's temporary files inside) and their lock files.
    // Nothing of a program still running and nothing of anybody else is touched.
    static int removeLeftovers(const QString &folder);

private:
    std::optional<QString> replaceDocument();
    std::optional<QString> putInPlace();
    std::optional<QString> failPlacing(const QString &reason);
    std::optional<QString> withdraw(const QString &path, const QString &reason);
    void removePrivateFolder();

    QString m_document;
    QString m_documentFile;   // the file itself when the document is a link to it
    QString m_target;
    DocumentKeeper *m_keeper = nullptr;
    bool m_replacesDocument = false;
    OfficeLockFile m_lock;
    DocumentFingerprint m_before;
    QString m_privateFolder;
    QString m_resultPath;
    QList<Trashed> m_trashed;
};
