#pragma once

#include "FormatJob.h"
#include "OfficeBackend.h"
#include "ProgressWording.h"

#include <QSet>
#include <QStringList>
#include <QList>
#include <functional>

// A back-end that formats nothing: it records each call, fails the documents it is
// told to fail the way a real back-end does (log line when logging is on, problem
// flag), and reports progress in its office's wording. Told to, it stores each other
// document over itself through the store a real back-end uses ("formatted " and the
// document's bytes), the run's keeper told.
class FakeOfficeBackend : public OfficeBackend
{
public:
    explicit FakeOfficeBackend(ProgressWording wording) : m_wording(wording) {}

    struct Call
    {
        QString path;
        int sheet;
        int position;
        int count;
    };

    void formatDocument(const QString &path, int sheet, int position, int count, const FormatJob &job,
                        BackendHost &host) override;
    std::optional<QString> targetPath(const QString &path, const FormatJob &) const override
    {
        return targetOf ? targetOf(path) : std::nullopt;
    }
    void readSheetNames(const QString &path, BackendHost &host) override;
    void readPatternWidths(const QString &path, int sheet, BackendHost &host) override;
    std::optional<QString> viewSheetName(const QString &path, int sheet, BackendHost &host) override;

    QList<Call> calls;
    QList<FormatJob> jobs;           // the snapshot each formatting call received
    QStringList sheetQueries;
    QSet<QString> failingNames;      // file names (without folder) that fail
    QSet<QString> emptyNames;        // file names whose sheets have nothing to format
    int sheetCount = 1;              // the sheets of every document, as the queries report them
    bool storesInPlace = false;
    std::function<void()> duringCall;   // runs inside each formatting call
    std::function<std::optional<QString>(const QString &path)> targetOf;   // where results go

private:
    ProgressWording m_wording;
};
