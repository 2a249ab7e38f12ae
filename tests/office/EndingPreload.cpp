#include <unistd.h>

// Ends the process it is loaded into before that process's main function runs.
__attribute__((constructor)) static void endAtLoad()
{
    ::_exit(70);
}
