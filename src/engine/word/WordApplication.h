#pragma once

#include <memory>
#include <string>

class AutomationProcess;
class WordDocument;
class WordDocuments;
class WordSelection;

// One running Word instance. Every call may throw AutomationError.
class WordApplication
{
public:
    virtual ~WordApplication() = default;

    virtual void setVisible(bool visible) = 0;
    // While false, Word asks nothing (WdAlertLevel: none), the compatibility check of a
    // save in an older format included.
    virtual void setDisplayAlerts(bool on) = 0;
    virtual std::wstring version() = 0;
    virtual std::unique_ptr<WordDocuments> documents() = 0;
    virtual std::unique_ptr<WordSelection> selection() = 0;
    virtual std::unique_ptr<WordDocument> activeDocument() = 0;
    // Quit with SaveChanges = wdDoNotSaveChanges (0): the instance ends without asking
    // about a document left unsaved, which a hidden instance could never be answered.
    virtual void quit() = 0;

    // The process the instance runs in, for the watchdog; null where it is not known
    // (an instance inside this program's own process is never watched).
    virtual std::shared_ptr<AutomationProcess> process() = 0;
};
