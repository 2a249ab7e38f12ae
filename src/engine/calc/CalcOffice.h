#pragma once

#include <memory>

class CalcDesktop;

// The office that serves the Calc operations. Every operation (formatting one sheet,
// a query, the start test) asks it for its own desktop, holds it for as long as it
// works and drops it at its end; the office may bound the operation by that span.
class CalcOffice
{
public:
    virtual ~CalcOffice() = default;

    // A fresh service manager and Desktop. Throws CalcError when the office cannot be
    // reached or started.
    virtual std::unique_ptr<CalcDesktop> createDesktop() = 0;
};
