#pragma once

#include "EngineBackendHost.h"
#include "FakeMessagePort.h"
#include "FakeShellPort.h"
#include "FormatSetModel.h"
#include "OfficeBackends.h"
#include "PreferencesModel.h"
#include "RunController.h"
#include "RunHost.h"

#include <QStringList>

#include <memory>

// The run's surroundings for tests: the choices are plain fields, and everything the
// run shows (status texts, captions, messages, the opened log) is recorded.
class RecordingRunHost : public RunHost
{
public:
    RecordingRunHost();
    ~RecordingRunHost() override;

    QString workPathText() const override { return workPath; }
    bool oneFileChosen() const override { return oneFile; }
    bool patternSheetMissing() const override { return patternMissing; }
    QString saveAsRefusal() const override { return refusal; }
    bool logChecked() const override { return formatSet.set().Log; }
    bool applyForAll() const override { return formatSet.set().ApplyForAll; }
    QString applySheetText() const override { return formatSet.set().ApplySheet; }
    int officeChoice() const override { return office; }
    OfficeBackend *backend(int officeChoice) override { return backends.forOffice(officeChoice); }
    BackendHost &backendHost() override { return *engineHost; }
    FormatJob formatJob() const override;
    KeptRunLimits keptRunLimits() const override { return limits; }
    void saveProgramSettings() override { ++settingsSaved; }
    void showSettingsSummary() override { ++summariesShown; }
    void setStatusText(const QString &text) override
    {
        statusTexts.append(text);
        events.append(QStringLiteral("status:") + text);
    }
    void setProgressPosition(int position) override { progress = position; }
    void setTrayHint(const QString &text) override { trayHint = text; }
    void setRunCaption(RunCaption caption) override
    {
        captions.append(messages.caption(caption));
        events.append(QStringLiteral("caption:") + captions.last());
    }
    void repaintWindow() override {}
    void processEvents() override;
    void showMessage(const QString &text, MessageIcon icon) override;
    void openLog(const QString &path) override
    {
        events.append(QStringLiteral("editor:") + path);
        shell.openInEditor(path);
    }

    QString caption() const { return captions.isEmpty() ? messages.caption(RunCaption::Start) : captions.last(); }
    // Every event of the run in order: "status:...", "caption:...", "message:...", "editor:...".
    QStringList events;

    QString workPath;
    bool oneFile = false;
    bool patternMissing = false;
    QString refusal;   // what saveAsRefusal answers
    KeptRunLimits limits;
    int office = 1;
    OfficeBackends backends;
    MessageTable messages;
    FormatSetModel formatSet;
    PreferencesModel preferences;
    FakeMessagePort messagePort;
    FakeShellPort shell;
    std::unique_ptr<RunController> run;
    std::unique_ptr<EngineBackendHost> engineHost;
    QStringList statusTexts;
    QStringList captions;
    QString trayHint;
    int progress = 0;
    int settingsSaved = 0;
    int summariesShown = 0;
};
