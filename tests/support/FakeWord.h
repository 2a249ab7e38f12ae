#pragma once

#include "FakeClipboard.h"
#include "FakeOfficeProcess.h"
#include "WordOffice.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The state of the simulated Word: documents as a row of paragraphs and tables ending
// in the empty paragraph every document keeps last. Plain standard C++.

struct FakeWordParagraph
{
    std::wstring text;
    std::wstring fontName = L"Calibri";
    int fontSize = 11;
    bool italic = false;
    int lineSpacingRule = 0;
    int alignment = 0;

    bool operator==(const FakeWordParagraph &) const = default;
};

struct FakeWordTable
{
    std::vector<std::vector<std::wstring>> cells;   // row by row
    int rowsAlignment = 0;
    int autoFitBehavior = 0;
    int cellsVerticalAlignment = 0;
    int lineSpacingRule = 0;
    std::vector<int> rowAlignment;                  // the paragraph alignment of each row

    bool operator==(const FakeWordTable &) const = default;
};

struct FakeWordBlock
{
    bool isTable = false;
    FakeWordParagraph paragraph;
    FakeWordTable table;

    bool operator==(const FakeWordBlock &) const = default;
};

struct FakeWordDocument
{
    std::vector<FakeWordBlock> blocks{FakeWordBlock()};
    std::optional<int> orientation;   // nothing: as Word made the page
    double topMargin = 72;      // points
    double bottomMargin = 72;
    double leftMargin = 90;
    double rightMargin = 90;
    std::optional<std::wstring> savedAs;
    int savedFormat = -1;

    // The blocks before the last, empty paragraph: what the document shows.
    std::vector<FakeWordBlock> content() const { return {blocks.begin(), blocks.end() - 1}; }
    bool operator==(const FakeWordDocument &) const = default;
};

// The selection: a run of blocks, an insertion point before a block, or one table row.
struct FakeWordSelection
{
    enum class Kind { Blocks, Cursor, TableRow };
    Kind kind = Kind::Cursor;
    int first = 0;
    int last = 0;
    int row = 0;

    bool operator==(const FakeWordSelection &) const = default;
};

struct FakeWordInstance
{
    bool visible = true;   // so that a test sees the instance hidden
    bool displayAlerts = true;
    bool quit = false;
    std::vector<FakeWordDocument> documents;
    FakeWordSelection selection;
    std::shared_ptr<FakeOfficeProcess> process = std::make_shared<FakeOfficeProcess>();

    // Quit, or its process ended.
    bool ended() const { return quit || process->ended(); }
    bool operator==(const FakeWordInstance &other) const;
};

// A simulated Word for the table export and the presence check, as strict as Word's
// documented object model where the export depends on it. Paste takes the table from
// the clipboard that the simulated Excel fills and leaves the insertion point in the
// paragraph after the table, where the selection holds no table (as Word does); a
// collapse to the end of a selected table lands there too. Margins are points. SaveAs
// writes the document under the name given: where its folder exists on the real disk as
// a small stand-in file ("FAKE-WORD-DOCUMENT <n>"), elsewhere into "disk".
//
// Members named in failOn ("Selection.Paste", "Document.SaveAs", "createApplication",
// ...) throw AutomationError, as does any call after Quit or once the process has
// ended. A member named in promptOn shows a prompt: the call waits until the watchdog
// ends the process (FakeOfficeProcess). Word's own prompts come as Word asks them: SaveAs
// in the Word 97-2003 format runs the compatibility check, and SaveAs over an existing
// file asks to replace it, while alerts are on.
class FakeWord : public WordOffice
{
public:
    explicit FakeWord(FakeClipboard &clipboard) : clipboard(clipboard) {}

    bool classRegistered() override { return registered; }
    std::unique_ptr<WordApplication> createApplication() override;
    ProcessProgress::Limits watchLimits() const override { return limits; }

    bool registered = true;
    std::wstring version = L"16.0";
    std::set<std::string> failOn;
    std::set<std::string> promptOn;
    std::vector<std::shared_ptr<FakeWordInstance>> instances;
    FakeClipboard &clipboard;
    // The documents SaveAs wrote where no real folder is, by path.
    std::map<std::wstring, FakeWordDocument> disk;
    std::vector<std::wstring> overwritten;
    // Short enough for a test to see a prompt ended, long enough for a loaded machine
    // (a test of a question shortens it further).
    ProcessProgress::Limits limits{std::chrono::seconds(5), std::chrono::minutes(5), std::chrono::milliseconds(25)};

    FakeWordInstance &lastInstance() { return *instances.back(); }
    void check(const std::string &member) const;
    // Writes a saved document: as a stand-in where its folder exists, else into "disk".
    void write(const std::wstring &path, const FakeWordDocument &document);
    // The document saved at a path, read back through its stand-in where there is one.
    std::optional<FakeWordDocument> read(const std::wstring &path) const;
    bool exists(const std::wstring &path) const;

private:
    std::vector<FakeWordDocument> m_written;
};
