#pragma once

#include "ExcelJob.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ExcelOffice;
class ExcelPageSetup;
class ExcelRange;
class ExcelSession;
class ResultStore;
class WordOffice;
struct ExcelStorePlan;

// What became of one document.
struct ExcelFormatOutcome
{
    enum class Kind {
        Stored,            // formatted and stored in the chosen format
        Exported,          // formatted and its tables put into a Word document
        NothingToFormat,   // every sheet's automatic range found an empty A1: nothing stored
        Abandoned,         // the program was ending: nothing stored on purpose
        Failed,            // nothing stored; failure says why (UTF-8)
    };
    Kind kind = Kind::Failed;
    std::string failure;
    // For the user's log: why the document was refused, where that is known (UTF-8).
    std::string reason;
    // Sheets left alone because their A1 is empty (numbered from 1).
    std::vector<int> emptySheets;
};

// The formatting of one document through Excel, over the automation surfaces alone (no
// Qt), so that it runs wherever an Excel adapter does. Every sheet, range and page
// set-up is fetched anew from Workbooks(1) for each property written.
class ExcelFormatter
{
public:
    // word receives the tables when the job asks for it; null where Word is absent.
    ExcelFormatter(const ExcelJob &job, WordOffice *word);

    // Which sheets a call formats, and what it tells its caller on the way.
    struct Pass
    {
        std::optional<int> sheet;   // one sheet (from 1); every sheet when empty
        // Every sheet: the document's sheet names, once it is open.
        std::function<void(const std::vector<std::wstring> &names)> opened;
        // Every sheet: after each sheet, formatted or left alone; false abandons the
        // document unstored.
        std::function<bool(int sheet)> sheetDone;
    };

    // Starts Excel, opens path once, formats the sheets of the pass and, when at least
    // one was formatted, has Excel write the result to the store (or Word write the
    // tables) and the store put it in place once Excel let go of the document. Ends Excel
    // on every way out. Never throws.
    ExcelFormatOutcome formatSheets(ExcelOffice &excel, const std::wstring &path, const Pass &pass,
                                    ResultStore &store);
    // One sheet (from 1).
    ExcelFormatOutcome formatDocument(ExcelOffice &excel, const std::wstring &path, int sheet, ResultStore &store);

    // The range to format: column letters and numbers, rows from 1, and the counts of
    // the automatic scan (0 when the range was given by hand).
    struct Range
    {
        std::wstring L;
        std::wstring R;
        int left = 0;
        int right = 0;
        int T = 0;
        int B = 0;
        int C = 0;
        int N = 0;

        bool automatic() const { return C > 0; }
    };

private:
    struct Target
    {
        int sheet = 1;
        std::optional<Range> range;
    };

    ExcelFormatOutcome run(const std::wstring &documentPath, const ExcelStorePlan &plan, const Pass &pass,
                           ResultStore &store);
    void checkLoaded(const std::wstring &documentPath) const;
    std::vector<int> sheetsOf(const Pass &pass);
    std::optional<Range> findRange();
    int countFilled(bool alongFirstRow, int bound);
    void format(const Range &range);
    void header();
    void boldEdges(const Range &range);
    void apaAlignment(const Range &range);
    void interleave(const Range &range);
    void columnWidths(const Range &range);
    void writeResult(const std::vector<Target> &targets, const ExcelStorePlan &plan, const std::wstring &documentPath,
                     ResultStore &store);
    void exportToWord(const std::vector<Target> &targets, const std::wstring &documentPath, ResultStore &store);

    std::unique_ptr<ExcelRange> cells(const std::wstring &address);
    std::unique_ptr<ExcelPageSetup> pageSetup();
    int fontSize() const;
    // Excel's page orientation for the choice: 1 portrait, 2 landscape, 0 as it is.
    int excelOrientation() const;

    const ExcelJob &m_job;
    WordOffice *m_word = nullptr;
    ExcelSession *m_session = nullptr;
    int m_sheet = 1;
};
