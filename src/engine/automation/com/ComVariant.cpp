#include "ComVariant.h"

#include "AutomationError.h"
#include "ComText.h"

#include <oleauto.h>

#include <utility>

namespace {

// Excel hands a cell's error as VT_ERROR with these codes; the cell shows the text.
std::wstring cellErrorText(SCODE code)
{
    switch (code & 0xFFFF) {
    case 2000: return L"#NULL!";
    case 2007: return L"#DIV/0!";
    case 2015: return L"#VALUE!";
    case 2023: return L"#REF!";
    case 2029: return L"#NAME?";
    case 2036: return L"#NUM!";
    case 2042: return L"#N/A";
    default: return L"#ERROR";
    }
}

} // namespace

ComVariant::ComVariant()
{
    VariantInit(&m_value);
}

ComVariant::ComVariant(const ComVariant &other)
{
    VariantInit(&m_value);
    const HRESULT result = VariantCopy(&m_value, const_cast<VARIANT *>(&other.m_value));
    if (FAILED(result))
        throw AutomationError("VariantCopy", ComText::describe(result));
}

ComVariant::ComVariant(ComVariant &&other) noexcept
    : m_value(other.m_value)
{
    VariantInit(&other.m_value);
}

ComVariant &ComVariant::operator=(ComVariant other) noexcept
{
    std::swap(m_value, other.m_value);
    return *this;
}

ComVariant::~ComVariant()
{
    VariantClear(&m_value);
}

ComVariant ComVariant::text(const std::wstring &text)
{
    ComVariant value;
    value.m_value.bstrVal = SysAllocStringLen(text.data(), UINT(text.size()));
    if (!value.m_value.bstrVal)
        throw AutomationError("SysAllocStringLen", "out of memory");
    value.m_value.vt = VT_BSTR;
    return value;
}

ComVariant ComVariant::integer(int number)
{
    ComVariant value;
    value.m_value.vt = VT_I4;
    value.m_value.lVal = number;
    return value;
}

ComVariant ComVariant::number(double number)
{
    ComVariant value;
    value.m_value.vt = VT_R8;
    value.m_value.dblVal = number;
    return value;
}

ComVariant ComVariant::boolean(bool on)
{
    ComVariant value;
    value.m_value.vt = VT_BOOL;
    value.m_value.boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
    return value;
}

ComVariant ComVariant::missing()
{
    ComVariant value;
    value.m_value.vt = VT_ERROR;
    value.m_value.scode = DISP_E_PARAMNOTFOUND;
    return value;
}

ComVariant ComVariant::null()
{
    ComVariant value;
    value.m_value.vt = VT_NULL;
    return value;
}

VARIANT *ComVariant::put()
{
    VariantClear(&m_value);
    return &m_value;
}

ComVariant ComVariant::converted(VARTYPE type, const std::string &member, unsigned short flags) const
{
    ComVariant result;
    const HRESULT status = VariantChangeTypeEx(result.put(), const_cast<VARIANT *>(&m_value), LOCALE_USER_DEFAULT, flags, type);
    if (FAILED(status))
        throw AutomationError(member, "the value cannot be converted: " + ComText::describe(status));
    return result;
}

std::wstring ComVariant::toText(const std::string &member) const
{
    if (m_value.vt == VT_EMPTY || m_value.vt == VT_NULL)
        return {};
    const ComVariant text = m_value.vt == VT_BSTR ? *this : converted(VT_BSTR, member, VARIANT_ALPHABOOL);
    return std::wstring(text.m_value.bstrVal, SysStringLen(text.m_value.bstrVal));
}

int ComVariant::toInteger(const std::string &member) const
{
    return m_value.vt == VT_I4 ? int(m_value.lVal) : int(converted(VT_I4, member).m_value.lVal);
}

double ComVariant::toNumber(const std::string &member) const
{
    return m_value.vt == VT_R8 ? m_value.dblVal : converted(VT_R8, member).m_value.dblVal;
}

ComPtr<IDispatch> ComVariant::toObject(const std::string &member) const
{
    if (m_value.vt != VT_DISPATCH || !m_value.pdispVal)
        throw AutomationError(member, "no object came back");
    m_value.pdispVal->AddRef();
    return ComPtr<IDispatch>(m_value.pdispVal);
}

AutomationValue ComVariant::toAutomationValue(const std::string &member) const
{
    AutomationValue value;
    value.type = static_cast<VariantType>(m_value.vt);
    value.text = m_value.vt == VT_ERROR ? cellErrorText(m_value.scode) : toText(member);
    return value;
}
