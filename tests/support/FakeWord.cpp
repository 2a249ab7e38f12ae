#include "FakeWord.h"

#include "AutomationError.h"
#include "FakeStandIn.h"
#include "WordApplication.h"
#include "WordCells.h"
#include "WordDocument.h"
#include "WordDocuments.h"
#include "WordFont.h"
#include "WordPageSetup.h"
#include "WordParagraphFormat.h"
#include "WordRows.h"
#include "WordSelection.h"
#include "WordTable.h"
#include "WordTables.h"

#include <algorithm>
#include <functional>

namespace {

using Kind = FakeWordSelection::Kind;

const std::string StandIn = "FAKE-WORD-DOCUMENT";

// An instance of the simulation and the calls every object of it shares.
class Session
{
public:
    Session(FakeWord &word, std::shared_ptr<FakeWordInstance> instance)
        : m_word(word)
        , m_instance(std::move(instance))
    {
    }

    void check(const std::string &member) const
    {
        m_word.check(member);
        if (m_instance->quit)
            throw AutomationError(member, "the instance has quit");
        if (m_instance->process->ended())
            throw AutomationError(member, "the remote procedure call failed: the server process has ended");
        if (m_word.promptOn.count(member))
            prompt(member, "a question of " + member);
        m_instance->process->tick();
    }
    [[noreturn]] void prompt(const std::string &member, const std::string &question) const
    {
        m_instance->process->prompt(member, question);
    }
    FakeWord &word() const { return m_word; }
    FakeWordInstance &instance() const { return *m_instance; }
    FakeWordSelection &selection() const { return m_instance->selection; }
    FakeWordDocument &active(const std::string &member) const
    {
        if (m_instance->documents.empty())
            throw AutomationError(member, "no document");
        return m_instance->documents.back();
    }
    int finalBlock(const std::string &member) const { return int(active(member).blocks.size()) - 1; }

    // The blocks of the selection that are paragraphs, or that are tables.
    std::vector<int> selected(const std::string &member, bool tables) const
    {
        const FakeWordDocument &document = active(member);
        const FakeWordSelection &s = selection();
        std::vector<int> found;
        auto take = [&](int block) {
            if (block >= 0 && block < int(document.blocks.size()) && document.blocks[block].isTable == tables)
                found.push_back(block);
        };
        switch (s.kind) {
        case Kind::Blocks:
            for (int block = s.first; block <= s.last; ++block)
                take(block);
            break;
        case Kind::Cursor:
            // An insertion point is inside the block it stands at: in a table only when
            // that block is one.
            take(s.first);
            break;
        case Kind::TableRow:
            if (tables)
                take(s.first);
            break;
        }
        return found;
    }

private:
    FakeWord &m_word;
    std::shared_ptr<FakeWordInstance> m_instance;
};

class FakeFont : public WordFont
{
public:
    explicit FakeFont(Session session) : m_session(std::move(session)) {}

    void setName(const std::wstring &name) override { write("Font.Name", [&](FakeWordParagraph &p) { p.fontName = name; }); }
    void setSize(int size) override { write("Font.Size", [&](FakeWordParagraph &p) { p.fontSize = size; }); }
    void setItalic(bool italic) override { write("Font.Italic", [&](FakeWordParagraph &p) { p.italic = italic; }); }

private:
    void write(const std::string &member, const std::function<void(FakeWordParagraph &)> &change)
    {
        m_session.check(member);
        for (int block : m_session.selected(member, false))
            change(m_session.active(member).blocks[block].paragraph);
    }

    Session m_session;
};

class FakeParagraphFormat : public WordParagraphFormat
{
public:
    explicit FakeParagraphFormat(Session session) : m_session(std::move(session)) {}

    void setLineSpacingRule(int rule) override
    {
        const std::string member = "ParagraphFormat.LineSpacingRule";
        m_session.check(member);
        FakeWordDocument &document = m_session.active(member);
        for (int block : m_session.selected(member, false))
            document.blocks[block].paragraph.lineSpacingRule = rule;
        for (int block : m_session.selected(member, true))
            document.blocks[block].table.lineSpacingRule = rule;
    }
    void setAlignment(int alignment) override
    {
        const std::string member = "ParagraphFormat.Alignment";
        m_session.check(member);
        FakeWordDocument &document = m_session.active(member);
        for (int block : m_session.selected(member, false))
            document.blocks[block].paragraph.alignment = alignment;
        for (int block : m_session.selected(member, true)) {
            std::vector<int> &rows = document.blocks[block].table.rowAlignment;
            if (m_session.selection().kind == Kind::TableRow)
                rows.at(m_session.selection().row - 1) = alignment;
            else
                rows.assign(rows.size(), alignment);
        }
    }

private:
    Session m_session;
};

class FakeRows : public WordRows
{
public:
    FakeRows(Session session, int block) : m_session(std::move(session)), m_block(block) {}

