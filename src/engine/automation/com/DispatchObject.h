#pragma once

#include "ComApartment.h"
#include "ComPtr.h"
#include "ComVariant.h"

#include <initializer_list>
#include <memory>
#include <string>

#include <oaidl.h>

// An automation object reached by late binding: each call looks its member up by name
// (GetIDsOfNames, which ignores case as COM does) and goes through IDispatch::Invoke
// with the arguments reversed, as DISPPARAMS holds them. A failure throws
// AutomationError named "<type>.<member>" (such as "Workbooks.Open") with the
// server's own description where it gave one. The object keeps its apartment.
class DispatchObject
{
public:
    // type names the object in errors ("Range", "Selection").
    DispatchObject(std::shared_ptr<ComApartment> apartment, ComPtr<IDispatch> object, std::string type);

    // A property, with the arguments of an indexed one such as Cells(row, column).
    ComVariant get(const wchar_t *member, std::initializer_list<ComVariant> arguments = {}) const;
    // A property that is an object; type names what comes back.
    DispatchObject object(const wchar_t *member, const char *type, std::initializer_list<ComVariant> arguments = {}) const;
    // A collection's Item(index), a property in Excel and a method in Word.
    DispatchObject item(const char *type, std::initializer_list<ComVariant> arguments) const;
    // Writes a property: one argument, named DISPID_PROPERTYPUT.
    void put(const wchar_t *member, const ComVariant &value) const;
    // A method; what it returns is released unless the caller keeps it.
    ComVariant call(const wchar_t *member, std::initializer_list<ComVariant> arguments = {}) const;

private:
    ComVariant invoke(const wchar_t *member, WORD flags, std::initializer_list<ComVariant> arguments) const;
    std::string memberName(const wchar_t *member) const;

    // Declared first so that it is released last, after the object.
    std::shared_ptr<ComApartment> m_apartment;
    ComPtr<IDispatch> m_object;
    std::string m_type;
};
