#pragma once

#include <QString>

#include <memory>

class CalcDesktop;
class CalcDocument;
class CalcOffice;

// The office objects of one operation: its desktop and the one document it opens.
// Whatever way the operation ends, the document is closed (Close(true)) and the
// desktop dropped when the session ends.
class CalcSession
{
public:
    // Creates the service manager and the Desktop; throws CalcError when the office
    // cannot give them.
    explicit CalcSession(CalcOffice &office);
    ~CalcSession();

    CalcSession(const CalcSession &) = delete;
    CalcSession &operator=(const CalcSession &) = delete;

    // Loads the document hidden. Throws CalcError when the office gives no document or
    // read it through a filter of another family than its extension promises; such a
    // document is closed at once, unchanged.
    CalcDocument &open(const QString &path);

    // Closes the document now, if one is open; a failure to close is of no further
    // consequence (the office drops a document it cannot close when it ends).
    void closeDocument();

    // The import filter the office read the open document with.
    const QString &filterName() const { return m_filterName; }

private:
    std::unique_ptr<CalcDesktop> m_desktop;
    std::unique_ptr<CalcDocument> m_document;
    QString m_filterName;
};
