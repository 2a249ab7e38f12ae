#include "ServerWord.h"

#include "AutomationError.h"
#include "ServerObject.h"
#include "TestServerState.h"
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

#include <memory>

// Word's object model as far as this program uses it, each member handing its call to
// the simulated Word, so that the state after an export through COM is the state the
// simulation reaches when called directly.

namespace {

using Arguments = ServerArguments;

// Word's alert levels (WdAlertLevel) and the Quit choice that saves nothing.
constexpr int AlertsNone = 0;
constexpr int AlertsAll = -1;
constexpr int DoNotSaveChanges = 0;

class FontObject : public ServerObject
{
public:
    explicit FontObject(std::unique_ptr<WordFont> font) : m_font(std::move(font))
    {
        writable(L"Name", VT_BSTR, [this](const Arguments &a) { m_font->setName(a.text(0)); });
        writable(L"Size", VT_I4, [this](const Arguments &a) { m_font->setSize(a.integer(0)); });
        writable(L"Italic", VT_BOOL, [this](const Arguments &a) { m_font->setItalic(a.boolean(0)); });
    }

private:
    std::unique_ptr<WordFont> m_font;
};

class ParagraphFormatObject : public ServerObject
{
public:
    explicit ParagraphFormatObject(std::unique_ptr<WordParagraphFormat> format) : m_format(std::move(format))
    {
        writable(L"LineSpacingRule", VT_I4, [this](const Arguments &a) { m_format->setLineSpacingRule(a.integer(0)); });
        writable(L"Alignment", VT_I4, [this](const Arguments &a) { m_format->setAlignment(a.integer(0)); });
    }

private:
    std::unique_ptr<WordParagraphFormat> m_format;
};

class CellsObject : public ServerObject
{
public:
    explicit CellsObject(std::unique_ptr<WordCells> cells) : m_cells(std::move(cells))
    {
        writable(L"VerticalAlignment", VT_I4, [this](const Arguments &a) { m_cells->setVerticalAlignment(a.integer(0)); });
    }

private:
    std::unique_ptr<WordCells> m_cells;
};

// Rows.Item(index).
class RowObject : public ServerObject
{
public:
    RowObject(std::shared_ptr<WordRows> rows, int index) : m_rows(std::move(rows)), m_index(index)
    {
        method(L"Select", {}, [this](const Arguments &, VARIANT *) { m_rows->selectItem(m_index); });
    }

private:
    std::shared_ptr<WordRows> m_rows;
    int m_index;
};

class RowsObject : public ServerObject
{
public:
    explicit RowsObject(std::shared_ptr<WordRows> rows) : m_rows(std::move(rows))
    {
        writable(L"Alignment", VT_I4, [this](const Arguments &a) { m_rows->setAlignment(a.integer(0)); });
        method(L"Item", {VT_I4}, [this](const Arguments &a, VARIANT *result) {
            returnObject(result, [&] { return new RowObject(m_rows, a.integer(0)); });
        });
    }

private:
    std::shared_ptr<WordRows> m_rows;
};

class TableObject : public ServerObject
{
public:
    explicit TableObject(std::unique_ptr<WordTable> table) : m_table(std::move(table))
    {
        property(L"Rows", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new RowsObject(m_table->rows()); });
        });
        method(L"AutoFitBehavior", {VT_I4}, [this](const Arguments &a, VARIANT *) {
            m_table->autoFitBehavior(a.integer(0));
        });
        method(L"Select", {}, [this](const Arguments &, VARIANT *) { m_table->select(); });
    }

private:
    std::unique_ptr<WordTable> m_table;
};

class TablesObject : public ServerObject
{
public:
    explicit TablesObject(std::unique_ptr<WordTables> tables) : m_tables(std::move(tables))
    {
        property(L"Count", {}, [this](const Arguments &, VARIANT *result) { returnInteger(result, m_tables->count()); });
        method(L"Item", {VT_I4}, [this](const Arguments &a, VARIANT *result) {
            returnObject(result, [&] { return new TableObject(m_tables->item(a.integer(0))); });
        });
    }

private:
    std::unique_ptr<WordTables> m_tables;
};

class SelectionObject : public ServerObject
{
public:
    explicit SelectionObject(std::unique_ptr<WordSelection> selection) : m_selection(std::move(selection))
    {
        method(L"InsertAfter", {VT_BSTR}, [this](const Arguments &a, VARIANT *) { m_selection->insertAfter(a.text(0)); });
        property(L"Font", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new FontObject(m_selection->font()); });
        });
        property(L"ParagraphFormat", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new ParagraphFormatObject(m_selection->paragraphFormat()); });
        });
        method(L"Collapse", {VT_I4}, [this](const Arguments &a, VARIANT *) { m_selection->collapse(a.integer(0)); });
        method(L"Paste", {}, [this](const Arguments &, VARIANT *) { m_selection->paste(); });
        property(L"Tables", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new TablesObject(m_selection->tables()); });
        });
        property(L"Cells", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new CellsObject(m_selection->cells()); });
        });
    }

