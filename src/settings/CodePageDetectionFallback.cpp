#include "CodePageDetection.h"

// Where the build has no ICU: Windows-1252, the code page most language files were
// written in, and never a certain guess, so the window says that it guessed.
namespace CodePageDetection {

CodePageGuess guess(const QByteArray &)
{
    return {"windows-1252", 0, false};
}

} // namespace CodePageDetection
