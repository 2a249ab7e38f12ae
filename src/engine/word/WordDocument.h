#pragma once

#include <memory>
#include <string>

class WordPageSetup;
class WordTables;

// One document.
class WordDocument
{
public:
    virtual ~WordDocument() = default;

    // Selects the whole document.
    virtual void select() = 0;
    virtual std::unique_ptr<WordPageSetup> pageSetup() = 0;
    // Document.Tables: every table of the document, in order.
    virtual std::unique_ptr<WordTables> tables() = 0;
    // SaveAs(file name, file format), written under that very name.
    virtual void saveAs(const std::wstring &fileName, int fileFormat) = 0;
};
