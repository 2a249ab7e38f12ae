#pragma once

#include <QString>

#include <optional>

// What a document store tells the run before and after it changes a file, so that the
// run can be undone: the original of a document about to be stored over, a result about
// to take a place, a file moved to the trash, and an announced change that did not
// happen. Each call that returns a reason refuses the change: the store then fails the
// document and leaves the files as they were. Calls may come from several threads.
class DocumentKeeper
{
public:
    virtual ~DocumentKeeper() = default;

    // The document's own file is about to be replaced by result (one rename): keep the
    // original first.
    virtual std::optional<QString> keepOriginal(const QString &document, const QString &result) = 0;
    // result is about to be renamed to target, a free place or one whose file goes to
    // the trash first.
    virtual std::optional<QString> placing(const QString &target, const QString &result) = 0;
    virtual std::optional<QString> movedToTrash(const QString &path, const QString &where) = 0;
    // The change last announced for path did not happen: path holds what it held.
    virtual void withdrawn(const QString &path) = 0;
};
