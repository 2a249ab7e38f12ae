#include "ComExcelOffice.h"

#include "AutomationProcess.h"
#include "ComClass.h"
#include "DispatchObject.h"
#include "ExcelApplication.h"
#include "ExcelBorders.h"
#include "ExcelColumns.h"
#include "ExcelFont.h"
#include "ExcelInterior.h"
#include "ExcelPageSetup.h"
#include "ExcelRange.h"
#include "ExcelSheets.h"
#include "ExcelWorkbook.h"
#include "ExcelWorkbooks.h"
#include "ExcelWorksheet.h"

#include <cstdint>
#include <cwchar>
#include <utility>

namespace {

using V = ComVariant;

// Each surface object wraps the automation object it stands for; the wrapper's end
// releases it.
class ComObject
{
public:
    explicit ComObject(DispatchObject object) : m_object(std::move(object)) {}

protected:
    DispatchObject m_object;
};

class ComFont : public ExcelFont, ComObject
{
public:
    using ComObject::ComObject;

    void setName(const std::wstring &name) override { m_object.put(L"Name", V::text(name)); }
    void setSize(int size) override { m_object.put(L"Size", V::integer(size)); }
    void setBold(bool bold) override { m_object.put(L"Bold", V::boolean(bold)); }
    void setItalic(bool italic) override { m_object.put(L"Italic", V::boolean(italic)); }
    // 0x00BBGGRR fits a positive 32-bit integer.
    void setColor(std::uint32_t color) override { m_object.put(L"Color", V::integer(std::int32_t(color))); }
};

class ComBorders : public ExcelBorders, ComObject
{
public:
    using ComObject::ComObject;

    void setLineStyle(int style) override { m_object.put(L"LineStyle", V::integer(style)); }
    void setItemLineStyle(int index, int style) override
    {
        m_object.item("Border", {V::integer(index)}).put(L"LineStyle", V::integer(style));
    }
};

class ComInterior : public ExcelInterior, ComObject
{
public:
    using ComObject::ComObject;

    void setColorIndex(const AutomationValue &index) override
    {
        if (index.type == VariantType::Null || index.type == VariantType::Empty)
            m_object.put(L"ColorIndex", V::null());
        else
            m_object.put(L"ColorIndex", V::integer(int(std::wcstol(index.text.c_str(), nullptr, 10))));
    }
    void setColor(std::uint32_t color) override { m_object.put(L"Color", V::integer(std::int32_t(color))); }
};

class ComColumns : public ExcelColumns, ComObject
{
public:
    using ComObject::ComObject;

    double columnWidth() override { return m_object.get(L"ColumnWidth").toNumber("Columns.ColumnWidth"); }
    void setColumnWidth(int width) override { m_object.put(L"ColumnWidth", V::integer(width)); }
    void autoFit() override { m_object.call(L"AutoFit"); }
};

class ComRange : public ExcelRange, ComObject
{
public:
    using ComObject::ComObject;

    AutomationValue value() override { return m_object.get(L"Value").toAutomationValue("Range.Value"); }
    std::unique_ptr<ExcelFont> font() override { return std::make_unique<ComFont>(m_object.object(L"Font", "Font")); }
    void setHorizontalAlignment(int alignment) override
    {
        m_object.put(L"HorizontalAlignment", V::integer(alignment));
    }
    void setVerticalAlignment(int alignment) override { m_object.put(L"VerticalAlignment", V::integer(alignment)); }
    void setWrapText(bool wrap) override { m_object.put(L"WrapText", V::boolean(wrap)); }
    std::unique_ptr<ExcelBorders> borders() override
    {
        return std::make_unique<ComBorders>(m_object.object(L"Borders", "Borders"));
    }
    std::unique_ptr<ExcelInterior> interior() override
    {
        return std::make_unique<ComInterior>(m_object.object(L"Interior", "Interior"));
    }
    std::unique_ptr<ExcelColumns> columns() override
    {
        return std::make_unique<ComColumns>(m_object.object(L"Columns", "Columns"));
    }
    void copy() override { m_object.call(L"Copy"); }
};

class ComPageSetup : public ExcelPageSetup, ComObject
{
public:
    using ComObject::ComObject;

    void setOrientation(int orientation) override { m_object.put(L"Orientation", V::integer(orientation)); }
    void setLeftHeader(const std::wstring &text) override { m_object.put(L"LeftHeader", V::text(text)); }
    std::wstring centerHeader() override { return m_object.get(L"CenterHeader").toText("PageSetup.CenterHeader"); }
    void setCenterHeader(const std::wstring &text) override { m_object.put(L"CenterHeader", V::text(text)); }
    void setCenterHorizontally(bool centre) override { m_object.put(L"CenterHorizontally", V::boolean(centre)); }
    void setLeftMargin(double points) override { m_object.put(L"LeftMargin", V::number(points)); }
    void setRightMargin(double points) override { m_object.put(L"RightMargin", V::number(points)); }
    void setTopMargin(double points) override { m_object.put(L"TopMargin", V::number(points)); }
    void setBottomMargin(double points) override { m_object.put(L"BottomMargin", V::number(points)); }
};

class ComWorksheet : public ExcelWorksheet, ComObject
{
public:
    using ComObject::ComObject;

