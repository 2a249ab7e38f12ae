#pragma once

#include "CalcFilterArgs.h"

#include <QString>
#include <QStringList>

#include <memory>

class CalcPageStyle;
class CalcSheet;

// A loaded spreadsheet document.
class CalcDocument
{
public:
    virtual ~CalcDocument() = default;

    // The import filter the office read the document with.
    virtual QString filterName() = 0;

    virtual int sheetCount() = 0;
    // The names of all sheets in sheet order, read at once.
    virtual QStringList sheetNames() = 0;
    // The sheet at a 0-based index; throws CalcError beyond the last sheet.
    virtual std::unique_ptr<CalcSheet> sheet(int index) = 0;

    // The "PageStyles" family.
    virtual int pageStyleCount() = 0;
    virtual std::unique_ptr<CalcPageStyle> pageStyle(int index) = 0;
    virtual std::unique_ptr<CalcPageStyle> pageStyle(const QString &name) = 0;
    // A new page style with every property of the named one (header contents included)
    // under a name no style has yet; returns that name.
    virtual QString copyPageStyle(const QString &name) = 0;

    // While locked, formatting calls leave row heights alone; every call would otherwise
    // fit the heights of all rows it touches to their contents, which on a long sheet
    // costs far more than the formatting itself.
    virtual void setRowHeightsLocked(bool locked) = 0;

    virtual void storeToUrl(const QString &url, const CalcFilterArgs &args) = 0;
    // Stores under the document's own name and format.
    virtual void store() = 0;
    // Close(true); the document is gone afterwards.
    virtual void close() = 0;
};
