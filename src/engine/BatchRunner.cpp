#include "BatchRunner.h"

#include "AppPaths.h"
#include "ConsoleMessagePort.h"
#include "DocumentTimings.h"
#include "EngineBackendHost.h"
#include "FolderListing.h"
#include "FontPort.h"
#include "FormatSetFile.h"
#include "OfficeQueries.h"
#include "ProgramSettingsFile.h"
#include "RunController.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>

BatchRunner::BatchRunner(const OfficeBackends &backends, FontPort &fonts, OfficeDetectionPort &detection,
                         QTextStream &out, QTextStream &err)
    : m_backends(backends)
    , m_fonts(fonts)
    , m_detection(detection)
    , m_out(out)
    , m_err(err)
    , m_messagePort(std::make_unique<ConsoleMessagePort>(out, err))
{
    m_run = std::make_unique<RunController>(*this, m_messages);
    m_backendHost = std::make_unique<EngineBackendHost>(*m_run, m_messages, *m_messagePort, m_formatSet, m_preferences);
    m_queries = std::make_unique<OfficeQueries>(m_backends, *m_backendHost, m_formatSet, m_preferences);
    connect(m_run.get(), &RunController::documentFailed, this, &BatchRunner::reportFailure);
}

BatchRunner::~BatchRunner()
{
    m_run->shutdown();
}

QString BatchRunner::usage()
{
    return QStringLiteral("usage: tablevane --batch PATH [--set FILE.tvx] [--timings]\n"
                          "       tablevane --undo [--list]\n"
                          "  PATH       a folder (its documents of the chosen extension) or one document\n"
                          "  --timings  after each document, a line of where its time went (ms)\n"
                          "  --undo     put back what the last run stored; --list shows the kept runs");
}

// "--option=value" as the two words "--option value".
QStringList BatchRunner::splitAssignments(const QStringList &arguments)
{
    QStringList words;
    for (const QString &argument : arguments) {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (argument.startsWith(QStringLiteral("--")) && equals > 2)
            words << argument.left(equals) << argument.mid(equals + 1);
        else
            words << argument;
    }
    return words;
}

std::optional<BatchRunner::Options> BatchRunner::parseArguments(const QStringList &givenArguments, QString *error)
{
    const QStringList arguments = splitAssignments(givenArguments);
    Options options;
    bool batch = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool isBatch = argument == QStringLiteral("--batch") && !batch;
        const bool isSet = argument == QStringLiteral("--set") && options.setFile.isEmpty();
        if (argument == QStringLiteral("--timings") && !options.timings) {
            options.timings = true;
            continue;
        }
        if ((isBatch || isSet) && i + 1 == arguments.size()) {
            *error = argument + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        if (isBatch) {
            batch = true;
            options.path = arguments.at(++i);
        } else if (isSet) {
            options.setFile = arguments.at(++i);
        } else {
            *error = QStringLiteral("unexpected argument: ") + argument;
            return std::nullopt;
        }
    }
    if (!batch || options.path.isEmpty()) {
        *error = QStringLiteral("--batch needs a folder or a document");
        return std::nullopt;
    }
    return options;
}

bool BatchRunner::refuse(const QString &text)
{
    m_err << "Tablevane: " << text << Qt::endl;
    return false;
}

int BatchRunner::run(const Options &options)
{
    if (!prepare(options))
        return NothingStarted;
    if (options.timings)
        DocumentTimings::enable([this](const QString &line) { m_out << line << Qt::endl; }, m_remoteCalls);
    m_run->StartRun();
    if (!m_run->runInProgress()) {
        DocumentTimings::disable();
        return NothingStarted;
    }
    QEventLoop loop;
    m_loop = &loop;
    connect(m_run.get(), &RunController::runFinished, &loop, &QEventLoop::quit);
    loop.exec();
    m_loop = nullptr;
    DocumentTimings::disable();
    if (m_interrupted) {
        m_err << "Tablevane: interrupted; the remaining documents were not treated" << Qt::endl;
        return SomeFailed;
    }
    return m_failures > 0 ? SomeFailed : AllDone;
}

void BatchRunner::interrupt()
{
    m_interrupted = true;
    m_run->endAll();
    if (m_loop)
        m_loop->quit();
}

