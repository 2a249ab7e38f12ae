#pragma once

#include "MessageIcon.h"
#include "ProgressWording.h"
#include "QueryResults.h"

#include <QString>

class DocumentKeeper;

// What an office back-end may touch outside the office: the log, the run's problem
// flag, the progress display, message boxes, the results of the queries and the few
// controls of the main window that a query refills.
class BackendHost
{
public:
    virtual ~BackendHost() = default;

    virtual QString message(int number) const = 0;
    // A message box with the caption "Tablevane"; returns when it is closed.
    virtual void showMessage(const QString &text, MessageIcon icon) = 0;

    virtual void writeLogLine(const QString &first, const QString &second) = 0;
    virtual void setProblemLogged() = 0;
    virtual void reportProgress(int position, int count, ProgressWording wording) = 0;
    // Something the user should know that is no failure (a document left unformatted, a
    // file moved to the trash). The batch prints it; the window has the log for it.
    virtual void notice(const QString &) {}
    // Between the sheets of one document: lets the window handle pending input (where
    // Pause and Stop are seen), and tells whether the program is ending meanwhile.
    virtual void processEvents() {}
    virtual bool runEnding() const { return false; }
    // What a store tells of its changes so that the run can be undone; nothing outside
    // a run, or when the run keeps nothing.
    virtual DocumentKeeper *documentKeeper() { return nullptr; }

    virtual QueryResults &queryResults() = 0;
    virtual int maxScanColumns() const = 0;

    // The pattern controls a query refills.
    virtual void setSheetNumberItems(int count) = 0;        // items "1".."count", none selected
    virtual void clearSheetNumberSelection() = 0;
    virtual void setPatternSheetName(const QString &name) = 0;  // edtSheetName, text and hint
    virtual void clearPatternFileField() = 0;              // edPattern
    virtual void chooseAutoWidths() = 0;                   // rbAuto checked, with its reaction
    virtual void restartPatternChoice() = 0;               // the reaction to a click on rbByPattern
};
