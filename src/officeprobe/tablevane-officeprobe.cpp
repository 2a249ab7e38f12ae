// tablevane-officeprobe: runs the presence checks of Excel and Word that the
// Preferences make at start-up, through COM, and prints what they find. With no
// arguments it looks for "Excel.Application" and "Word.Application"; --excel PROGID
// and --word PROGID check other classes. Exits 0 once both checks have run, 2 on a
// wrong command line.

#include "ComExcelOffice.h"
#include "ComWordOffice.h"
#include "ExcelPresence.h"
#include "WordExport.h"

#include <cstdio>
#include <cstring>
#include <cwctype>
#include <optional>
#include <string>

namespace {

std::wstring widen(const char *text)
{
    std::wstring wide;
    for (const char *c = text; *c; ++c)
        wide += wchar_t(static_cast<unsigned char>(*c));
    return wide;
}

std::string narrow(const std::wstring &text)
{
    std::string result;
    for (wchar_t c : text)
        result += (c > 0 && c < 128) ? char(c) : '?';
    return result;
}

// The text before the first "." read as a decimal number; 0 when it is none.
int majorVersion(const std::wstring &version)
{
    const std::wstring major = version.substr(0, version.find(L'.'));
    if (major.empty() || major.size() > 3)
        return 0;
    int number = 0;
    for (wchar_t c : major) {
        if (!std::iswdigit(c))
            return 0;
        number = number * 10 + (c - L'0');
    }
    return number;
}

void probeExcel(const std::wstring &progId)
{
    ComExcelOffice excel(progId);
    std::printf("Excel (%s): ", narrow(progId).c_str());
    if (!excel.classRegistered()) {
        std::printf("not installed\n");
        return;
    }
    const std::optional<std::wstring> version = ExcelPresenceCheck(excel);
    if (!version)
        std::printf("registered, but it does not start\n");
    else
        std::printf("installed, version %s, major version %d\n", narrow(*version).c_str(), majorVersion(*version));
}

void probeWord(const std::wstring &progId)
{
    ComWordOffice word(progId);
    std::printf("Word (%s): ", narrow(progId).c_str());
    if (!word.classRegistered())
        std::printf("not installed\n");
    else if (!WordPresenceCheck(word))
        std::printf("registered, but it does not start\n");
    else
        std::printf("installed\n");
}

} // namespace

int main(int argc, char **argv)
{
    std::wstring excel = L"Excel.Application";
    std::wstring word = L"Word.Application";
    for (int i = 1; i < argc; ++i) {
        const bool valued = i + 1 < argc;
        if (valued && std::strcmp(argv[i], "--excel") == 0) {
            excel = widen(argv[++i]);
        } else if (valued && std::strcmp(argv[i], "--word") == 0) {
            word = widen(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: tablevane-officeprobe [--excel PROGID] [--word PROGID]\n");
            return 2;
        }
    }
    probeExcel(excel);
    probeWord(word);
    std::fflush(stdout);
    return 0;
}
