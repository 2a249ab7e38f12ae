#pragma once

#include "WordOffice.h"

#include <string>

// Word through COM: every surface call is one late-bound IDispatch call on the
// application the ProgID names. Each application instance enters COM on the thread
// that creates it, and every call on it and on what it hands out must come from that
// thread.
class ComWordOffice : public WordOffice
{
public:
    explicit ComWordOffice(std::wstring progId = L"Word.Application");

    bool classRegistered() override;
    std::unique_ptr<WordApplication> createApplication() override;

private:
    std::wstring m_progId;
};
