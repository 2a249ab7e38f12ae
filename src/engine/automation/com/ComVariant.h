#pragma once

#include "AutomationValue.h"
#include "ComPtr.h"

#include <string>

#include <oaidl.h>

// A VARIANT that owns what it holds (a BSTR, an interface) and clears it when dropped.
// Values are made by their kind, never by implicit conversion, so that a bool never
// travels as a number or a number as a bool.
class ComVariant
{
public:
    ComVariant();
    ComVariant(const ComVariant &other);
    ComVariant(ComVariant &&other) noexcept;
    ComVariant &operator=(ComVariant other) noexcept;
    ~ComVariant();

    static ComVariant text(const std::wstring &text);   // VT_BSTR
    static ComVariant integer(int value);               // VT_I4
    static ComVariant number(double value);             // VT_R8
    static ComVariant boolean(bool value);              // VT_BOOL: VARIANT_TRUE or VARIANT_FALSE
    static ComVariant null();                           // VT_NULL
    // An optional argument left out: VT_ERROR with DISP_E_PARAMNOTFOUND, as automation
    // marks it.
    static ComVariant missing();

    const VARIANT &get() const { return m_value; }
    VARTYPE type() const { return m_value.vt; }
    // Cleared, for a callee to fill.
    VARIANT *put();

    // The value in the wanted kind, converted as automation converts; member names the
    // call the value came from when it cannot be converted.
    std::wstring toText(const std::string &member) const;
    int toInteger(const std::string &member) const;
    double toNumber(const std::string &member) const;
    ComPtr<IDispatch> toObject(const std::string &member) const;
    // The variant type and the value as text: "" for an empty cell, the cell's shown
    // text for an error value.
    AutomationValue toAutomationValue(const std::string &member) const;

private:
    ComVariant converted(VARTYPE type, const std::string &member, unsigned short flags = 0) const;

    VARIANT m_value;
};
