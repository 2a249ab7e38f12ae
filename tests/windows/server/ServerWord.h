#pragma once

#include <oaidl.h>

struct TestServerState;

// A new Word application of the test server over the simulated Word of state, with one
// reference for the caller. Throws when the simulation refuses to start one.
IDispatch *newServerWordApplication(TestServerState &state);
