#include "ExcelResultStore.h"

#include "DocumentRefusal.h"
#include "DocumentStore.h"
#include "StoreFailure.h"

ExcelResultStore::ExcelResultStore(DocumentStore &store)
    : m_store(store)
{
}

std::wstring ExcelResultStore::prepareResult()
{
    if (const std::optional<QString> refusal = m_store.prepareResult())
        throw DocumentRefusal(refusal->toStdString());
    return m_store.resultPath().toStdWString();
}

void ExcelResultStore::place(bool ownFormat)
{
    if (const std::optional<QString> failure = m_store.place(ownFormat))
        throw DocumentRefusal(failure->toStdString());
}

std::string ExcelResultStore::writeFailure()
{
    return StoreFailure::reason(m_store.resultPath()).toStdString();
}
