#include "ExcelPresence.h"

#include "ExcelApplication.h"
#include "ExcelSession.h"

std::optional<std::wstring> ExcelPresenceCheck(ExcelOffice &excel)
{
    try {
        ExcelSession session(excel);
        return session.application().version();
    } catch (...) {
        return std::nullopt;
    }
}
