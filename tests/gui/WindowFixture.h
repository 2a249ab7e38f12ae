#pragma once

#include "ApplicationWindows.h"
#include "FakeColorDialogPort.h"
#include "FakeDetectionPort.h"
#include "FakeFileDialogPort.h"
#include "FakeFontPort.h"
#include "FakeMessagePort.h"
#include "FakeOfficeBackend.h"
#include "FakeShellPort.h"
#include "PreferencesModel.h"
#include "TfrmTablevane.h"

#include <QTemporaryDir>

#include <memory>

// The program's windows over test doubles: a private data folder, queued dialog
// answers, recorded message boxes, a fake Calc back-end and a detection answered by
// the test.
struct WindowFixture
{
    // Which suites the detection finds: Calc, and Excel (with Word) when excelVersion
    // is given.
    explicit WindowFixture(bool calcInstalled = true, QStringList arguments = {}, QString excelVersion = {},
                           bool wordInstalled = false, bool createNow = true)
        : fonts({QStringLiteral("Tahoma"), QStringLiteral("Times New Roman"), QStringLiteral("Verdana")})
        , calc(ProgressWording::Calc)
    {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        if (calcInstalled)
            detection.registered = {QStringLiteral("com.sun.star.ServiceManager")};
        if (!excelVersion.isEmpty()) {
            detection.registered.append(QStringLiteral("Excel.Application"));
            detection.excelVersionText = excelVersion;
        }
        if (wordInstalled)
            detection.registered.append(QStringLiteral("Word.Application"));
        m_arguments = arguments;
        if (createNow)
            create();
    }

    // Creates the windows (for a test that prepares the data folder first).
    void create()
    {
        const Ports ports{&messages, &files, &colors, &shell, &fonts, &detection};
        windows = std::make_unique<ApplicationWindows>(ports, OfficeBackends{nullptr, &calc}, preferences, m_arguments);
    }

    TfrmTablevane &window() { return windows->frmTablevane(); }
    MainWindowUi &ui() { return window().ui(); }

    QTemporaryDir config;
    FakeMessagePort messages;
    FakeFileDialogPort files;
    FakeColorDialogPort colors;
    FakeShellPort shell;
    FakeFontPort fonts;
    FakeDetectionPort detection;
    FakeOfficeBackend calc;
    PreferencesModel preferences;
    std::unique_ptr<ApplicationWindows> windows;

private:
    QStringList m_arguments;
};
