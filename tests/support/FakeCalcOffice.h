#pragma once

#include "CalcFilterArgs.h"
#include "CalcOffice.h"
#include "FakeCalcWorkbook.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

// A simulated office for the Calc back-end. The workbooks live in memory; where a
// document's folder exists on the real disk, each file the office writes there is a
// small stand-in ("FAKE-WORKBOOK <n>") naming its workbook, so that the program's own
// file handling (fingerprints, locks, renames, the trash) works on real files. Loading
// reads the stand-in, or else the workbook put under the URL in "disk". Tests put
// workbooks on the disk, run the back-end and read what was stored. Calls named in
// failOn throw CalcError, as a failing office call would.
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

    // Puts a workbook on the disk at an absolute path; returns its URL. A real file
    // already there keeps its bytes: the office reads the workbook for it.
    QString addFile(const QString &path, const FakeCalcWorkbook &workbook);
    bool hasFile(const QString &path) const;
    // The workbook on the disk at a path; fails the test's expectations with an empty
    // workbook when there is none.
    FakeCalcWorkbook file(const QString &path) const;

    // The disk and what the back-end did to it.
    QMap<QString, FakeCalcWorkbook> disk;
    QList<StoreRecord> stores;
    QStringList loadedUrls;
    // The workbooks of the stand-in files, by their number.
    QList<FakeCalcWorkbook> written;

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

    // Runs before every call of the office (a user changing files meanwhile).
    std::function<void(const QString &call)> beforeCall;

    // Throws CalcError when the call is to fail.
    void check(const QString &call) const;
    // The workbook a load of the URL reads; nothing when there is no file.
    std::optional<FakeCalcWorkbook> read(const QString &url) const;
    // Stores a workbook under the URL: in memory, and as a stand-in file on the real
    // disk where its folder exists.
    void write(const QString &url, const FakeCalcWorkbook &workbook);
    // Whether the office registers an export filter of this name.
    static bool exportFilterRegistered(const QString &name);
};
