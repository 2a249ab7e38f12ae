#pragma once

#include <string>

// Where an operation puts what the office made of a document: the program's store
// behind it writes the whole result in a private folder beside its target first and
// only then puts it in place (a file in the way to the trash, nothing replaced that
// changed on disk since it was read). Both calls throw DocumentRefusal with the reason
// when they cannot do their part; the files on disk are then as they were.
class ResultStore
{
public:
    virtual ~ResultStore() = default;

    // The path the office writes the whole result to (the target's name in the private
    // folder).
    virtual std::wstring prepareResult() = 0;
    // Once the office wrote the result and let go of the document. ownFormat: the
    // result has the format the office read the document in.
    virtual void place(bool ownFormat) = 0;
    // Why the office could not write the result, in words a user can act on (UTF-8).
    virtual std::string writeFailure() = 0;
};
