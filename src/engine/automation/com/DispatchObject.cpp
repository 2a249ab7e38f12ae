#include "DispatchObject.h"

#include "AutomationError.h"
#include "ComText.h"

#include <oleauto.h>

#include <iterator>
#include <utility>
#include <vector>

namespace {

// The exception a member raised, its texts freed on every path.
struct ExceptionInfo : EXCEPINFO
{
    ExceptionInfo() : EXCEPINFO() {}
    ~ExceptionInfo()
    {
        SysFreeString(bstrSource);
        SysFreeString(bstrDescription);
        SysFreeString(bstrHelpFile);
    }
    ExceptionInfo(const ExceptionInfo &) = delete;
    ExceptionInfo &operator=(const ExceptionInfo &) = delete;

    std::string description()
    {
        if (pfnDeferredFillIn)
            pfnDeferredFillIn(this);
        if (bstrDescription && SysStringLen(bstrDescription))
            return ComText::utf8(std::wstring(bstrDescription, SysStringLen(bstrDescription)));
        return ComText::describe(scode ? scode : HRESULT(wCode));
    }
};

std::string describeCall(HRESULT result, ExceptionInfo &exception, UINT argumentError, std::size_t count)
{
    if (result == DISP_E_EXCEPTION)
        return exception.description();
    std::string text = ComText::describe(result);
    // Invoke counts arguments from the last; the caller thinks of them from the first.
    if ((result == DISP_E_TYPEMISMATCH || result == DISP_E_PARAMNOTFOUND) && argumentError < count)
        text += ", argument " + std::to_string(count - argumentError);
    return text;
}

} // namespace

DispatchObject::DispatchObject(std::shared_ptr<ComApartment> apartment, ComPtr<IDispatch> object, std::string type)
    : m_apartment(std::move(apartment))
    , m_object(std::move(object))
    , m_type(std::move(type))
{
}

ComVariant DispatchObject::get(const wchar_t *member, std::initializer_list<ComVariant> arguments) const
{
    return invoke(member, DISPATCH_PROPERTYGET, arguments);
}

DispatchObject DispatchObject::object(const wchar_t *member, const char *type,
                                      std::initializer_list<ComVariant> arguments) const
{
    const ComVariant value = get(member, arguments);
    return DispatchObject(m_apartment, value.toObject(memberName(member)), type);
}

DispatchObject DispatchObject::item(const char *type, std::initializer_list<ComVariant> arguments) const
{
    const ComVariant value = invoke(L"Item", DISPATCH_METHOD | DISPATCH_PROPERTYGET, arguments);
    return DispatchObject(m_apartment, value.toObject(memberName(L"Item")), type);
}

void DispatchObject::put(const wchar_t *member, const ComVariant &value) const
{
    invoke(member, DISPATCH_PROPERTYPUT, {value});
}

ComVariant DispatchObject::call(const wchar_t *member, std::initializer_list<ComVariant> arguments) const
{
    return invoke(member, DISPATCH_METHOD, arguments);
}

ComVariant DispatchObject::invoke(const wchar_t *member, WORD flags, std::initializer_list<ComVariant> arguments) const
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    HRESULT result = m_object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(result))
        throw AutomationError(memberName(member), ComText::describe(result));

    // DISPPARAMS holds the arguments from the last to the first. The copies are shallow:
    // the caller's values own what they hold for the whole call.
    std::vector<VARIANTARG> reversed;
    reversed.reserve(arguments.size());
    for (auto argument = std::rbegin(arguments); argument != std::rend(arguments); ++argument)
        reversed.push_back(argument->get());
    const bool put = flags == DISPATCH_PROPERTYPUT;
    DISPID namedPut = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{reversed.data(), put ? &namedPut : nullptr, UINT(reversed.size()), put ? 1U : 0U};

    ComVariant value;
    ExceptionInfo exception;
    UINT argumentError = 0;
    result = m_object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, put ? nullptr : value.put(),
                              &exception, &argumentError);
    if (FAILED(result))
        throw AutomationError(memberName(member), describeCall(result, exception, argumentError, reversed.size()));
    return value;
}

std::string DispatchObject::memberName(const wchar_t *member) const
{
    return m_type + "." + ComText::utf8(member);
}
