#include "ApplicationWindows.h"
#include "BatchRunner.h"
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

#include <QApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <thread>

namespace {

bool wantsBatch(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--batch") == 0)
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
    QtOfficeDetectionPort detection(office);
    BatchRunner batch(office.backends(), fonts, detection, out, err);
    const TerminationSignals terminationSignals([&batch] { batch.interrupt(); });
    return batch.run(*options);
}

int runWindow(int argc, char *argv[])
{
    QApplication app(argc, argv);
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
    QtOfficeDetectionPort detection(office);
    const Ports ports{&messages, &files, &colors, &shell, &fonts, &detection};
    PreferencesModel preferences;

    ApplicationWindows windows(ports, office.backends(), preferences, app.arguments().mid(1));
    TfrmTablevane &frmTablevane = windows.frmTablevane();
    messages.setParentWindow(&frmTablevane);
    files.setParentWindow(&frmTablevane);
    colors.setParentWindow(&frmTablevane);

    splash->waitForTimer();
    splash->hide();
    delete splash;

    // Ended by the session or Ctrl+C: as Exit, without writing the preferences.
    const TerminationSignals terminationSignals([&frmTablevane] { frmTablevane.Exit1Click(); });
    frmTablevane.show();
    const int result = app.exec();
    frmTablevane.run().shutdown();
    office.shutdown();
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    if (wantsBatch(argc, argv))
        return runBatch(argc, argv);
    return runWindow(argc, argv);
}
