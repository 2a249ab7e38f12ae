#pragma once

#include "CalcFilterArgs.h"
#include "CalcOffice.h"
#include "FakeCalcWorkbook.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>

#include <functional>

// A simulated office for the Calc back-end. Its "disk" maps document URLs to
// workbooks: loading copies one into an open document, storing copies it back under
// the target URL. Tests put workbooks on the disk, run the back-end and read what was
// stored. Calls named in failOn throw CalcError, as a failing office call would.
class FakeCalcOffice : public CalcOffice
{
public:
    struct StoreRecord
    {
        QString sourceUrl;
        QString targetUrl;
        bool inPlace = false;
        CalcFilterArgs args;
    };

    std::unique_ptr<CalcDesktop> createDesktop() override;

    // Puts a workbook on the disk at an absolute path; returns its URL.
    QString addFile(const QString &path, const FakeCalcWorkbook &workbook);
    bool hasFile(const QString &path) const;
    // The workbook on the disk at a path; fails the test's expectations with an empty
    // workbook when there is none.
    FakeCalcWorkbook file(const QString &path) const;

    // The disk and what the back-end did to it.
    QMap<QString, FakeCalcWorkbook> disk;
    QList<StoreRecord> stores;
    QStringList loadedUrls;

    // Office objects alive at the moment: every operation must drop them.
    int desktopsAlive = 0;
    int documentsOpen = 0;
    int desktopsCreated = 0;

    // Names of calls that fail: "createDesktop", "load", "sheet", "cellRangeByName",
    // "setProperties", "tableBorder", "setTableBorder", "setPropertiesOnRanges",
    // "pageStyle", "setPageStyleProperties", "setRightPageHeaderContent",
    // "setOptimalWidths", "setColumnWidths", "columnWidths", "contents", "cellTypes",
    // "usedArea", "store", "storeToUrl", "close".
    QSet<QString> failOn;
    // Runs when a call named in failOn is about to fail (what a dying office leaves).
    std::function<void(const QString &call)> beforeFailing;

    // Throws CalcError when the call is to fail.
    void check(const QString &call) const;
    // Whether the office registers an export filter of this name.
    static bool exportFilterRegistered(const QString &name);
};
