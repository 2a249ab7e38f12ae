#pragma once

#include <QString>

#include <optional>

class BackendHost;
struct FormatJob;

// One office suite's operations on a document. Each call catches every failure of its
// document itself and reports it through the host; it leaves no document open.
class OfficeBackend
{
public:
    virtual ~OfficeBackend() = default;

    // Formats one sheet and stores the document; sheet is counted from 1 for Excel and
    // from 0 for Calc. Reports progress through the host before returning.
    virtual void formatDocument(const QString &path, int sheet, int position, int count,
                                const FormatJob &job, BackendHost &host) = 0;
    // "Apply for all sheets" in one opening of the document: formats every sheet and
    // stores once, reporting progress after each sheet. False when this back-end does
    // not offer it; the run then queries the sheets and formats them one by one.
    virtual bool formatAllSheets(const QString &, int, int, const FormatJob &, BackendHost &) { return false; }
    // Where the result of a document would be stored, for the checks a run makes before
    // it starts; nothing when this back-end cannot tell before it has the document.
    virtual std::optional<QString> targetPath(const QString &, const FormatJob &) const { return std::nullopt; }
    // Sets SheetCount and SheetNames and refills the pattern sheet list.
    virtual void readSheetNames(const QString &path, BackendHost &host) = 0;
    // Reads the widths of the pattern sheet's first-row columns into PatternWidths.
    virtual void readPatternWidths(const QString &path, int sheet, BackendHost &host) = 0;
    // The name of one sheet, for "View sheet name"; nothing when the document or the
    // sheet cannot be read (the back-end has then shown its message).
    virtual std::optional<QString> viewSheetName(const QString &path, int sheet, BackendHost &host) = 0;
};
