#pragma once

#include "FakeClipboard.h"
#include "WordOffice.h"

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

    bool operator==(const FakeWordInstance &) const = default;
};

// A simulated Word for the table export and the presence check. Paste takes the table
// from the clipboard that the simulated Excel fills. An insertion point right after a
// table counts as inside it (Word keeps it in the table's last cell), so the selection's
// tables are found after a paste or a collapse. Margins given as text are read in the
// measurement unit, which Word keeps among the user's settings: it lives here, beyond
// any one instance. Members named in failOn ("Selection.Paste", "Document.SaveAs",
// "createApplication", ...) throw AutomationError, as does any call after Quit.
class FakeWord : public WordOffice
{
public:
    explicit FakeWord(FakeClipboard &clipboard) : clipboard(clipboard) {}

    bool classRegistered() override { return registered; }
    std::unique_ptr<WordApplication> createApplication() override;

    bool registered = true;
    std::wstring version = L"16.0";
    int measurementUnit = 1;   // centimetres
    std::set<std::string> failOn;
    std::vector<std::shared_ptr<FakeWordInstance>> instances;
    FakeClipboard &clipboard;

    FakeWordInstance &lastInstance() { return *instances.back(); }
    void check(const std::string &member) const;
};
