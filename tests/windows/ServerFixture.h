#pragma once

#include "ComExcelOffice.h"
#include "ComWordOffice.h"
#include "TestServerState.h"

#include <doctest.h>

#include <exception>
#include <functional>
#include <optional>
#include <string>

// The simulated Excel and Word as the tests call them directly, beside the test
// server's, which the adapters reach through COM: a run through COM must leave the
// server's simulation as the same run leaves this one.
struct Simulation
{
    FakeClipboard clipboard;
    FakeExcel excel{clipboard};
    FakeWord word{clipboard};
};

// A fresh test server for each test; at its end every interface the adapters took is
// released.
struct ServerFixture
{
    TestServerState &server = *tablevaneTestServerState();
    ComExcelOffice excel{TABLEVANE_TESTSERVER_EXCEL};
    ComWordOffice word{TABLEVANE_TESTSERVER_WORD};
    std::optional<Simulation> direct{std::in_place};

    ServerFixture() { server.reset(); }
    ~ServerFixture() { CHECK_MESSAGE(server.liveObjects == 0, "automation objects left unreleased"); }

    // Both simulations as new, for the next case of a test.
    void fresh()
    {
        server.reset();
        direct.emplace();
    }
    // Both simulations are given the same documents and the same failing members.
    template <typename Prepare>
    void prepare(Prepare prepareBoth)
    {
        prepareBoth(server.excel, server.word);
        prepareBoth(direct->excel, direct->word);
    }
};

// What a call threw, as its text: "" when it threw nothing.
inline std::string failureOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const std::exception &e) {
        return e.what();
    }
    return {};
}

inline bool sameInstances(const auto &a, const auto &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!(*a[i] == *b[i]))
            return false;
    }
    return true;
}

// The simulation's state as far as a user of Excel or Word could see it.
inline bool sameState(const TestServerState &server, const std::optional<Simulation> &direct)
{
    return server.excel.disk == direct->excel.disk && sameInstances(server.excel.instances, direct->excel.instances)
        && server.excel.overwritten == direct->excel.overwritten
        && sameInstances(server.word.instances, direct->word.instances) && server.word.disk == direct->word.disk
        && server.clipboard.table == direct->clipboard.table;
}
