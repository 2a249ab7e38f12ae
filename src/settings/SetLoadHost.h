#pragma once

#include "MessageIcon.h"

#include <QString>

// What loading a set file needs from its surroundings: the message texts and boxes,
// and the pattern queries of the office chosen in the preferences.
class SetLoadHost
{
public:
    virtual ~SetLoadHost() = default;
    virtual QString message(int number) const = 0;
    virtual void showMessage(const QString &text, MessageIcon icon) = 0;
    // Runs the sheet query of the chosen office on the pattern file; it refills the
    // pattern sheet list (FormatSetModel::setSheetItems). False when no office is chosen
    // and so no query ran. The loader selects a stored sheet only when the list holds it.
    virtual bool querySheets(const QString &patternFile) = 0;
    // The reaction to picking sheet n (1-based) of the pattern list: read that sheet's
    // widths and, when some were read, show its name.
    virtual void patternSheetPicked(int n) = 0;
    // The name of sheet n (1-based) as the last query of the chosen office reported it.
    virtual QString queriedSheetName(int n) const = 0;
    // The sheet count the last query reported.
    virtual int queriedSheetCount() const = 0;
};
