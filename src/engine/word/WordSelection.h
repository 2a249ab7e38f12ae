#pragma once

#include <memory>
#include <string>

class WordCells;
class WordFont;
class WordParagraphFormat;
class WordTables;

// Application.Selection: the selected part of the active document, or the insertion
// point.
class WordSelection
{
public:
    virtual ~WordSelection() = default;

    // Inserts text after the selection and extends the selection over it.
    virtual void insertAfter(const std::wstring &text) = 0;
    virtual std::unique_ptr<WordFont> font() = 0;
    virtual std::unique_ptr<WordParagraphFormat> paragraphFormat() = 0;
    // 0 collapses to the end.
    virtual void collapse(int direction) = 0;
    // Pastes the clipboard at the selection.
    virtual void paste() = 0;
    // The tables in the selection.
    virtual std::unique_ptr<WordTables> tables() = 0;
    // The table cells in the selection.
    virtual std::unique_ptr<WordCells> cells() = 0;
};
