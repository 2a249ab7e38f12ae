// The Excel and Word COM adapters under Wine, against the test automation server.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>
