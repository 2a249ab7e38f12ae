#pragma once

#include <memory>

class WordDocument;

// Application.Documents.
class WordDocuments
{
public:
    virtual ~WordDocuments() = default;

    // A new empty document.
    virtual void add() = 0;
    // Documents.Item(index), from 1.
    virtual std::unique_ptr<WordDocument> item(int index) = 0;
};
