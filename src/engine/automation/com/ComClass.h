#pragma once

#include "DispatchObject.h"

#include <string>

// Automation classes looked up by their ProgID, such as "Excel.Application".
namespace ComClass {

// Whether the ProgID is registered (CLSIDFromProgID finds it).
bool registered(const std::wstring &progId);
// A new instance of the class, in the calling thread's apartment; type names it in
// errors. Throws AutomationError named by the ProgID when none can be created.
DispatchObject create(const std::wstring &progId, const char *type);

} // namespace ComClass
