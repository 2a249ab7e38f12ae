#include "ServerFixture.h"
#include "WordExport.h"

#include <vector>

namespace {

const std::vector<std::vector<std::wstring>> Table = {{L"Name", L"Count"}, {L"x", L"2"}, {L"y", L"3"}};

} // namespace

TEST_CASE_FIXTURE(ServerFixture, "Word is found by its ProgID and its presence check runs through COM")
{
    CHECK_FALSE(ComWordOffice(L"TablevaneTest.Absent").classRegistered());
    CHECK_FALSE(ComWordOffice().classRegistered());
    REQUIRE(word.classRegistered());
    CHECK(WordPresenceCheck(word));
    WordPresenceCheck(direct->word);
    CHECK(sameState(server, direct));
    CHECK(server.word.lastInstance().quit);

    server.word.failOn = {"Application.Version"};
    CHECK_FALSE(WordPresenceCheck(word));
    CHECK(server.word.lastInstance().quit);
}

TEST_CASE_FIXTURE(ServerFixture, "a table exported through COM makes the document the simulation makes")
{
    struct Case
    {
        bool apaStyle;
        int excelOrientation;
        const char *failOn;
    };
    const Case cases[] = {{false, 1, ""}, {true, 2, ""}, {true, 0, ""}, {true, 1, "PageSetup.LeftMargin"},
                          {false, 0, "Selection.Paste"}};
    for (const Case &test : cases) {
        CAPTURE(test.apaStyle);
        CAPTURE(test.excelOrientation);
        const std::string failOn = test.failOn;
        CAPTURE(failOn);
        fresh();
        prepare([&](FakeExcel &, FakeWord &word) {
            word.clipboard.table = Table;
            word.failOn = {test.failOn};
        });
        const std::wstring path = L"C:\\work\\report.final.doc";
        const std::string throughCom =
            failureOf([&] { ExportTableToWord(word, path, L"report", test.apaStyle, test.excelOrientation); });
        const std::string called =
            failureOf([&] { ExportTableToWord(direct->word, path, L"report", test.apaStyle, test.excelOrientation); });
        CHECK(throughCom == (*test.failOn ? std::string(test.failOn) + ": simulated failure" : std::string()));
        CHECK(throughCom == called);
        CHECK(sameState(server, direct));
        CHECK(server.word.lastInstance().quit);
        CHECK(server.word.lastInstance().process->prompts().empty());
        CHECK(server.liveObjects == 0);
        if (!*test.failOn)
            CHECK(server.word.disk.count(path) == 1);
    }
}
