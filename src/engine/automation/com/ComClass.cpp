#include "ComClass.h"

#include "AutomationError.h"
#include "ComProcess.h"
#include "ComText.h"

#include <objbase.h>

namespace ComClass {

bool registered(const std::wstring &progId)
{
    const std::shared_ptr<ComApartment> apartment = ComApartment::enter();
    CLSID id;
    return SUCCEEDED(CLSIDFromProgID(progId.c_str(), &id));
}

Instance create(const std::wstring &progId, const char *type)
{
    std::shared_ptr<ComApartment> apartment = ComApartment::enter();
    CLSID id;
    HRESULT result = CLSIDFromProgID(progId.c_str(), &id);
    if (FAILED(result))
        throw AutomationError(ComText::utf8(progId), ComText::describe(result));
    // Excel and Word run in processes of their own, which the watchdog must be able to
    // end: the new one is the process of the server that was not running before.
    const std::optional<std::vector<DWORD>> before = ComProcess::processesOf(id);
    // A class may also live in a DLL.
    ComPtr<IDispatch> object;
    result = CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                              reinterpret_cast<void **>(object.put()));
    if (FAILED(result) || !object)
        throw AutomationError(ComText::utf8(progId), ComText::describe(FAILED(result) ? result : E_NOINTERFACE));
    std::shared_ptr<AutomationProcess> process;
    if (before)
        process = ComProcess::startedFor(id, *before);
    return {DispatchObject(std::move(apartment), std::move(object), type), std::move(process)};
}

} // namespace ComClass
