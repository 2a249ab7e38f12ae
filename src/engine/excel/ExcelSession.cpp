#include "ExcelSession.h"

#include "AutomationError.h"
#include "ExcelApplication.h"
#include "ExcelOffice.h"
#include "ExcelSheets.h"
#include "ExcelWorkbook.h"
#include "ExcelWorkbooks.h"
#include "ExcelWorksheet.h"

namespace {

template <typename Call>
void ignoringFailure(Call call)
{
    try {
        call();
    } catch (...) {
        // Ending an instance goes on whatever one of its steps says.
    }
}

} // namespace

ExcelSession::ExcelSession(ExcelOffice &office)
    : m_application(office.createApplication())
{
    if (!m_application)
        throw AutomationError("Excel.Application", "no instance was created");
    try {
        m_application->setVisible(false);
        m_application->setDisplayAlerts(false);
        m_application->setInteractive(false);
    } catch (...) {
        end();
        throw;
    }
}

ExcelSession::~ExcelSession()
{
    end();
}

void ExcelSession::open(const std::wstring &path)
{
    m_application->workbooks()->open(path);
    m_opened = true;
}

std::unique_ptr<ExcelWorkbook> ExcelSession::workbook()
{
    return m_application->workbooks()->item(1);
}

std::unique_ptr<ExcelWorksheet> ExcelSession::sheet(int number)
{
    return workbook()->sheets()->item(number);
}

void ExcelSession::end()
{
    if (!m_application)
        return;
    if (m_opened)
        ignoringFailure([this] { workbook()->close(); });
    ignoringFailure([this] { m_application->setDisplayAlerts(true); });
    ignoringFailure([this] { m_application->setInteractive(true); });
    ignoringFailure([this] { m_application->quit(); });
    m_application.reset();
    m_opened = false;
}
