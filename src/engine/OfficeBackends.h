#pragma once

class OfficeBackend;

// The back-end of each office suite; nothing where a suite cannot be reached here.
struct OfficeBackends
{
    OfficeBackend *excel = nullptr;
    OfficeBackend *calc = nullptr;

    // 0 Excel, 1 Calc; nothing for no office (-1) or an office without a back-end.
    OfficeBackend *forOffice(int office) const
    {
        if (office == 0)
            return excel;
        if (office == 1)
            return calc;
        return nullptr;
    }
};
