#pragma once

#include "CalcDocument.h"

#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>

// A document loaded in the office. Interfaces are asked for once and kept: each first
// request of an interface is a round trip to the office. A document dropped without
// close() is closed then.
class UnoDocument : public CalcDocument
{
public:
    explicit UnoDocument(const css::uno::Reference<css::frame::XModel> &model);
    ~UnoDocument() override;

    QString filterName() override;
    int sheetCount() override;
    QStringList sheetNames() override;
    std::unique_ptr<CalcSheet> sheet(int index) override;
    int pageStyleCount() override;
    std::unique_ptr<CalcPageStyle> pageStyle(int index) override;
    std::unique_ptr<CalcPageStyle> pageStyle(const QString &name) override;
    QString copyPageStyle(const QString &name) override;
    void setRowHeightsLocked(bool locked) override;
    void storeToUrl(const QString &url, const CalcFilterArgs &args) override;
    void store() override;
    void close() override;

    css::uno::Reference<css::frame::XModel> model() const { return m_model; }
    // The document's factory: cell-range collections, text fields.
    const css::uno::Reference<css::lang::XMultiServiceFactory> &factory();

private:
    const css::uno::Reference<css::sheet::XSpreadsheets> &sheets();
    const css::uno::Reference<css::container::XNameAccess> &pageStyles();

    css::uno::Reference<css::frame::XModel> m_model;
    css::uno::Reference<css::sheet::XSpreadsheets> m_sheets;
    css::uno::Reference<css::container::XNameAccess> m_pageStyles;
    css::uno::Reference<css::lang::XMultiServiceFactory> m_factory;
    bool m_closed = false;
};
