#include "ComClass.h"

#include "AutomationError.h"
#include "ComText.h"

#include <objbase.h>

namespace ComClass {

bool registered(const std::wstring &progId)
{
    const std::shared_ptr<ComApartment> apartment = ComApartment::enter();
    CLSID id;
    return SUCCEEDED(CLSIDFromProgID(progId.c_str(), &id));
}

DispatchObject create(const std::wstring &progId, const char *type)
{
    std::shared_ptr<ComApartment> apartment = ComApartment::enter();
    CLSID id;
    HRESULT result = CLSIDFromProgID(progId.c_str(), &id);
    if (FAILED(result))
        throw AutomationError(ComText::utf8(progId), ComText::describe(result));
    // Excel and Word run in processes of their own; a class may also live in a DLL.
    ComPtr<IDispatch> object;
    result = CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                              reinterpret_cast<void **>(object.put()));
    if (FAILED(result) || !object)
        throw AutomationError(ComText::utf8(progId), ComText::describe(FAILED(result) ? result : E_NOINTERFACE));
    return DispatchObject(std::move(apartment), std::move(object), type);
}

} // namespace ComClass
