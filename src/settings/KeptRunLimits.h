#pragma once

#include <QtGlobal>

class IniFile;

// How much of its runs the program keeps for "Undo last run": whether originals are kept
// at all, how many runs, and how many megabytes of kept copies (links to files that
// still exist cost nothing). The oldest run goes first when either bound is passed.
struct KeptRunLimits
{
    static constexpr int MinRuns = 1;
    static constexpr int MaxRuns = 100;
    static constexpr int MinMegabytes = 1;
    static constexpr int MaxMegabytes = 1024 * 1024;

    bool keepOriginals = true;
    int runs = 10;
    int megabytes = 2048;

    qint64 bytes() const { return qint64(megabytes) * 1024 * 1024; }
    bool operator==(const KeptRunLimits &) const = default;

    // The [Undo] section of the preferences file. A value that is missing or out of
    // bounds reads as its default: keeping more is the safe side.
    static KeptRunLimits read(const IniFile &ini);
    void write(IniFile &ini) const;
};