    std::wstring name() override { return m_object.get(L"Name").toText("Worksheet.Name"); }
    std::unique_ptr<ExcelRange> cells(int row, int column) override
    {
        return std::make_unique<ComRange>(m_object.object(L"Cells", "Range", {V::integer(row), V::integer(column)}));
    }
    std::unique_ptr<ExcelRange> range(const std::wstring &address) override
    {
        return std::make_unique<ComRange>(m_object.object(L"Range", "Range", {V::text(address)}));
    }
    std::unique_ptr<ExcelColumns> columns(int number) override
    {
        return std::make_unique<ComColumns>(m_object.object(L"Columns", "Columns", {V::integer(number)}));
    }
    std::unique_ptr<ExcelPageSetup> pageSetup() override
    {
        return std::make_unique<ComPageSetup>(m_object.object(L"PageSetup", "PageSetup"));
    }
};

class ComSheets : public ExcelSheets, ComObject
{
public:
    using ComObject::ComObject;

    int count() override { return m_object.get(L"Count").toInteger("Sheets.Count"); }
    std::unique_ptr<ExcelWorksheet> item(int number) override
    {
        return std::make_unique<ComWorksheet>(m_object.item("Worksheet", {V::integer(number)}));
    }
};

class ComWorkbook : public ExcelWorkbook, ComObject
{
public:
    using ComObject::ComObject;

    std::unique_ptr<ExcelSheets> sheets() override
    {
        return std::make_unique<ComSheets>(m_object.object(L"Sheets", "Sheets"));
    }
    int fileFormat() override { return m_object.get(L"FileFormat").toInteger("Workbook.FileFormat"); }
    void close() override { m_object.call(L"Close", {V::boolean(false)}); }
    void saveAs(const std::wstring &fileName, const std::wstring &formatCode) override
    {
        m_object.call(L"SaveAs", {V::text(fileName), V::text(formatCode)});
    }
};

class ComWorkbooks : public ExcelWorkbooks, ComObject
{
public:
    using ComObject::ComObject;

    // Open(FileName, UpdateLinks, ReadOnly, Format, Password, WriteResPassword,
    // IgnoreReadOnlyRecommended), an argument not given left out. Open returns the
    // workbook, which is let go at once: it is reached as item 1.
    void open(const std::wstring &path, const ExcelOpenArguments &arguments) override
    {
        auto given = [](const auto &value, auto make) { return value ? make(*value) : V::missing(); };
        m_object.call(L"Open", {V::text(path), given(arguments.UpdateLinks, V::integer),
                                given(arguments.ReadOnly, V::boolean), V::missing(),
                                given(arguments.Password, V::text), V::missing(),
                                given(arguments.IgnoreReadOnlyRecommended, V::boolean)});
    }
    std::unique_ptr<ExcelWorkbook> item(int index) override
    {
        return std::make_unique<ComWorkbook>(m_object.item("Workbook", {V::integer(index)}));
    }
};

class ComApplication : public ExcelApplication, ComObject
{
public:
    explicit ComApplication(ComClass::Instance instance)
        : ComObject(std::move(instance.object))
        , m_process(std::move(instance.process))
    {
    }

    void setVisible(bool visible) override { m_object.put(L"Visible", V::boolean(visible)); }
    void setDisplayAlerts(bool on) override { m_object.put(L"DisplayAlerts", V::boolean(on)); }
    void setInteractive(bool on) override { m_object.put(L"InterActive", V::boolean(on)); }
    void setAutomationSecurity(int level) override { m_object.put(L"AutomationSecurity", V::integer(level)); }
    void setCutCopyMode(bool on) override { m_object.put(L"CutCopyMode", V::boolean(on)); }
    std::wstring version() override { return m_object.get(L"Version").toText("Application.Version"); }
    std::unique_ptr<ExcelWorkbooks> workbooks() override
    {
        return std::make_unique<ComWorkbooks>(m_object.object(L"Workbooks", "Workbooks"));
    }
    void quit() override { m_object.call(L"Quit"); }
    std::shared_ptr<AutomationProcess> process() override { return m_process; }

private:
    std::shared_ptr<AutomationProcess> m_process;
};

} // namespace

ComExcelOffice::ComExcelOffice(std::wstring progId)
    : m_progId(std::move(progId))
{
}

bool ComExcelOffice::classRegistered()
{
    return ComClass::registered(m_progId);
}

std::unique_ptr<ExcelApplication> ComExcelOffice::createApplication()
{
    return std::make_unique<ComApplication>(ComClass::create(m_progId, "Application"));
}
