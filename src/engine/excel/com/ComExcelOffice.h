#pragma once

#include "ExcelOffice.h"

#include <string>

// Excel through COM: every surface call is one late-bound IDispatch call on the
// application the ProgID names. Each application instance enters COM on the thread
// that creates it, and every call on it and on what it hands out must come from that
// thread.
class ComExcelOffice : public ExcelOffice
{
public:
    explicit ComExcelOffice(std::wstring progId = L"Excel.Application");

    bool classRegistered() override;
    std::unique_ptr<ExcelApplication> createApplication() override;

private:
    std::wstring m_progId;
};
