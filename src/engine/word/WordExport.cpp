#include "WordExport.h"

#include "AutomationError.h"
#include "AutomationPaths.h"
#include "WordApplication.h"
#include "WordCells.h"
#include "WordDocument.h"
#include "WordDocuments.h"
#include "WordFont.h"
#include "WordOffice.h"
#include "WordOptions.h"
#include "WordPageSetup.h"
#include "WordParagraphFormat.h"
#include "WordRows.h"
#include "WordSelection.h"
#include "WordTable.h"
#include "WordTables.h"

#include <memory>

namespace {

// Word's numbers as this program passes them.
constexpr int DoubleSpacing = 2;
constexpr int CollapseToEnd = 0;
constexpr int RowsCentred = 1;
constexpr int FitToWindow = 2;
constexpr int Inches = 0;
constexpr int CellsCentred = 1;
constexpr int ParagraphCentred = 1;
constexpr int WordDocumentFormat = 0;
constexpr int WordPortrait = 0;
constexpr int WordLandscape = 1;
constexpr int TitleSize = 12;
const wchar_t *const TitleFont = L"Times New Roman";
const wchar_t *const OneInch = L"1";

template <typename Call>
void ignoringFailure(Call call)
{
    try {
        call();
    } catch (...) {
        // The instance is being ended; what it says no longer matters.
    }
}

std::unique_ptr<WordApplication> startWord(WordOffice &word)
{
    std::unique_ptr<WordApplication> application = word.createApplication();
    if (!application)
        throw AutomationError("Word.Application", "no instance was created");
    return application;
}

// One line above the table, double spaced in Times New Roman 12; the selection ends
// after it.
void insertLine(WordApplication &word, const std::wstring &text, bool italic)
{
    word.selection()->insertAfter(text + L'\r');
    word.selection()->font()->setName(TitleFont);
    word.selection()->font()->setSize(TitleSize);
    if (italic)
        word.selection()->font()->setItalic(true);
    word.selection()->paragraphFormat()->setLineSpacingRule(DoubleSpacing);
    word.selection()->collapse(CollapseToEnd);
}

// One-inch margins, given in inches; the user's measurement unit is put back also when
// a margin fails, as Word keeps the unit among the user's own settings.
void oneInchMargins(WordApplication &word)
{
    const int unit = word.options()->measurementUnit();
    word.options()->setMeasurementUnit(Inches);
    try {
        const std::unique_ptr<WordPageSetup> page = word.documents()->item(1)->pageSetup();
        page->setTopMargin(OneInch);
        page->setBottomMargin(OneInch);
        page->setLeftMargin(OneInch);
        page->setRightMargin(OneInch);
    } catch (...) {
        ignoringFailure([&] { word.options()->setMeasurementUnit(unit); });
        throw;
    }
    word.options()->setMeasurementUnit(unit);
}

void exportTable(WordApplication &word, const std::wstring &basePath, bool apaStyle, int excelOrientation)
{
    word.setVisible(false);
    word.documents()->add();
    word.documents()->item(1)->select();
    if (excelOrientation == 1)
        word.documents()->item(1)->pageSetup()->setOrientation(WordPortrait);
    else if (excelOrientation == 2)
        word.documents()->item(1)->pageSetup()->setOrientation(WordLandscape);

    if (apaStyle) {
        insertLine(word, L"Table ##", false);
        insertLine(word, AutomationPaths::withoutExtension(AutomationPaths::fileName(basePath)), true);
    }
    word.selection()->paste();
    if (apaStyle) {
        word.selection()->tables()->item(1)->rows()->setAlignment(RowsCentred);
        word.selection()->tables()->item(1)->autoFitBehavior(FitToWindow);
        oneInchMargins(word);
        word.selection()->tables()->item(1)->select();
        word.selection()->cells()->setVerticalAlignment(CellsCentred);
        word.selection()->paragraphFormat()->setLineSpacingRule(DoubleSpacing);
        word.selection()->collapse(CollapseToEnd);
    }
    // The header row centred.
    word.selection()->tables()->item(1)->rows()->selectItem(1);
    word.selection()->paragraphFormat()->setAlignment(ParagraphCentred);

    word.activeDocument()->saveAs(basePath, WordDocumentFormat);
    word.quit();
}

} // namespace

void ExportTableToWord(WordOffice &word, const std::wstring &basePath, bool apaStyle, int excelOrientation)
{
    const std::unique_ptr<WordApplication> application = startWord(word);
    try {
        exportTable(*application, basePath, apaStyle, excelOrientation);
    } catch (...) {
        ignoringFailure([&] { application->quit(); });
        throw;
    }
}

bool WordPresenceCheck(WordOffice &word)
{
    try {
        const std::unique_ptr<WordApplication> application = startWord(word);
        try {
            application->setDisplayAlerts(false);
            application->version();
            application->setDisplayAlerts(true);
            application->quit();
        } catch (...) {
            ignoringFailure([&] { application->quit(); });
            return false;
        }
    } catch (...) {
        return false;
    }
    return true;
}
