#include "ExcelSession.h"

#include "AutomationError.h"
#include "AutomationProcess.h"
#include "ExcelApplication.h"
#include "ExcelFileFormats.h"
#include "ExcelOffice.h"
#include "ExcelSheets.h"
#include "ExcelWorkbook.h"
#include "ExcelWorkbooks.h"
#include "ExcelWorksheet.h"
#include "ProcessWatch.h"

#include <algorithm>

namespace {

// MsoAutomationSecurity: macros disabled in every document opened, without asking.
constexpr int ForceDisableMacros = 3;
constexpr int BinaryWorkbookColumns = 256;
constexpr int BinaryWorkbookRows = 65536;
// A password nobody gives a workbook: a protected one fails to open instead of asking.
const wchar_t *const NoPassword = L"\x1f-tablevane-no-password-\x1f";

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
        if (std::shared_ptr<AutomationProcess> process = m_application->process())
            m_watch = std::make_unique<ProcessWatch>(std::move(process), office.watchLimits());
        m_application->setVisible(false);
        m_application->setDisplayAlerts(false);
        m_application->setInteractive(false);
    } catch (...) {
        end();
        throw;
    }
    // Excel 2000 and older have no such setting; they run no macro of a document opened
    // through automation on their own.
    ignoringFailure([this] { m_application->setAutomationSecurity(ForceDisableMacros); });
}

ExcelSession::~ExcelSession()
{
    end();
}

void ExcelSession::open(const std::wstring &path)
{
    ExcelOpenArguments arguments;
    arguments.UpdateLinks = 0;
    arguments.ReadOnly = true;
    arguments.Password = NoPassword;
    arguments.IgnoreReadOnlyRecommended = true;
    m_application->workbooks()->open(path, arguments);
    m_opened = true;
    m_fileFormat = workbook()->fileFormat();
}

int ExcelSession::lastColumn(int bound) const
{
    return ExcelFileFormats::isBinaryWorkbook(m_fileFormat) ? std::min(bound, BinaryWorkbookColumns) : bound;
}

int ExcelSession::lastRow(int bound) const
{
    return ExcelFileFormats::isBinaryWorkbook(m_fileFormat) ? std::min(bound, BinaryWorkbookRows) : bound;
}

std::unique_ptr<ExcelWorkbook> ExcelSession::workbook()
{
    return m_application->workbooks()->item(1);
}

std::unique_ptr<ExcelWorksheet> ExcelSession::sheet(int number)
{
    return workbook()->sheets()->item(number);
}

void ExcelSession::closeWorkbook()
{
    if (!m_opened)
        return;
    m_opened = false;
    workbook()->close();
}

void ExcelSession::end()
{
    if (!m_application)
        return;
    ignoringFailure([this] { m_application->setCutCopyMode(false); });
    if (m_opened)
        ignoringFailure([this] { workbook()->close(); });
    ignoringFailure([this] { m_application->setDisplayAlerts(true); });
    ignoringFailure([this] { m_application->setInteractive(true); });
    ignoringFailure([this] { m_application->quit(); });
    m_application.reset();
    m_opened = false;
    // Watched until Quit has returned: Quit too can wait for an answer.
    m_ended = m_watch && m_watch->endedProcess();
    m_watch.reset();
}

bool ExcelSession::endedByWatchdog() const
{
    return m_ended || (m_watch && m_watch->endedProcess());
}
