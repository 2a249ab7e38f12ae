#include "UnoDocument.h"

#include "CalcError.h"
#include "UnoPageStyle.h"
#include "UnoSheet.h"
#include "UnoValues.h"

#include <com/sun/star/beans/PropertyAttribute.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/beans/XPropertySetInfo.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/style/XStyle.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/util/XCloseable.hpp>

using namespace css;
using UnoValues::guarded;

UnoDocument::UnoDocument(const uno::Reference<frame::XModel> &model)
    : m_model(model)
{
}

UnoDocument::~UnoDocument()
{
    if (m_closed)
        return;
    try {
        close();
    } catch (const CalcError &) {
        // The office is gone; so is the document.
    }
}

const uno::Reference<sheet::XSpreadsheets> &UnoDocument::sheets()
{
    if (!m_sheets.is())
        m_sheets = uno::Reference<sheet::XSpreadsheetDocument>(m_model, uno::UNO_QUERY_THROW)->getSheets();
    return m_sheets;
}

const uno::Reference<container::XNameAccess> &UnoDocument::pageStyles()
{
    if (!m_pageStyles.is()) {
        const uno::Reference<style::XStyleFamiliesSupplier> supplier(m_model, uno::UNO_QUERY_THROW);
        m_pageStyles.set(supplier->getStyleFamilies()->getByName("PageStyles"), uno::UNO_QUERY_THROW);
    }
    return m_pageStyles;
}

const uno::Reference<lang::XMultiServiceFactory> &UnoDocument::factory()
{
    if (!m_factory.is())
        m_factory.set(m_model, uno::UNO_QUERY_THROW);
    return m_factory;
}

QString UnoDocument::filterName()
{
    return guarded("reading the document's filter", [&] {
        const uno::Sequence<beans::PropertyValue> args = m_model->getArgs();
        for (const beans::PropertyValue &arg : args) {
            OUString name;
            if (arg.Name == "FilterName" && (arg.Value >>= name))
                return UnoValues::toQString(name);
        }
        return QString();
    });
}

int UnoDocument::sheetCount()
{
    return guarded("counting the sheets", [&] {
        return int(uno::Reference<container::XIndexAccess>(sheets(), uno::UNO_QUERY_THROW)->getCount());
    });
}

QStringList UnoDocument::sheetNames()
{
    return guarded("reading the sheet names", [&] {
        // In sheet order, in one call.
        QStringList names;
        for (const OUString &name : sheets()->getElementNames())
            names.append(UnoValues::toQString(name));
        return names;
    });
}

std::unique_ptr<CalcSheet> UnoDocument::sheet(int index)
{
    return guarded("taking the sheet", [&] {
        const uno::Reference<container::XIndexAccess> byIndex(sheets(), uno::UNO_QUERY_THROW);
        const uno::Reference<sheet::XSpreadsheet> sheet(byIndex->getByIndex(index), uno::UNO_QUERY_THROW);
        return std::make_unique<UnoSheet>(*this, sheet, index);
    });
}

int UnoDocument::pageStyleCount()
{
    return guarded("counting the page styles", [&] {
        return int(uno::Reference<container::XIndexAccess>(pageStyles(), uno::UNO_QUERY_THROW)->getCount());
    });
}

std::unique_ptr<CalcPageStyle> UnoDocument::pageStyle(int index)
{
    return guarded("taking the page style", [&] {
        const uno::Reference<container::XIndexAccess> byIndex(pageStyles(), uno::UNO_QUERY_THROW);
        const uno::Reference<style::XStyle> style(byIndex->getByIndex(index), uno::UNO_QUERY_THROW);
        return std::make_unique<UnoPageStyle>(*this, style);
    });
}

QString UnoDocument::copyPageStyle(const QString &name)
{
    return guarded("copying a page style", [&] {
        const uno::Reference<beans::XPropertySet> original(pageStyles()->getByName(UnoValues::toOUString(name)),
                                                           uno::UNO_QUERY_THROW);
        OUString copyName;
        for (int n = 2;; ++n) {
            copyName = UnoValues::toOUString(name) + " (" + OUString::number(n) + ")";
            if (!pageStyles()->hasByName(copyName))
                break;
        }
        const uno::Reference<beans::XPropertySet> copy(factory()->createInstance("com.sun.star.style.PageStyle"),
                                                       uno::UNO_QUERY_THROW);
        // A style takes most properties only once it belongs to the document.
        uno::Reference<container::XNameContainer>(pageStyles(), uno::UNO_QUERY_THROW)
            ->insertByName(copyName, uno::Any(copy));
        const uno::Sequence<beans::Property> properties = original->getPropertySetInfo()->getProperties();
        for (const beans::Property &property : properties) {
            if (property.Attributes & beans::PropertyAttribute::READONLY)
                continue;
            try {
                copy->setPropertyValue(property.Name, original->getPropertyValue(property.Name));
            } catch (const uno::Exception &) {
                // Properties a new style refuses (its name, links of the original) stay as they are.
            }
        }
        return UnoValues::toQString(copyName);
    });
}

std::unique_ptr<CalcPageStyle> UnoDocument::pageStyle(const QString &name)
{
    return guarded("taking the page style", [&] {
        const uno::Reference<style::XStyle> style(pageStyles()->getByName(UnoValues::toOUString(name)),
                                                  uno::UNO_QUERY_THROW);
        return std::make_unique<UnoPageStyle>(*this, style);
    });
}

void UnoDocument::setRowHeightsLocked(bool locked)
{
    guarded("locking the row heights", [&] {
        uno::Reference<beans::XPropertySet>(m_model, uno::UNO_QUERY_THROW)
            ->setPropertyValue("IsAdjustHeightEnabled", uno::Any(!locked));
    });
}

void UnoDocument::storeToUrl(const QString &url, const CalcFilterArgs &args)
{
    guarded("storing the document", [&] {
        std::vector<std::pair<const char *, uno::Any>> entries{
            {"FilterName", uno::Any(UnoValues::toOUString(args.filterName))}};
        if (args.filterOptions)
            entries.push_back({"FilterOptions", uno::Any(UnoValues::toOUString(*args.filterOptions))});
        uno::Reference<frame::XStorable>(m_model, uno::UNO_QUERY_THROW)
            ->storeToURL(UnoValues::toOUString(url), UnoValues::propertyList(entries));
    });
}

void UnoDocument::store()
{
    guarded("storing the document", [&] {
        uno::Reference<frame::XStorable>(m_model, uno::UNO_QUERY_THROW)->store();
    });
}

void UnoDocument::close()
{
    m_closed = true;
    guarded("closing the document", [&] {
        uno::Reference<util::XCloseable>(m_model, uno::UNO_QUERY_THROW)->close(true);
    });
}
