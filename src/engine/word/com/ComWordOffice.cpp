#include "ComWordOffice.h"

#include "AutomationProcess.h"
#include "ComClass.h"
#include "DispatchObject.h"
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

#include <utility>

namespace {

using V = ComVariant;

// Word's alert levels (WdAlertLevel) and the Quit choice that saves nothing.
constexpr int AlertsNone = 0;
constexpr int AlertsAll = -1;
constexpr int DoNotSaveChanges = 0;

// Each surface object wraps the automation object it stands for; the wrapper's end
// releases it.
class ComObject
{
public:
    explicit ComObject(DispatchObject object) : m_object(std::move(object)) {}

protected:
    DispatchObject m_object;
};

class ComFont : public WordFont, ComObject
{
public:
    using ComObject::ComObject;

    void setName(const std::wstring &name) override { m_object.put(L"Name", V::text(name)); }
    void setSize(int size) override { m_object.put(L"Size", V::integer(size)); }
    void setItalic(bool italic) override { m_object.put(L"Italic", V::boolean(italic)); }
};

class ComParagraphFormat : public WordParagraphFormat, ComObject
{
public:
    using ComObject::ComObject;

    void setLineSpacingRule(int rule) override { m_object.put(L"LineSpacingRule", V::integer(rule)); }
    void setAlignment(int alignment) override { m_object.put(L"Alignment", V::integer(alignment)); }
};

class ComCells : public WordCells, ComObject
{
public:
    using ComObject::ComObject;

    void setVerticalAlignment(int alignment) override { m_object.put(L"VerticalAlignment", V::integer(alignment)); }
};

class ComRows : public WordRows, ComObject
{
public:
    using ComObject::ComObject;

    void setAlignment(int alignment) override { m_object.put(L"Alignment", V::integer(alignment)); }
    void selectItem(int index) override { m_object.item("Row", {V::integer(index)}).call(L"Select"); }
};

class ComTable : public WordTable, ComObject
{
public:
    using ComObject::ComObject;

    std::unique_ptr<WordRows> rows() override { return std::make_unique<ComRows>(m_object.object(L"Rows", "Rows")); }
    void autoFitBehavior(int behavior) override { m_object.call(L"AutoFitBehavior", {V::integer(behavior)}); }
    void select() override { m_object.call(L"Select"); }
};

class ComTables : public WordTables, ComObject
{
public:
    using ComObject::ComObject;

    int count() override { return m_object.get(L"Count").toInteger("Tables.Count"); }
    std::unique_ptr<WordTable> item(int index) override
    {
        return std::make_unique<ComTable>(m_object.item("Table", {V::integer(index)}));
    }
};

class ComSelection : public WordSelection, ComObject
{
public:
    using ComObject::ComObject;

    void insertAfter(const std::wstring &text) override { m_object.call(L"InsertAfter", {V::text(text)}); }
    std::unique_ptr<WordFont> font() override { return std::make_unique<ComFont>(m_object.object(L"Font", "Font")); }
    std::unique_ptr<WordParagraphFormat> paragraphFormat() override
    {
        return std::make_unique<ComParagraphFormat>(m_object.object(L"ParagraphFormat", "ParagraphFormat"));
    }
    void collapse(int direction) override { m_object.call(L"Collapse", {V::integer(direction)}); }
    void paste() override { m_object.call(L"Paste"); }
    std::unique_ptr<WordTables> tables() override
    {
        return std::make_unique<ComTables>(m_object.object(L"Tables", "Tables"));
    }
    std::unique_ptr<WordCells> cells() override { return std::make_unique<ComCells>(m_object.object(L"Cells", "Cells")); }
};

class ComPageSetup : public WordPageSetup, ComObject
{
public:
    using ComObject::ComObject;

    void setOrientation(int orientation) override { m_object.put(L"Orientation", V::integer(orientation)); }
    void setTopMargin(double points) override { m_object.put(L"TopMargin", V::number(points)); }
    void setBottomMargin(double points) override { m_object.put(L"BottomMargin", V::number(points)); }
    void setLeftMargin(double points) override { m_object.put(L"LeftMargin", V::number(points)); }
    void setRightMargin(double points) override { m_object.put(L"RightMargin", V::number(points)); }
};

class ComDocument : public WordDocument, ComObject
{
public:
    using ComObject::ComObject;

    void select() override { m_object.call(L"Select"); }
    std::unique_ptr<WordPageSetup> pageSetup() override
    {
        return std::make_unique<ComPageSetup>(m_object.object(L"PageSetup", "PageSetup"));
    }
    std::unique_ptr<WordTables> tables() override
    {
        return std::make_unique<ComTables>(m_object.object(L"Tables", "Tables"));
    }
    void saveAs(const std::wstring &fileName, int fileFormat) override
    {
        m_object.call(L"SaveAs", {V::text(fileName), V::integer(fileFormat)});
    }
};

class ComDocuments : public WordDocuments, ComObject
{
public:
    using ComObject::ComObject;

    // Add returns the new document, which is let go at once: it is reached as item 1.
    void add() override { m_object.call(L"Add"); }
    std::unique_ptr<WordDocument> item(int index) override
    {
        return std::make_unique<ComDocument>(m_object.item("Document", {V::integer(index)}));
    }
};

class ComApplication : public WordApplication, ComObject
{
public:
    explicit ComApplication(ComClass::Instance instance)
        : ComObject(std::move(instance.object))
        , m_process(std::move(instance.process))
    {
    }

    void setVisible(bool visible) override { m_object.put(L"Visible", V::boolean(visible)); }
    void setDisplayAlerts(bool on) override { m_object.put(L"DisplayAlerts", V::integer(on ? AlertsAll : AlertsNone)); }
    std::wstring version() override { return m_object.get(L"Version").toText("Application.Version"); }
    std::unique_ptr<WordDocuments> documents() override
    {
        return std::make_unique<ComDocuments>(m_object.object(L"Documents", "Documents"));
    }
    std::unique_ptr<WordSelection> selection() override
    {
        return std::make_unique<ComSelection>(m_object.object(L"Selection", "Selection"));
    }
    std::unique_ptr<WordDocument> activeDocument() override
    {
        return std::make_unique<ComDocument>(m_object.object(L"ActiveDocument", "Document"));
    }
    void quit() override { m_object.call(L"Quit", {V::integer(DoNotSaveChanges)}); }
    std::shared_ptr<AutomationProcess> process() override { return m_process; }

private:
    std::shared_ptr<AutomationProcess> m_process;
};

} // namespace

ComWordOffice::ComWordOffice(std::wstring progId)
    : m_progId(std::move(progId))
{
}

bool ComWordOffice::classRegistered()
{
    return ComClass::registered(m_progId);
}

std::unique_ptr<WordApplication> ComWordOffice::createApplication()
{
    return std::make_unique<ComApplication>(ComClass::create(m_progId, "Application"));
}
