#include "ComApartment.h"

#include "AutomationError.h"
#include "ComText.h"

#include <objbase.h>

std::shared_ptr<ComApartment> ComApartment::enter()
{
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // A thread already in the multithreaded apartment can make the calls as it is.
    if (result == RPC_E_CHANGED_MODE)
        return std::shared_ptr<ComApartment>(new ComApartment(false));
    if (FAILED(result))
        throw AutomationError("CoInitializeEx", ComText::describe(result));
    return std::shared_ptr<ComApartment>(new ComApartment(true));
}

ComApartment::~ComApartment()
{
    if (m_entered)
        CoUninitialize();
}
