#pragma once

#include "FakeClipboard.h"
#include "FakeExcel.h"
#include "FakeWord.h"

// The test automation server's state, shared with the tests that load it: the simulated
// Excel and Word behind its classes and the count of its automation objects alive. The
// server and the tests are built by one compiler, so they share these types.
struct TestServerState
{
    FakeClipboard clipboard;
    FakeExcel excel{clipboard};
    FakeWord word{clipboard};
    // Automation objects handed out and not yet released.
    long liveObjects = 0;

    // Back to a fresh Excel 16 and Word with nothing on disk and nothing failing.
    void reset()
    {
        clipboard.table.reset();
        excel.registered = true;
        excel.version = L"16.0";
        excel.disk.clear();
        excel.failOn.clear();
        excel.promptOn.clear();
        excel.instances.clear();
        excel.written.clear();
        excel.overwritten.clear();
        word.registered = true;
        word.version = L"16.0";
        word.failOn.clear();
        word.promptOn.clear();
        word.instances.clear();
        word.disk.clear();
        word.overwritten.clear();
    }
};

#ifdef TABLEVANE_TESTSERVER
#define TABLEVANE_TESTSERVER_API __declspec(dllexport)
#else
#define TABLEVANE_TESTSERVER_API __declspec(dllimport)
#endif

extern "C" TABLEVANE_TESTSERVER_API TestServerState *tablevaneTestServerState();

// The classes of the server and the ProgIDs it registers them under.
#define TABLEVANE_TESTSERVER_EXCEL L"TablevaneTest.Excel"
#define TABLEVANE_TESTSERVER_WORD L"TablevaneTest.Word"
