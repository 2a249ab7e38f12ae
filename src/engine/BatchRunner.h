#pragma once

#include "FormatSetModel.h"
#include "MessageTable.h"
#include "OfficeBackends.h"
#include "PreferencesModel.h"
#include "RunHost.h"

#include <QEventLoop>
#include <QObject>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>
#include <optional>

class ConsoleMessagePort;
class EngineBackendHost;
class FontPort;
class OfficeDetectionPort;
class OfficeQueries;
class RunController;

// The run without a window: tablevane --batch PATH [--set FILE.tvx]. It reads the
// preferences as the window does at start, starts from a new window's formatting
// choices, loads the set file, runs every document through the same run engine and
// reports on the terminal.
class BatchRunner : public QObject, public RunHost
{
    Q_OBJECT

public:
    enum ExitCode { AllDone = 0, SomeFailed = 1, NothingStarted = 2 };

    struct Options
    {
        QString path;
        QString setFile;
        bool timings = false;   // a line per document: where its time went
    };

    BatchRunner(const OfficeBackends &backends, FontPort &fonts, OfficeDetectionPort &detection, QTextStream &out,
                QTextStream &err);
    ~BatchRunner() override;

    // The arguments after the program name; nothing (and an explanation) when they
    // are not "--batch PATH [--set FILE.tvx] [--timings]" ("--batch=PATH" too).
    static std::optional<Options> parseArguments(const QStringList &arguments, QString *error);
    static QStringList splitAssignments(const QStringList &arguments);
    static QString usage();

    int run(const Options &options);
    // What the timings line gives as the document's remote calls: a count of the calls
    // made to the office so far.
    void setRemoteCallCounter(std::function<qint64()> counter) { m_remoteCalls = std::move(counter); }
    // Ends the run at once (the program was told to stop): no further document starts.
    void interrupt();

    // RunHost
    QString workPathText() const override { return m_workPath; }
    bool oneFileChosen() const override { return m_oneFile; }
    bool patternSheetMissing() const override;
    QString saveAsRefusal() const override { return m_preferences.saveAsRefusal(); }
    bool logChecked() const override { return m_formatSet.set().Log; }
    bool applyForAll() const override { return m_formatSet.set().ApplyForAll; }
    QString applySheetText() const override { return m_formatSet.set().ApplySheet; }
    int officeChoice() const override { return m_preferences.office(); }
    OfficeBackend *backend(int office) override { return m_backends.forOffice(office); }
    BackendHost &backendHost() override;
    FormatJob formatJob() const override;
    KeptRunLimits keptRunLimits() const override { return m_preferences.keptRunLimits(); }
    void saveProgramSettings() override {}
    void showSettingsSummary() override {}
    void setStatusText(const QString &text) override;
    void setProgressPosition(int) override {}
    void setTrayHint(const QString &) override {}
    void setRunCaption(RunCaption) override {}
    void repaintWindow() override {}
    void processEvents() override;
    void showMessage(const QString &text, MessageIcon icon) override;
    void openLog(const QString &path) override;
    void notice(const QString &text) override;

private:
    bool prepare(const Options &options);
    bool chooseWork(const QString &path);
    bool chooseFolder(const QString &folder);
    bool chooseDocument(const QString &path);
    void reportFailure();
    bool refuse(const QString &text);

    OfficeBackends m_backends;
    FontPort &m_fonts;
    OfficeDetectionPort &m_detection;
    QTextStream &m_out;
    QTextStream &m_err;
    MessageTable m_messages;
    FormatSetModel m_formatSet;
    PreferencesModel m_preferences;
    std::unique_ptr<ConsoleMessagePort> m_messagePort;
    std::unique_ptr<RunController> m_run;
    std::unique_ptr<EngineBackendHost> m_backendHost;
    std::unique_ptr<OfficeQueries> m_queries;
    QString m_workPath;
    bool m_oneFile = false;
    int m_failures = 0;
    bool m_interrupted = false;
    QEventLoop *m_loop = nullptr;
    std::function<qint64()> m_remoteCalls;
};
