#pragma once

#include <QString>
#include <QStringList>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/uno/Any.hxx>
#include <com/sun/star/uno/Exception.hpp>
#include <com/sun/star/uno/Sequence.hxx>
#include <rtl/ustring.hxx>

#include <optional>
#include <utility>
#include <vector>

// The office's string type, by its short name throughout the adapter.
using rtl::OUString;

// Conversions between the program's values and UNO's, and the one place where office
// exceptions become the program's own.
namespace UnoValues {

OUString toOUString(const QString &text);
QString toQString(const OUString &text);

// A property list ("Name" = value entries) as loadComponentFromURL and storeToURL take it.
css::uno::Sequence<css::beans::PropertyValue>
propertyList(const std::vector<std::pair<const char *, css::uno::Any>> &entries);

// Property names and values for one setPropertyValues call, kept in name order.
class PropertyBatch
{
public:
    void add(const char *name, const css::uno::Any &value);
    bool isEmpty() const { return m_entries.empty(); }
    // One remote call for all properties.
    void write(const css::uno::Reference<css::beans::XMultiPropertySet> &target) const;

private:
    std::vector<std::pair<OUString, css::uno::Any>> m_entries;
};

// Reads several properties in one remote call, in the order given.
css::uno::Sequence<css::uno::Any>
readProperties(const css::uno::Reference<css::beans::XMultiPropertySet> &source,
               const std::vector<const char *> &names);

// The value an Any holds, or nothing when it holds another type (a "void" property).
template<typename T>
std::optional<T> read(const css::uno::Any &value)
{
    T result{};
    if (value >>= result)
        return result;
    return std::nullopt;
}

// Throws CalcError for an office exception met while doing what.
[[noreturn]] void fail(const char *what, const css::uno::Exception &e);

// Runs a piece of adapter work; an office exception leaves it as CalcError.
template<typename Work>
auto guarded(const char *what, Work &&work) -> decltype(work())
{
    try {
        return work();
    } catch (const css::uno::Exception &e) {
        fail(what, e);
    }
}

} // namespace UnoValues
