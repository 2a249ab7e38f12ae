#include "ServerObject.h"

#include "AutomationError.h"
#include "TestServerState.h"

#include <oleauto.h>

#include <cwctype>
#include <exception>

namespace {

std::wstring wide(const std::string &text)
{
    return std::wstring(text.begin(), text.end());
}

bool sameName(const std::wstring &a, const wchar_t *b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i]))
            return false;
    }
    return i == a.size() && !b[i];
}

// The argument types a member takes, checked exactly; on a mismatch argumentError
// counts from the last argument, as DISPPARAMS does.
HRESULT checkArguments(const std::vector<VARTYPE> &types, const DISPPARAMS &parameters, UINT *argumentError)
{
    if (parameters.cArgs != types.size())
        return DISP_E_BADPARAMCOUNT;
    for (UINT i = 0; i < parameters.cArgs; ++i) {
        const VARIANTARG &argument = parameters.rgvarg[parameters.cArgs - 1 - i];
        const VARTYPE wanted = VARTYPE(types[i] & ~VT_RESERVED);
        const bool leftOut = (types[i] & VT_RESERVED) && argument.vt == VT_ERROR && argument.scode == DISP_E_PARAMNOTFOUND;
        const bool typeMatches = leftOut
            || (argument.vt == wanted
                && (argument.vt != VT_BOOL || argument.boolVal == VARIANT_TRUE || argument.boolVal == VARIANT_FALSE));
        if (!typeMatches) {
            if (argumentError)
                *argumentError = parameters.cArgs - 1 - i;
            return DISP_E_TYPEMISMATCH;
        }
    }
    return S_OK;
}

void fill(EXCEPINFO *exception, const std::wstring &description)
{
    if (!exception)
        return;
    *exception = EXCEPINFO();
    exception->bstrSource = SysAllocString(L"Tablevane test server");
    exception->bstrDescription = SysAllocString(description.c_str());
    exception->scode = E_FAIL;
}

} // namespace

bool ServerArguments::given(unsigned index) const
{
    return at(index).vt != VT_ERROR;
}

std::wstring ServerArguments::text(unsigned index) const
{
    const BSTR text = at(index).bstrVal;
    return std::wstring(text ? text : L"", SysStringLen(text));
}

int ServerArguments::integer(unsigned index) const
{
    return at(index).lVal;
}

double ServerArguments::number(unsigned index) const
{
    return at(index).dblVal;
}

bool ServerArguments::boolean(unsigned index) const
{
    return at(index).boolVal == VARIANT_TRUE;
}

ServerObject::ServerObject()
{
    ++tablevaneTestServerState()->liveObjects;
}

ServerObject::~ServerObject()
{
    --tablevaneTestServerState()->liveObjects;
}

HRESULT ServerObject::QueryInterface(REFIID riid, void **object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch) {
        *object = static_cast<IDispatch *>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ServerObject::AddRef()
{
    return ++m_references;
}

ULONG ServerObject::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ServerObject::GetTypeInfoCount(UINT *count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ServerObject::GetTypeInfo(UINT, LCID, ITypeInfo **info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT ServerObject::GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID, DISPID *ids)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids || count != 1)
        return E_INVALIDARG;
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        if (sameName(m_members[i].name, names[0])) {
            ids[0] = DISPID(i + 1);
            return S_OK;
        }
    }
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT ServerObject::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS *parameters, VARIANT *result,
                             EXCEPINFO *exception, UINT *argumentError)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (id < 1 || std::size_t(id) > m_members.size())
        return DISP_E_MEMBERNOTFOUND;
    if (!parameters || (parameters->cArgs && !parameters->rgvarg))
        return E_INVALIDARG;
    if (result && result->vt != VT_EMPTY)
        return E_INVALIDARG;
    try {
        return run(m_members[std::size_t(id - 1)], flags, *parameters, result, argumentError);
    } catch (const AutomationError &e) {
        fill(exception, wide(e.description()));
    } catch (const std::exception &e) {
        fill(exception, wide(e.what()));
    } catch (...) {
        fill(exception, L"unknown failure");
    }
    if (result)
        VariantClear(result);
    return exception ? DISP_E_EXCEPTION : E_FAIL;
}

HRESULT ServerObject::run(const Member &member, WORD flags, const DISPPARAMS &parameters, VARIANT *result,
                          UINT *argumentError)
{
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (flags != DISPATCH_PROPERTYPUT || !member.write)
            return DISP_E_MEMBERNOTFOUND;
        if (parameters.cNamedArgs != 1 || !parameters.rgdispidNamedArgs
            || parameters.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTFOUND;
        // Any one of the types the property takes.
        HRESULT checked = DISP_E_TYPEMISMATCH;
        for (const VARTYPE type : member.putTypes) {
            checked = checkArguments({type}, parameters, argumentError);
            if (SUCCEEDED(checked) || checked != DISP_E_TYPEMISMATCH)
                break;
        }
        if (FAILED(checked))
            return checked;
        member.write(ServerArguments(parameters));
        return S_OK;
    }
    if (parameters.cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;
    const Reader *reader = nullptr;
    if (member.read && (flags & DISPATCH_PROPERTYGET)) {
        if (!result)
            return E_INVALIDARG;
        reader = &member.read;
    } else if (member.call && (flags & DISPATCH_METHOD)) {
        reader = &member.call;
    } else {
        return DISP_E_MEMBERNOTFOUND;
    }
    const HRESULT checked = checkArguments(member.parameters, parameters, argumentError);
    if (FAILED(checked))
        return checked;
    (*reader)(ServerArguments(parameters), result);
    return S_OK;
}

ServerObject::Member &ServerObject::member(const wchar_t *name)
{
    for (Member &known : m_members) {
        if (sameName(known.name, name))
            return known;
    }
    m_members.push_back({name, {}, {}, {}, {}, {}});
    return m_members.back();
}

void ServerObject::property(const wchar_t *name, std::vector<VARTYPE> parameters, Reader read)
{
    Member &entry = member(name);
    entry.parameters = std::move(parameters);
    entry.read = std::move(read);
}

void ServerObject::writable(const wchar_t *name, VARTYPE type, Writer write)
{
    writable(name, std::vector<VARTYPE>{type}, std::move(write));
}

void ServerObject::writable(const wchar_t *name, std::vector<VARTYPE> types, Writer write)
{
    Member &entry = member(name);
    entry.putTypes = std::move(types);
    entry.write = std::move(write);
}

void ServerObject::method(const wchar_t *name, std::vector<VARTYPE> parameters, Reader call)
{
    Member &entry = member(name);
    entry.parameters = std::move(parameters);
    entry.call = std::move(call);
}

void ServerObject::returnText(VARIANT *result, const std::wstring &text)
{
    result->vt = VT_BSTR;
    result->bstrVal = SysAllocStringLen(text.data(), UINT(text.size()));
}

void ServerObject::returnInteger(VARIANT *result, int value)
{
    result->vt = VT_I4;
    result->lVal = value;
}

void ServerObject::returnNumber(VARIANT *result, double value)
{
    result->vt = VT_R8;
    result->dblVal = value;
}

void ServerObject::returnObject(VARIANT *result, const std::function<ServerObject *()> &make)
{
    if (!result)
        return;
    ServerObject *object = make();
    result->vt = VT_DISPATCH;
    result->pdispVal = object;
}
