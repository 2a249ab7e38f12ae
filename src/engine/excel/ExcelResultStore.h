#pragma once

#include "ResultStore.h"

class DocumentStore;

// The program's store as the Excel formatter and the Word export see it: the one
// DocumentStore of the document, its refusals passed on as DocumentRefusal.
class ExcelResultStore : public ResultStore
{
public:
    explicit ExcelResultStore(DocumentStore &store);

    std::wstring prepareResult() override;
    void place(bool ownFormat) override;
    std::string writeFailure() override;

private:
    DocumentStore &m_store;
};