    void setAlignment(int alignment) override
    {
        m_session.check("Rows.Alignment");
        m_session.active("Rows.Alignment").blocks.at(m_block).table.rowsAlignment = alignment;
    }
    void selectItem(int index) override
    {
        m_session.check("Rows.Item");
        const FakeWordTable &table = m_session.active("Rows.Item").blocks.at(m_block).table;
        if (index < 1 || index > int(table.cells.size()))
            throw AutomationError("Rows.Item", "no such row");
        m_session.selection() = {Kind::TableRow, m_block, m_block, index};
    }

private:
    Session m_session;
    int m_block;
};

class FakeTable : public WordTable
{
public:
    FakeTable(Session session, int block) : m_session(std::move(session)), m_block(block) {}

    std::unique_ptr<WordRows> rows() override
    {
        m_session.check("Table.Rows");
        return std::make_unique<FakeRows>(m_session, m_block);
    }
    void autoFitBehavior(int behavior) override
    {
        m_session.check("Table.AutoFitBehavior");
        m_session.active("Table.AutoFitBehavior").blocks.at(m_block).table.autoFitBehavior = behavior;
    }
    void select() override
    {
        m_session.check("Table.Select");
        m_session.selection() = {Kind::Blocks, m_block, m_block, 0};
    }

private:
    Session m_session;
    int m_block;
};

class FakeTables : public WordTables
{
public:
    FakeTables(Session session, std::vector<int> blocks) : m_session(std::move(session)), m_blocks(std::move(blocks)) {}

    int count() override
    {
        m_session.check("Tables.Count");
        return int(m_blocks.size());
    }
    std::unique_ptr<WordTable> item(int index) override
    {
        m_session.check("Tables.Item");
        if (index < 1 || index > int(m_blocks.size()))
            throw AutomationError("Tables.Item", "The requested member of the collection does not exist.");
        return std::make_unique<FakeTable>(m_session, m_blocks[index - 1]);
    }

private:
    Session m_session;
    std::vector<int> m_blocks;
};

class FakeCells : public WordCells
{
public:
    FakeCells(Session session, std::vector<int> blocks) : m_session(std::move(session)), m_blocks(std::move(blocks)) {}

    void setVerticalAlignment(int alignment) override
    {
        m_session.check("Cells.VerticalAlignment");
        for (int block : m_blocks)
            m_session.active("Cells.VerticalAlignment").blocks.at(block).table.cellsVerticalAlignment = alignment;
    }

private:
    Session m_session;
    std::vector<int> m_blocks;
};

class FakeSelection : public WordSelection
{
public:
    explicit FakeSelection(Session session) : m_session(std::move(session)) {}