bool BatchRunner::prepare(const Options &options)
{
    // The same order as the window's start: preferences, office availability, tables,
    // then the set file.
    m_formatSet.FillFontList(m_fonts.installedFamilies());
    m_preferences.create(OfficeDetection::detect(m_detection));
    PreferencesReadNotes notes;
    if (const auto state = ProgramSettingsFile::LoadProgramSettings(AppPaths::AppDataFolder(), m_preferences, &notes)) {
        m_formatSet.update([&](FormatSet &set) { set.APAStyle = state->APAStyle; });
        if (state->APAStyle)
            m_formatSet.ApplyAPAStyle();
    }
    const PreferencesModel::Snapshot read = m_preferences.takeSnapshot();
    if (!m_preferences.applyOfficeAvailability()) {
        return refuse(m_messages.text(8) + QLatin1Char(' ') + m_messages.text(9) + QLatin1Char(' ')
                      + m_messages.text(10));
    }
    ProgramSettingsFile::noteAvailabilityChanges(read, m_preferences, notes);
    m_preferences.BuildSaveAsTables();
    // Without a window nobody could confirm choices the file did not hold, and the
    // fallbacks may store every document in place.
    if (!notes.clean())
        return refuse(notes.refusal(ProgramSettingsFile::path(AppPaths::AppDataFolder())));
    if (m_preferences.office() < 0)
        return refuse(m_messages.text(40));
    if (!m_backends.forOffice(m_preferences.office()))
        return refuse(QStringLiteral("the office chosen in the preferences cannot be used on this system"));
    if (!options.setFile.isEmpty()) {
        if (const std::optional<QString> pattern = FormatSetFile::missingPatternFile(options.setFile)) {
            return refuse(m_messages.text(38) + QLatin1Char(' ') + *pattern + QLatin1Char(' ')
                          + m_messages.text(39).trimmed());
        }
        QString refusal;
        if (!FormatSetFile::LoadFormatSet(QFileInfo(options.setFile).absoluteFilePath(), m_formatSet, *m_queries,
                                          &refusal))
            return refuse(refusal);
    }
    return chooseWork(options.path);
}

bool BatchRunner::chooseWork(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(QStringLiteral("not found: ") + path);
    if (info.isDir())
        return chooseFolder(info.absoluteFilePath());
    return chooseDocument(info.absoluteFilePath());
}

bool BatchRunner::chooseFolder(const QString &folder)
{
    static const QStringList extensions = {QStringLiteral("xls"), QStringLiteral("ods"), QStringLiteral("xlsx")};
    const QString extension = extensions.value(m_preferences.extension(), extensions.constFirst());
    RunState &state = m_run->state();
    state.WorkFolder = folder;
    FolderListing::ListFolderFiles(folder, extension, state);
    if (state.Count == 0) {
        return refuse(m_messages.text(4) + QLatin1Char(' ') + folder + QLatin1Char(' ') + m_messages.text(5)
                      + QStringLiteral(" \"") + extension + QStringLiteral("\""));
    }
    m_workPath = folder;
    m_oneFile = false;
    return true;
}

bool BatchRunner::chooseDocument(const QString &path)
{
    const QString lower = path.toLower();
    const OfficeDetectionResult &found = m_preferences.detection();
    const bool readable = lower.endsWith(QStringLiteral(".xls"))
        || (lower.endsWith(QStringLiteral(".ods")) && found.CalcInstalled)
        || (lower.endsWith(QStringLiteral(".xlsx"))
            && ((m_preferences.office() == 1 && found.CalcInstalled)
                || (found.ExcelInstalled && found.ExcelMajorVersion >= 12)));
    if (!readable)
        return refuse(m_messages.text(41) + QStringLiteral(": ") + path);
    m_workPath = path;
    m_oneFile = true;
    return true;
}

bool BatchRunner::patternSheetMissing() const
{
    return m_formatSet.set().WidthByPattern && m_formatSet.set().PatternSheet < 1;
}

BackendHost &BatchRunner::backendHost()
{
    return *m_backendHost;
}

FormatJob BatchRunner::formatJob() const
{
    return FormatJob::snapshot(m_formatSet, m_preferences);
}

void BatchRunner::setStatusText(const QString &text)
{
    if (!text.isEmpty())
        m_out << text << Qt::endl;
}

void BatchRunner::processEvents()
{
    QCoreApplication::processEvents();
}

void BatchRunner::showMessage(const QString &text, MessageIcon icon)
{
    m_messagePort->showMessage(QStringLiteral("Tablevane"), text, icon);
}

void BatchRunner::openLog(const QString &path)
{
    m_err << "Tablevane: failed documents are listed in " << path << Qt::endl;
}

void BatchRunner::notice(const QString &text)
{
    m_err << "Tablevane: " << text << Qt::endl;
}

void BatchRunner::reportFailure()
{
    ++m_failures;
    const RunState &state = m_run->state();
    m_err << AppPaths::joinPath(state.WorkFolder, state.fileAt(state.Position)) << ' ' << m_messages.text(46)
          << Qt::endl;
}
