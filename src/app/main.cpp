#include "AppIcon.h"
#include "ApplicationWindows.h"
#include "AutomationDetectionPort.h"
#include "BatchRunner.h"
#include "DisplayCheck.h"
#include "MessageTable.h"
#include "OfficeServices.h"
#include "Ports.h"
#include "PreferencesModel.h"
#include "QtColorDialogPort.h"
#include "QtFileDialogPort.h"
#include "QtFontPort.h"
#include "QtMessagePort.h"
#include "QtOfficeDetectionPort.h"
#include "QtShellPort.h"
#include "RunController.h"
#include "TfrmSplash.h"
#include "TerminationSignals.h"
#include "TfrmTablevane.h"
#include "UndoCommand.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <thread>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Outside a login session (cron, ssh, a container) XDG_RUNTIME_DIR is unset and Qt falls
// back to <temp>/runtime-<user> on its own, but announces it on standard error, where the
// batch reports its failed documents. The same folder is named here, when it is safe.
void provideRuntimeFolder()
{
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return;
    const passwd *user = ::getpwuid(::geteuid());
    if (!user)
        return;
    const QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/runtime-" + user->pw_name;
    ::mkdir(folder.constData(), 0700);
    struct stat st;
    if (::lstat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
        && (st.st_mode & 0777) == 0700)
        qputenv("XDG_RUNTIME_DIR", folder);
}

bool wantsBatch(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--batch") == 0 || std::strncmp(argv[i], "--batch=", 8) == 0)
            return true;
    }
    return false;
}

int runBatch(int argc, char *argv[])
{
    // No display is needed: the font list comes from the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Tablevane"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString error;
    const auto options = BatchRunner::parseArguments(app.arguments().mid(1), &error);
    if (!options) {
        err << "Tablevane: " << error << Qt::endl << BatchRunner::usage() << Qt::endl;
        return BatchRunner::NothingStarted;
    }
    OfficeServices office;
    QtFontPort fonts;
    // The office starts while the font list is read (each takes a good part of the
    // time before the first document); nothing else uses the office meanwhile.
    std::thread officeStart([&office] { office.startEarly(); });
    fonts.installedFamilies();
    officeStart.join();
    QtOfficeDetectionPort calcDetection(office);
    AutomationDetectionPort detection(office.excel(), office.word(), calcDetection);
    BatchRunner batch(office.backends(), fonts, detection, out, err);
    batch.setRemoteCallCounter([&office] { return office.remoteCalls(); });
    const TerminationSignals terminationSignals([&batch] { batch.interrupt(); });
    return batch.run(*options);
}

int runUndo(int argc, char *argv[])
{
    // Files only: no office, no display.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tablevane"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return UndoCommand::run(app.arguments().mid(1), out, err);
}

int runWindow(int argc, char *argv[])
{
    if (const std::optional<QString> missing = DisplayCheck::missingDisplay()) {
        std::fprintf(stderr, "Tablevane: %s\n", qPrintable(*missing));
        return BatchRunner::NothingStarted;
    }
    QApplication app(argc, argv);
    AppIcon::identifyApplication();
    auto *splash = new TfrmSplash;
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    // The office process starts while the splash keeps its half second, so that the
    // office detection of the Preferences window finds it running. Nothing else uses
    // the office until the thread has ended.
    OfficeServices office;
    std::thread officeStart([&office] { office.startEarly(); });
    splash->waitForTimer();
    officeStart.join();
    QApplication::setApplicationName(QStringLiteral("Tablevane"));

    QtMessagePort messages;
    QtFileDialogPort files;
    QtColorDialogPort colors;
    QtShellPort shell;
    QtFontPort fonts;
    QtOfficeDetectionPort calcDetection(office);
    AutomationDetectionPort detection(office.excel(), office.word(), calcDetection);
    const Ports ports{&messages, &files, &colors, &shell, &fonts, &detection};
    PreferencesModel preferences;

    ApplicationWindows windows(ports, office.backends(), preferences, app.arguments().mid(1));
    TfrmTablevane &frmTablevane = windows.frmTablevane();
    messages.setParentWindow(&frmTablevane);
    files.setParentWindow(&frmTablevane);
    colors.setParentWindow(&frmTablevane);
    shell.setParentWindow(&frmTablevane);

    splash->waitForTimer();
    splash->hide();
    delete splash;

    // Ended by the session or Ctrl+C: as Exit, without writing the preferences.
    const TerminationSignals terminationSignals([&frmTablevane] { frmTablevane.Exit1Click(); });
    frmTablevane.show();
    const int result = app.exec();
    shell.closeAllHelp();
    frmTablevane.run().shutdown();
    office.shutdown();
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    provideRuntimeFolder();
    if (std::any_of(argv + 1, argv + argc, [](const char *argument) { return std::strcmp(argument, "--undo") == 0; }))
        return runUndo(argc, argv);
    if (wantsBatch(argc, argv))
        return runBatch(argc, argv);
    return runWindow(argc, argv);
}