    void insertAfter(const std::wstring &text) override
    {
        const std::string member = "Selection.InsertAfter";
        m_session.check(member);
        FakeWordDocument &document = m_session.active(member);
        FakeWordSelection &s = m_session.selection();
        if (s.kind == Kind::TableRow)
            throw AutomationError(member, "not in a table row");
        // Nothing goes after the last paragraph mark: text for the end lands before it.
        const int at = s.kind == Kind::Cursor ? s.first : std::min(s.last + 1, m_session.finalBlock(member));
        std::vector<FakeWordBlock> paragraphs;
        std::wstring line;
        for (wchar_t c : text) {
            if (c == L'\r') {
                paragraphs.push_back({false, {line}, {}});
                line.clear();
            } else {
                line += c;
            }
        }
        if (!line.empty())
            paragraphs.push_back({false, {line}, {}});
        document.blocks.insert(document.blocks.begin() + at, paragraphs.begin(), paragraphs.end());
        const int added = int(paragraphs.size());
        if (s.kind == Kind::Cursor)
            s = {Kind::Blocks, at, at + added - 1, 0};
        else
            s.last += added;
    }
    std::unique_ptr<WordFont> font() override
    {
        m_session.check("Selection.Font");
        return std::make_unique<FakeFont>(m_session);
    }
    std::unique_ptr<WordParagraphFormat> paragraphFormat() override
    {
        m_session.check("Selection.ParagraphFormat");
        return std::make_unique<FakeParagraphFormat>(m_session);
    }
    void collapse(int direction) override
    {
        m_session.check("Selection.Collapse");
        FakeWordSelection &s = m_session.selection();
        int at = s.first;
        if (direction == 0 && s.kind == Kind::Blocks)
            at = s.last == m_session.finalBlock("Selection.Collapse") ? s.last : s.last + 1;
        else if (direction == 0 && s.kind == Kind::TableRow)
            at = s.first + 1;
        s = {Kind::Cursor, at, at, 0};
    }
    void paste() override
    {
        const std::string member = "Selection.Paste";
        m_session.check(member);
        if (!m_session.word().clipboard.table)
            throw AutomationError(member, "the clipboard is empty");
        FakeWordDocument &document = m_session.active(member);
        FakeWordSelection &s = m_session.selection();
        if (s.kind == Kind::TableRow)
            throw AutomationError(member, "cannot paste into a table row here");
        int at = s.first;
        if (s.kind == Kind::Blocks) {
            // The selection is replaced; the last paragraph mark stays.
            const int end = std::min(s.last, m_session.finalBlock(member) - 1);
            if (end >= s.first)
                document.blocks.erase(document.blocks.begin() + s.first, document.blocks.begin() + end + 1);
        }
        FakeWordBlock table;
        table.isTable = true;
        table.table.cells = *m_session.word().clipboard.table;
        table.table.rowAlignment.assign(table.table.cells.size(), 0);
        document.blocks.insert(document.blocks.begin() + at, table);
        s = {Kind::Cursor, at + 1, at + 1, 0};
    }
    std::unique_ptr<WordTables> tables() override
    {
        m_session.check("Selection.Tables");
        return std::make_unique<FakeTables>(m_session, m_session.selected("Selection.Tables", true));
    }
    std::unique_ptr<WordCells> cells() override
    {
        m_session.check("Selection.Cells");
        std::vector<int> tables = m_session.selected("Selection.Cells", true);
        if (tables.empty() || m_session.selection().kind == Kind::Cursor)
            throw AutomationError("Selection.Cells", "the selection holds no cells");
        return std::make_unique<FakeCells>(m_session, tables);
    }

private:
    Session m_session;
};

class FakePageSetup : public WordPageSetup
{
public:
    FakePageSetup(Session session, int document) : m_session(std::move(session)), m_document(document) {}

    void setOrientation(int orientation) override
    {
        m_session.check("PageSetup.Orientation");
        document().orientation = orientation;
    }
    void setTopMargin(double points) override { document().topMargin = margin("PageSetup.TopMargin", points); }
    void setBottomMargin(double points) override { document().bottomMargin = margin("PageSetup.BottomMargin", points); }
    void setLeftMargin(double points) override { document().leftMargin = margin("PageSetup.LeftMargin", points); }
    void setRightMargin(double points) override { document().rightMargin = margin("PageSetup.RightMargin", points); }

private:
    FakeWordDocument &document() { return m_session.instance().documents.at(m_document); }

    // A margin in points (Word refuses one beyond 22 inches).
    double margin(const std::string &member, double points)
    {
        m_session.check(member);
        if (points < 0 || points > 1584)
            throw AutomationError(member, "The measurement must be between 0 and 1584 pt.");
        return points;
    }

    Session m_session;
    int m_document;
};

class FakeDocument : public WordDocument
{
public:
    FakeDocument(Session session, int document) : m_session(std::move(session)), m_document(document) {}

