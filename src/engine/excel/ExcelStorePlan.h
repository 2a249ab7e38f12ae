#pragma once

#include <string>

struct ExcelJob;

// Where a document formatted through Excel goes and in which format: the document's path
// without its extension and the extension of the chosen format (the Word document under
// ".doc" with the Word-table option). Whether the result may replace the document is
// decided at the store, by the format Excel read the document in.
struct ExcelStorePlan
{
    int fileFormat = 0;        // the documented number SaveAs is given; 0 for the Word table
    std::wstring targetPath;

    // Throws DocumentRefusal when the choice gives no format Excel documents.
    static ExcelStorePlan make(const std::wstring &documentPath, const ExcelJob &job);
};
