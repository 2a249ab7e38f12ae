#include "ExcelStorePlan.h"

#include "AutomationPaths.h"
#include "DocumentRefusal.h"
#include "ExcelFileFormats.h"
#include "ExcelJob.h"

#include <algorithm>
#include <cwctype>
#include <optional>

ExcelStorePlan ExcelStorePlan::make(const std::wstring &documentPath, const ExcelJob &job)
{
    ExcelStorePlan plan;
    const std::wstring base = AutomationPaths::withoutExtension(documentPath);
    if (job.DocTable) {
        // Word's own extension for its document format, given rather than left to Word:
        // Word adds none to a name that has a dot in it already.
        plan.targetPath = base + L".doc";
        return plan;
    }
    if (!job.SaveAsCode)
        throw DocumentRefusal("no save-as format is chosen");
    const std::optional<int> format = ExcelFileFormats::documented(*job.SaveAsCode, job.ExcelMajorVersion);
    if (!format) {
        throw DocumentRefusal("Excel has no file format that SaveAs writes for the save-as choice (code "
                              + std::to_string(*job.SaveAsCode) + ")");
    }
    plan.fileFormat = *format;
    const std::wstring extension = ExcelFileFormats::extension(*format);
    // A document that has the format's extension already, in whatever case, is its target.
    const std::wstring own = documentPath.substr(base.size());
    const bool sameExtension = own.size() == extension.size()
        && std::equal(own.begin(), own.end(), extension.begin(),
                      [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
    plan.targetPath = sameExtension ? documentPath : base + extension;
    return plan;
}
