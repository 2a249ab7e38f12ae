#pragma once

#include <oaidl.h>

struct TestServerState;

// A new Excel application of the test server over the simulated Excel of state, with
// one reference for the caller. Throws when the simulation refuses to start one.
IDispatch *newServerExcelApplication(TestServerState &state);
