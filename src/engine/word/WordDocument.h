#pragma once

#include <memory>
#include <string>

class WordPageSetup;

// One document.
class WordDocument
{
public:
    virtual ~WordDocument() = default;

    // Selects the whole document.
    virtual void select() = 0;
    virtual std::unique_ptr<WordPageSetup> pageSetup() = 0;
    // SaveAs(file name, file format); Word adds its own extension to a name without one.
    virtual void saveAs(const std::wstring &fileName, int fileFormat) = 0;
};
