#pragma once

#include <functional>
#include <string>
#include <vector>

#include <oaidl.h>

// The arguments of one call in the order the caller wrote them (DISPPARAMS holds them
// from the last). Their types have been checked before a member sees them.
class ServerArguments
{
public:
    explicit ServerArguments(const DISPPARAMS &parameters) : m_parameters(parameters) {}

    // Whether an optional argument was given (not left out as VT_ERROR), and its type.
    bool given(unsigned index) const;
    VARTYPE type(unsigned index) const { return at(index).vt; }
    std::wstring text(unsigned index) const;
    int integer(unsigned index) const;
    double number(unsigned index) const;
    bool boolean(unsigned index) const;

private:
    const VARIANTARG &at(unsigned index) const { return m_parameters.rgvarg[m_parameters.cArgs - 1 - index]; }

    const DISPPARAMS &m_parameters;
};

// An automation object of the test server. IDispatch as a strict Office would take it:
// names are found whatever their case; a property is read with DISPATCH_PROPERTYGET
// and a result to fill, written with DISPATCH_PROPERTYPUT alone and its one value named
// DISPID_PROPERTYPUT; a method is called with DISPATCH_METHOD; the count and the exact
// type of every argument must match (no conversion, an optional one may be left out: VT_BOOL only as VARIANT_TRUE or
// VARIANT_FALSE, VT_NULL where a null is meant); a result variant must come empty. A
// failure of the simulated member comes back as DISP_E_EXCEPTION with its description.
// Every object counts itself in the server's live objects until its last Release.
class ServerObject : public IDispatch
{
public:
    ServerObject(const ServerObject &) = delete;
    ServerObject &operator=(const ServerObject &) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID locale,
                                            DISPID *ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS *parameters,
                                     VARIANT *result, EXCEPINFO *exception, UINT *argumentError) override;

protected:
    using Reader = std::function<void(const ServerArguments &, VARIANT *result)>;
    using Writer = std::function<void(const ServerArguments &)>;

    ServerObject();
    virtual ~ServerObject();

    // A property read with these argument types (an indexed one has some).
    void property(const wchar_t *name, std::vector<VARTYPE> parameters, Reader read);
    // A property written with a value of this type, or of one of these.
    void writable(const wchar_t *name, VARTYPE type, Writer write);
    void writable(const wchar_t *name, std::vector<VARTYPE> types, Writer write);
    // An argument that may be left out (VT_ERROR with DISP_E_PARAMNOTFOUND).
    static constexpr VARTYPE optional(VARTYPE type) { return VARTYPE(type | VT_RESERVED); }
    // A method; result is null when the caller does not take one.
    void method(const wchar_t *name, std::vector<VARTYPE> parameters, Reader call);

    static void returnText(VARIANT *result, const std::wstring &text);
    static void returnInteger(VARIANT *result, int value);
    static void returnNumber(VARIANT *result, double value);
    // A new object, made only when the caller takes the result; the caller owns it.
    static void returnObject(VARIANT *result, const std::function<ServerObject *()> &make);

private:
    struct Member
    {
        std::wstring name;
        std::vector<VARTYPE> parameters;
        Reader read;
        std::vector<VARTYPE> putTypes;
        Writer write;
        Reader call;
    };

    Member &member(const wchar_t *name);
    HRESULT run(const Member &member, WORD flags, const DISPPARAMS &parameters, VARIANT *result,
                UINT *argumentError);

    std::vector<Member> m_members;
    ULONG m_references = 1;
};
