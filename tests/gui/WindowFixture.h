#pragma once

#include "ApplicationWindows.h"
#include "AutomationDetectionPort.h"
#include "ExcelBackend.h"
#include "FakeColorDialogPort.h"
#include "FakeDetectionPort.h"
#include "FakeExcel.h"
#include "FakeFileDialogPort.h"
#include "FakeFontPort.h"
#include "FakeMessagePort.h"
#include "FakeOfficeBackend.h"
#include "FakeShellPort.h"
#include "FakeWord.h"
#include "PreferencesModel.h"
#include "TfrmTablevane.h"

#include <QTemporaryDir>

#include <memory>

// The program's windows over test doubles: private data folders, queued dialog
// answers, recorded message boxes, a fake Calc back-end, the Excel back-end over a
// simulated Excel and Word, and a detection answered by the test for Calc and by the
// simulations for Excel and Word.
struct WindowFixture
{
    // Which suites the detection finds: Calc, Excel of excelVersion when one is given,
    // and Word.
    explicit WindowFixture(bool calcInstalled = true, QStringList arguments = {}, QString excelVersion = {},
                           bool wordInstalled = false, bool createNow = true)
        : fonts({QStringLiteral("Tahoma"), QStringLiteral("Times New Roman"), QStringLiteral("Verdana")})
        , calc(ProgressWording::Calc)
    {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        if (calcInstalled)
            detection.registered = {QStringLiteral("com.sun.star.ServiceManager")};
        excel.registered = !excelVersion.isEmpty();
        excel.version = excelVersion.toStdWString();
        word.registered = wordInstalled;
        m_arguments = arguments;
        if (createNow)
            create();
    }

    // Creates the windows (for a test that prepares the data folder first).
    void create()
    {
        const Ports ports{&messages, &files, &colors, &shell, &fonts, &automationDetection};
        windows = std::make_unique<ApplicationWindows>(ports, OfficeBackends{&excelBackend, &calc}, preferences,
                                                       m_arguments);
    }

    TfrmTablevane &window() { return windows->frmTablevane(); }
    MainWindowUi &ui() { return window().ui(); }

    QTemporaryDir config;
    QTemporaryDir data;   // kept runs and the trash
    FakeMessagePort messages;
    FakeFileDialogPort files;
    FakeColorDialogPort colors;
    FakeShellPort shell;
    FakeFontPort fonts;
    FakeDetectionPort detection;
    FakeClipboard clipboard;
    FakeExcel excel{clipboard};
    FakeWord word{clipboard};
    AutomationDetectionPort automationDetection{&excel, &word, detection};
    ExcelBackend excelBackend{excel, &word};
    FakeOfficeBackend calc;
    PreferencesModel preferences;
    std::unique_ptr<ApplicationWindows> windows;

private:
    QStringList m_arguments;
};
