#pragma once

#include "OfficeBackends.h"
#include "Ports.h"

#include <QStringList>

#include <memory>

class LanguageTargets;
class PreferencesModel;
class WindowLanguage;
class TfrmAboutTablevane;
class TfrmLanguageAndHelp;
class TfrmParameters;
class TfrmTablevane;

// The program's windows, created in their start-up order (main window, About,
// Preferences with its office detection, Language and help) and tied together.
class ApplicationWindows
{
public:
    ApplicationWindows(const Ports &ports, const OfficeBackends &backends, PreferencesModel &preferences,
                       const QStringList &arguments);
    ~ApplicationWindows();

    TfrmTablevane &frmTablevane() { return *m_main; }
    TfrmAboutTablevane &frmAboutTablevane() { return *m_about; }
    TfrmParameters &frmParameters() { return *m_parameters; }
    TfrmLanguageAndHelp &frmLanguageAndHelp() { return *m_languageAndHelp; }

private:
    std::unique_ptr<TfrmTablevane> m_main;
    TfrmAboutTablevane *m_about = nullptr;
    TfrmParameters *m_parameters = nullptr;
    TfrmLanguageAndHelp *m_languageAndHelp = nullptr;
    std::unique_ptr<LanguageTargets> m_languageTargets;
    std::unique_ptr<WindowLanguage> m_language;
};
