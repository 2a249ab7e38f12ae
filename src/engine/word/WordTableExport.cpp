#include "WordTableExport.h"

#include "AutomationError.h"
#include "AutomationProcess.h"
#include "DocumentRefusal.h"
#include "ProcessWatch.h"
#include "WordApplication.h"
#include "WordCells.h"
#include "WordDocument.h"
#include "WordDocuments.h"
#include "WordFont.h"
#include "WordOffice.h"
#include "WordPageSetup.h"
#include "WordParagraphFormat.h"
#include "WordRows.h"
#include "WordSelection.h"
#include "WordTable.h"
#include "WordTables.h"

namespace {

// Word's numbers as this program passes them.
constexpr int DoubleSpacing = 2;        // wdLineSpaceDouble
constexpr int CollapseToEnd = 0;        // wdCollapseEnd
constexpr int RowsCentred = 1;          // wdAlignRowCenter
constexpr int FitToWindow = 2;          // wdAutoFitWindow
constexpr int CellsCentred = 1;         // wdCellAlignVerticalCenter
constexpr int ParagraphCentred = 1;     // wdAlignParagraphCenter
constexpr int WordDocumentFormat = 0;   // wdFormatDocument
constexpr int WordPortrait = 0;
constexpr int WordLandscape = 1;
constexpr int TitleSize = 12;
constexpr double OneInch = 72;          // points
const wchar_t *const TitleFont = L"Times New Roman";

} // namespace

WordTableExport::WordTableExport(WordOffice &word, bool apaStyle, int excelOrientation)
    : m_word(word.createApplication())
    , m_apaStyle(apaStyle)
{
    if (!m_word)
        throw AutomationError("Word.Application", "no instance was created");
    try {
        if (std::shared_ptr<AutomationProcess> process = m_word->process())
            m_watch = std::make_unique<ProcessWatch>(std::move(process), word.watchLimits());
        start(excelOrientation);
    } catch (...) {
        quitQuietly();
        fail();
    }
}

WordTableExport::~WordTableExport()
{
    quitQuietly();
}

void WordTableExport::quitQuietly()
{
    if (!m_word)
        return;
    try {
        m_word->quit();
    } catch (...) {
        // The instance is being ended; what it says no longer matters.
    }
    m_word.reset();
}

void WordTableExport::start(int excelOrientation)
{
    m_word->setVisible(false);
    m_word->setDisplayAlerts(false);
    m_word->documents()->add();
    m_word->documents()->item(1)->select();
    if (excelOrientation == 1)
        m_word->documents()->item(1)->pageSetup()->setOrientation(WordPortrait);
    else if (excelOrientation == 2)
        m_word->documents()->item(1)->pageSetup()->setOrientation(WordLandscape);
}

void WordTableExport::addTable(const std::wstring &title)
{
    try {
        if (m_tables > 0)
            moveToEnd();
        if (m_apaStyle) {
            insertLine(L"Table ##", false);
            insertLine(title, true);
        }
        m_word->selection()->paste();
        ++m_tables;
        formatTable();
    } catch (...) {
        fail();
    }
}

void WordTableExport::saveAs(const std::wstring &path)
{
    try {
        m_word->activeDocument()->saveAs(path, WordDocumentFormat);
    } catch (...) {
        fail();
    }
}

void WordTableExport::end()
{
    const std::unique_ptr<WordApplication> word = std::move(m_word);
    try {
        word->quit();
    } catch (...) {
        fail();
    }
    m_watch.reset();
}

void WordTableExport::moveToEnd()
{
    // A table pasted right below another would become part of it: an empty paragraph
    // (or the APA lines) keeps them apart.
    m_word->documents()->item(1)->select();
    m_word->selection()->collapse(CollapseToEnd);
    if (!m_apaStyle) {
        m_word->selection()->insertAfter(L"\r");
        m_word->selection()->collapse(CollapseToEnd);
    }
}

// One line above the table, double spaced in Times New Roman 12; the selection ends
// after it.
void WordTableExport::insertLine(const std::wstring &text, bool italic)
{
    m_word->selection()->insertAfter(text + L'\r');
    m_word->selection()->font()->setName(TitleFont);
    m_word->selection()->font()->setSize(TitleSize);
    if (italic)
        m_word->selection()->font()->setItalic(true);
    m_word->selection()->paragraphFormat()->setLineSpacingRule(DoubleSpacing);
    m_word->selection()->collapse(CollapseToEnd);
}

std::unique_ptr<WordTable> WordTableExport::pastedTable()
{
    // Where Word keeps the insertion point inside the table, the selection holds it; it
    // usually lies in the paragraph after the table, where the selection holds none,
    // and the table is the document's last one.
    const std::unique_ptr<WordTables> selected = m_word->selection()->tables();
    if (selected->count() > 0)
        return selected->item(1);
    return m_word->documents()->item(1)->tables()->item(m_tables);
}

void WordTableExport::formatTable()
{
    if (m_apaStyle) {
        pastedTable()->rows()->setAlignment(RowsCentred);
        pastedTable()->autoFitBehavior(FitToWindow);
        if (m_tables == 1)
            oneInchMargins();
        pastedTable()->select();
        m_word->selection()->cells()->setVerticalAlignment(CellsCentred);
        m_word->selection()->paragraphFormat()->setLineSpacingRule(DoubleSpacing);
        m_word->selection()->collapse(CollapseToEnd);
    }
    // The header row centred.
    pastedTable()->rows()->selectItem(1);
    m_word->selection()->paragraphFormat()->setAlignment(ParagraphCentred);
}

void WordTableExport::oneInchMargins()
{
    const std::unique_ptr<WordPageSetup> page = m_word->documents()->item(1)->pageSetup();
    page->setTopMargin(OneInch);
    page->setBottomMargin(OneInch);
    page->setLeftMargin(OneInch);
    page->setRightMargin(OneInch);
}

void WordTableExport::fail()
{
    // The call failed because the watchdog ended Word: that is what the user learns.
    if (m_watch && m_watch->endedProcess())
        throw DocumentRefusal("Word stopped responding (waiting for an answer nobody could give) and was ended");
    throw;
}
