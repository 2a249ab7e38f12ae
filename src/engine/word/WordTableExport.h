#pragma once

#include <memory>
#include <string>

class ProcessWatch;
class WordApplication;
class WordOffice;
class WordTable;

// One Word document made of the tables the Excel formatter hands over through the
// clipboard, one after another. Word starts hidden with its alerts off, watched by the
// watchdog until it has quit; a new document is made and its page turned as Excel's
// page was. Every failure is passed on as the exception that ended the call; when the
// watchdog ended Word, as a DocumentRefusal saying so. Word is quit on every way out.
class WordTableExport
{
public:
    // excelOrientation: Excel's page orientation (1 portrait, 2 landscape; any other
    // value leaves the page as Word makes it).
    WordTableExport(WordOffice &word, bool apaStyle, int excelOrientation);
    ~WordTableExport();

    WordTableExport(const WordTableExport &) = delete;
    WordTableExport &operator=(const WordTableExport &) = delete;

    // Pastes the table on the clipboard below what the document holds, its header row
    // centred. With APA style a label line ("Table ##") and the title line come first,
    // the table is centred, fitted to the window, double spaced and vertically centred,
    // and the page gets one-inch margins.
    void addTable(const std::wstring &title);
    // Saves the document under path in Word's document format (wdFormatDocument).
    void saveAs(const std::wstring &path);
    // Quits Word now (also done by the destructor, failures then ignored).
    void end();

private:
    void start(int excelOrientation);
    void quitQuietly();
    void moveToEnd();
    void insertLine(const std::wstring &text, bool italic);
    std::unique_ptr<WordTable> pastedTable();
    void formatTable();
    void oneInchMargins();
    [[noreturn]] void fail();

    std::unique_ptr<WordApplication> m_word;
    std::unique_ptr<ProcessWatch> m_watch;
    bool m_apaStyle = false;
    int m_tables = 0;
};