    void select() override
    {
        m_session.check("Document.Select");
        m_session.selection() = {Kind::Blocks, 0, int(document().blocks.size()) - 1, 0};
    }
    std::unique_ptr<WordPageSetup> pageSetup() override
    {
        m_session.check("Document.PageSetup");
        return std::make_unique<FakePageSetup>(m_session, m_document);
    }
    std::unique_ptr<WordTables> tables() override
    {
        m_session.check("Document.Tables");
        std::vector<int> tables;
        for (std::size_t block = 0; block < document().blocks.size(); ++block) {
            if (document().blocks[block].isTable)
                tables.push_back(int(block));
        }
        return std::make_unique<FakeTables>(m_session, tables);
    }
    void saveAs(const std::wstring &fileName, int fileFormat) override
    {
        m_session.check("Document.SaveAs");
        if (fileFormat < 0)
            throw AutomationError("Document.SaveAs", "no such file format");
        FakeWord &word = m_session.word();
        const bool alerts = m_session.instance().displayAlerts;
        // Word 2007 and later check a save in the Word 97-2003 format for what it loses.
        if (alerts && fileFormat == 0)
            m_session.prompt("Document.SaveAs", "the compatibility check");
        if (word.exists(fileName)) {
            if (alerts)
                m_session.prompt("Document.SaveAs", "replace the existing file");
            word.overwritten.push_back(fileName);
        }
        document().savedAs = fileName;
        document().savedFormat = fileFormat;
        word.write(fileName, document());
    }

private:
    FakeWordDocument &document() { return m_session.instance().documents.at(m_document); }

    Session m_session;
    int m_document;
};

class FakeDocuments : public WordDocuments
{
public:
    explicit FakeDocuments(Session session) : m_session(std::move(session)) {}

    void add() override
    {
        m_session.check("Documents.Add");
        m_session.instance().documents.emplace_back();
        m_session.selection() = {};
    }
    std::unique_ptr<WordDocument> item(int index) override
    {
        m_session.check("Documents.Item");
        if (index < 1 || index > int(m_session.instance().documents.size()))
            throw AutomationError("Documents.Item", "no such document");
        return std::make_unique<FakeDocument>(m_session, index - 1);
    }

private:
    Session m_session;
};

class FakeApplication : public WordApplication
{
public:
    explicit FakeApplication(Session session) : m_session(std::move(session)) {}

    void setVisible(bool visible) override
    {
        m_session.check("Application.Visible");
        m_session.instance().visible = visible;
    }
    void setDisplayAlerts(bool on) override
    {
        m_session.check("Application.DisplayAlerts");
        m_session.instance().displayAlerts = on;
    }
    std::wstring version() override
    {
        m_session.check("Application.Version");
        return m_session.word().version;
    }
    std::unique_ptr<WordDocuments> documents() override
    {
        m_session.check("Application.Documents");
        return std::make_unique<FakeDocuments>(m_session);
    }
    std::unique_ptr<WordSelection> selection() override
    {
        m_session.check("Application.Selection");
        return std::make_unique<FakeSelection>(m_session);
    }
    std::unique_ptr<WordDocument> activeDocument() override
    {
        m_session.check("Application.ActiveDocument");
        m_session.active("Application.ActiveDocument");
        return std::make_unique<FakeDocument>(m_session, int(m_session.instance().documents.size()) - 1);
    }
    void quit() override
    {
        m_session.check("Application.Quit");
        m_session.instance().quit = true;
    }
    std::shared_ptr<AutomationProcess> process() override { return m_session.instance().process; }

private:
    Session m_session;
};

} // namespace

std::unique_ptr<WordApplication> FakeWord::createApplication()
{
    check("createApplication");
    instances.push_back(std::make_shared<FakeWordInstance>());
    return std::make_unique<FakeApplication>(Session(*this, instances.back()));
}

bool FakeWordInstance::operator==(const FakeWordInstance &other) const
{
    return visible == other.visible && displayAlerts == other.displayAlerts && quit == other.quit
        && documents == other.documents && selection == other.selection
        && process->prompts() == other.process->prompts();
}

void FakeWord::write(const std::wstring &path, const FakeWordDocument &document)
{
    if (!FakeStandIn::onRealDisk(path)) {
        disk[path] = document;
        return;
    }
    m_written.push_back(document);
    FakeStandIn::write(path, StandIn, m_written.size() - 1);
}

std::optional<FakeWordDocument> FakeWord::read(const std::wstring &path) const
{
    if (FakeStandIn::onRealDisk(path)) {
        const std::optional<int> number = FakeStandIn::number(path, StandIn);
        if (!number || *number < 0 || *number >= int(m_written.size()))
            return std::nullopt;
        return m_written[std::size_t(*number)];
    }
    const auto it = disk.find(path);
    return it == disk.end() ? std::nullopt : std::optional<FakeWordDocument>(it->second);
}

bool FakeWord::exists(const std::wstring &path) const
{
    return FakeStandIn::onRealDisk(path) ? FakeStandIn::exists(path) : disk.count(path) > 0;
}

void FakeWord::check(const std::string &member) const
{
    if (failOn.count(member))
        throw AutomationError(member, "simulated failure");
}
