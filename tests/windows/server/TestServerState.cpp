#include "TestServerState.h"

TestServerState *tablevaneTestServerState()
{
    static TestServerState state;
    return &state;
}
