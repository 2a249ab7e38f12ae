// The Excel and Word COM adapters under Wine, against the test automation server.
// Started with --idle, the program waits and does nothing: the process the watchdog
// test ends.
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>

#include <cstring>

#include <windows.h>

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--idle") == 0) {
        Sleep(INFINITE);
        return 0;
    }
    return doctest::Context(argc, argv).run();
}