private:
    std::unique_ptr<WordSelection> m_selection;
};

class PageSetupObject : public ServerObject
{
public:
    explicit PageSetupObject(std::unique_ptr<WordPageSetup> page) : m_page(std::move(page))
    {
        writable(L"Orientation", VT_I4, [this](const Arguments &a) { m_page->setOrientation(a.integer(0)); });
        writable(L"TopMargin", VT_R8, [this](const Arguments &a) { m_page->setTopMargin(a.number(0)); });
        writable(L"BottomMargin", VT_R8, [this](const Arguments &a) { m_page->setBottomMargin(a.number(0)); });
        writable(L"LeftMargin", VT_R8, [this](const Arguments &a) { m_page->setLeftMargin(a.number(0)); });
        writable(L"RightMargin", VT_R8, [this](const Arguments &a) { m_page->setRightMargin(a.number(0)); });
    }

private:
    std::unique_ptr<WordPageSetup> m_page;
};

class DocumentObject : public ServerObject
{
public:
    explicit DocumentObject(std::unique_ptr<WordDocument> document) : m_document(std::move(document))
    {
        method(L"Select", {}, [this](const Arguments &, VARIANT *) { m_document->select(); });
        property(L"PageSetup", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new PageSetupObject(m_document->pageSetup()); });
        });
        property(L"Tables", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new TablesObject(m_document->tables()); });
        });
        method(L"SaveAs", {VT_BSTR, VT_I4}, [this](const Arguments &a, VARIANT *) {
            m_document->saveAs(a.text(0), a.integer(1));
        });
    }

private:
    std::unique_ptr<WordDocument> m_document;
};

class DocumentsObject : public ServerObject
{
public:
    DocumentsObject(std::unique_ptr<WordDocuments> documents, std::shared_ptr<FakeWordInstance> instance)
        : m_documents(std::move(documents))
        , m_instance(std::move(instance))
    {
        // Add hands back the new document, the last one.
        method(L"Add", {}, [this](const Arguments &, VARIANT *result) {
            m_documents->add();
            const int added = int(m_instance->documents.size());
            returnObject(result, [&] { return new DocumentObject(m_documents->item(added)); });
        });
        method(L"Item", {VT_I4}, [this](const Arguments &a, VARIANT *result) {
            returnObject(result, [&] { return new DocumentObject(m_documents->item(a.integer(0))); });
        });
    }

private:
    std::unique_ptr<WordDocuments> m_documents;
    std::shared_ptr<FakeWordInstance> m_instance;
};

class ApplicationObject : public ServerObject
{
public:
    ApplicationObject(std::unique_ptr<WordApplication> application, std::shared_ptr<FakeWordInstance> instance)
        : m_application(std::move(application))
        , m_instance(std::move(instance))
    {
        writable(L"Visible", VT_BOOL, [this](const Arguments &a) { m_application->setVisible(a.boolean(0)); });
        writable(L"DisplayAlerts", VT_I4, [this](const Arguments &a) {
            if (a.integer(0) != AlertsNone && a.integer(0) != AlertsAll)
                throw AutomationError("Application.DisplayAlerts", "not an alert level this program sets");
            m_application->setDisplayAlerts(a.integer(0) == AlertsAll);
        });
        property(L"Version", {}, [this](const Arguments &, VARIANT *result) {
            returnText(result, m_application->version());
        });
        property(L"Documents", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new DocumentsObject(m_application->documents(), m_instance); });
        });
        property(L"Selection", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new SelectionObject(m_application->selection()); });
        });
        property(L"ActiveDocument", {}, [this](const Arguments &, VARIANT *result) {
            returnObject(result, [&] { return new DocumentObject(m_application->activeDocument()); });
        });
        // A hidden instance must never be left asking whether to save.
        method(L"Quit", {VT_I4}, [this](const Arguments &a, VARIANT *) {
            if (a.integer(0) != DoNotSaveChanges)
                throw AutomationError("Application.Quit", "would save or ask about unsaved documents");
            m_application->quit();
        });
    }

private:
    std::unique_ptr<WordApplication> m_application;
    std::shared_ptr<FakeWordInstance> m_instance;
};

} // namespace

IDispatch *newServerWordApplication(TestServerState &state)
{
    std::unique_ptr<WordApplication> application = state.word.createApplication();
    return new ApplicationObject(std::move(application), state.word.instances.back());
}
