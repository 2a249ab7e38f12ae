#pragma once

#include "ExcelJob.h"

#include <memory>
#include <optional>
#include <string>

class ExcelOffice;
class ExcelPageSetup;
class ExcelRange;
class ExcelSession;
class WordOffice;

// What became of one document.
struct ExcelFormatOutcome
{
    enum class Kind {
        Stored,            // formatted and saved with the chosen format
        Exported,          // formatted and its table put into a Word document
        NothingToFormat,   // the automatic range found an empty A1: closed unchanged
        Failed,            // nothing stored; failure says why (UTF-8)
    };
    Kind kind = Kind::Failed;
    std::string failure;
};

// The formatting of one sheet of one document through Excel, over the automation
// surfaces alone (no Qt), so that it runs wherever an Excel adapter does. Every sheet,
// range and page set-up is fetched anew from Workbooks(1) for each property written.
class ExcelFormatter
{
public:
    // word receives the table when the job asks for it; null where Word is absent.
    ExcelFormatter(const ExcelJob &job, WordOffice *word);

    // Starts Excel, opens path, formats sheet number sheet (from 1), stores the result
    // or hands it to Word, and ends Excel on every way out. Never throws.
    ExcelFormatOutcome formatDocument(ExcelOffice &excel, const std::wstring &path, int sheet);

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
    std::optional<Range> findRange();
    int countFilled(bool alongFirstRow, int bound);
    void format(const Range &range);
    void boldEdges(const Range &range);
    void apaAlignment(const Range &range);
    void interleave(const Range &range);
    void columnWidths(const Range &range);
    ExcelFormatOutcome store(const Range &range, const std::wstring &documentPath);

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
