#include "WordExport.h"

#include "AutomationError.h"
#include "WordApplication.h"
#include "WordOffice.h"
#include "WordTableExport.h"

#include <memory>

void ExportTableToWord(WordOffice &word, const std::wstring &path, const std::wstring &title, bool apaStyle,
                       int excelOrientation)
{
    WordTableExport document(word, apaStyle, excelOrientation);
    document.addTable(title);
    document.saveAs(path);
    document.end();
}

bool WordPresenceCheck(WordOffice &word)
{
    try {
        const std::unique_ptr<WordApplication> application = word.createApplication();
        if (!application)
            return false;
        try {
            application->setDisplayAlerts(false);
            application->version();
            application->setDisplayAlerts(true);
            application->quit();
        } catch (...) {
            try {
                application->quit();
            } catch (...) {
                // The check has failed already; what the instance says no longer matters.
            }
            return false;
        }
    } catch (...) {
        return false;
    }
    return true;
}
