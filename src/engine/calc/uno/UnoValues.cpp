#include "UnoValues.h"

#include "CalcError.h"

#include <algorithm>

namespace UnoValues {

OUString toOUString(const QString &text)
{
    return OUString(reinterpret_cast<const sal_Unicode *>(text.utf16()), sal_Int32(text.size()));
}

QString toQString(const OUString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getStr()), text.getLength());
}

css::uno::Sequence<css::beans::PropertyValue>
propertyList(const std::vector<std::pair<const char *, css::uno::Any>> &entries)
{
    css::uno::Sequence<css::beans::PropertyValue> list(sal_Int32(entries.size()));
    css::beans::PropertyValue *out = list.getArray();
    for (const auto &[name, value] : entries) {
        out->Name = OUString::createFromAscii(name);
        out->Value = value;
        ++out;
    }
    return list;
}

void PropertyBatch::add(const char *name, const css::uno::Any &value)
{
    const OUString key = OUString::createFromAscii(name);
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                     [](const auto &entry, const OUString &k) { return entry.first < k; });
    m_entries.insert(at, {key, value});
}

void PropertyBatch::write(const css::uno::Reference<css::beans::XMultiPropertySet> &target) const
{
    if (m_entries.empty())
        return;
    css::uno::Sequence<OUString> names(sal_Int32(m_entries.size()));
    css::uno::Sequence<css::uno::Any> values(sal_Int32(m_entries.size()));
    OUString *name = names.getArray();
    css::uno::Any *value = values.getArray();
    for (const auto &[n, v] : m_entries) {
        *name++ = n;
        *value++ = v;
    }
    target->setPropertyValues(names, values);
}

css::uno::Sequence<css::uno::Any>
readProperties(const css::uno::Reference<css::beans::XMultiPropertySet> &source,
               const std::vector<const char *> &names)
{
    css::uno::Sequence<OUString> list(sal_Int32(names.size()));
    OUString *out = list.getArray();
    for (const char *name : names)
        *out++ = OUString::createFromAscii(name);
    return source->getPropertyValues(list);
}

void fail(const char *what, const css::uno::Exception &e)
{
    QString message = QString::fromLatin1(what);
    const QString detail = toQString(e.Message);
    if (!detail.isEmpty())
        message += QStringLiteral(": ") + detail;
    throw CalcError(message);
}

} // namespace UnoValues
