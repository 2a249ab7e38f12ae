#pragma once

#include <QString>

#include <memory>

class CalcDocument;

// The office's Desktop for one operation.
class CalcDesktop
{
public:
    virtual ~CalcDesktop() = default;

    // Loads a document into a new hidden frame (Hidden, no macros run, no links
    // updated) and hides its container window. Nothing when the office gives no
    // document without saying why; throws CalcError when it refuses the URL.
    virtual std::unique_ptr<CalcDocument> loadComponentFromUrl(const QString &url) = 0;
};
