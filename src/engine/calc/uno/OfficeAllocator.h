#pragma once

#include <QString>
#include <QStringList>

// The memory allocator the office process runs with. The office spends a large share of
// every small document in the C library's malloc and free (loading, storing and above all
// tearing down a document); an allocator made for many threads and short-lived objects,
// preloaded into it, does that work faster and changes nothing in what the office writes.
class OfficeAllocator
{
public:
    // Names the allocator to preload: "system" (or empty) for none, a library path for
    // that one. Unset: the first of the known libraries that is installed.
    static constexpr const char *ChoiceVariable = "TABLEVANE_OFFICE_ALLOCATOR";

    // The library to preload into the office, or an empty string for none.
    static QString library();
    // The LD_PRELOAD entry for the office's environment ("LD_PRELOAD=..."), keeping what
    // the program itself was given; empty when nothing is to be preloaded.
    static QString preloadEntry();

    // The known libraries in the order they are preferred, as names in the system's
    // library folders.
    static QStringList knownLibraries();
};
