#pragma once

#include "FormatJob.h"
#include "KeptRunLimits.h"
#include "MessageIcon.h"
#include "MessageTable.h"

#include <QString>

class BackendHost;
class OfficeBackend;

// What the run needs from its surroundings: the window, the headless batch runner or a
// test. It reads the choices at the moment it needs them and reports through here.
class RunHost
{
public:
    virtual ~RunHost() = default;

    // Choices read by Start and by each step.
    virtual QString workPathText() const = 0;      // the chosen folder or document
    virtual bool oneFileChosen() const = 0;         // "...one file" rather than a folder
    virtual bool patternSheetMissing() const = 0;   // widths by pattern without a chosen sheet
    // Why the chosen save-as format cannot be stored by the installed office; empty
    // when it can.
    virtual QString saveAsRefusal() const { return QString(); }
    virtual bool logChecked() const = 0;
    virtual bool applyForAll() const = 0;
    virtual QString applySheetText() const = 0;
    virtual int officeChoice() const = 0;           // 0 Excel, 1 Calc, -1 none
    virtual OfficeBackend *backend(int office) = 0;
    virtual BackendHost &backendHost() = 0;
    virtual FormatJob formatJob() const = 0;
    // Read by Start: what the run keeps for "Undo last run".
    virtual KeptRunLimits keptRunLimits() const { return KeptRunLimits{}; }

    // What the run changes around it.
    virtual void saveProgramSettings() = 0;
    virtual void showSettingsSummary() = 0;
    virtual void setStatusText(const QString &text) = 0;
    virtual void setProgressPosition(int position) = 0;
    virtual void setTrayHint(const QString &text) = 0;
    // The caption (and glyph) of the Start button and the tray's Start item.
    virtual void setRunCaption(RunCaption caption) = 0;
    virtual void repaintWindow() = 0;
    // Lets the window handle pending input: where Pause and Stop are seen in a step.
    virtual void processEvents() = 0;
    virtual void showMessage(const QString &text, MessageIcon icon) = 0;
    virtual void openLog(const QString &path) = 0;
    // A back-end's notice (see BackendHost::notice).
    virtual void notice(const QString &) {}
};
