#pragma once

#include "DispatchObject.h"

#include <memory>
#include <string>

class AutomationProcess;

// Automation classes looked up by their ProgID, such as "Excel.Application".
namespace ComClass {

// Whether the ProgID is registered (CLSIDFromProgID finds it).
bool registered(const std::wstring &progId);

// A new instance of the class, in the calling thread's apartment, and the process its
// local server runs in (null for a class served inside this program, or where the
// process cannot be told).
struct Instance
{
    DispatchObject object;
    std::shared_ptr<AutomationProcess> process;
};
// type names the object in errors. Throws AutomationError named by the ProgID when no
// instance can be created.
Instance create(const std::wstring &progId, const char *type);

} // namespace ComClass
