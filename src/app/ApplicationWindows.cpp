#include "ApplicationWindows.h"

#include "AppPaths.h"
#include "LanguageTargets.h"
#include "TfrmAboutTablevane.h"
#include "TfrmLanguageAndHelp.h"
#include "TfrmParameters.h"
#include "TfrmTablevane.h"
#include "WindowLanguage.h"

ApplicationWindows::ApplicationWindows(const Ports &ports, const OfficeBackends &backends,
                                       PreferencesModel &preferences, const QStringList &arguments)
    : m_main(std::make_unique<TfrmTablevane>(ports, backends, preferences, arguments))
{
    // The dialogs are children of the main window and live as long as it does.
    m_about = new TfrmAboutTablevane(m_main.get());
    m_parameters = new TfrmParameters(preferences, *ports.detection, *ports.messages, m_main->messages(), m_main.get());
    m_languageAndHelp = new TfrmLanguageAndHelp(AppPaths::programFolder(), *ports.messages, m_main->messages(),
                                                preferences, m_main.get());
    m_main->setDialogs(m_about, m_parameters, m_languageAndHelp);
    TfrmTablevane *main = m_main.get();
    // Every window exists now: what they show is English, to which a language returns.
    m_languageTargets = std::make_unique<LanguageTargets>(
        LanguageTargets::Windows{main, m_parameters, m_languageAndHelp, m_about}, main->dialogTexts(),
        main->messages(), &main->view());
    m_language = std::make_unique<WindowLanguage>(*m_languageTargets, main->messages(), preferences);
    m_languageAndHelp->setLanguage(m_language.get());
    QObject::connect(m_languageAndHelp, &TfrmLanguageAndHelp::saveRequested, main, &TfrmTablevane::SaveProgramSettings);
    QObject::connect(m_languageAndHelp, &TfrmLanguageAndHelp::focusWorkPathRequested, main,
                     &TfrmTablevane::focusWorkPath);
    QObject::connect(m_languageAndHelp, &TfrmLanguageAndHelp::languageNoted, main, &TfrmTablevane::showLanguageNote);
    QObject::connect(m_parameters, &TfrmParameters::showing, main, &TfrmTablevane::ApplyOfficeAvailability);
    QObject::connect(m_parameters, &TfrmParameters::saveRequested, main, &TfrmTablevane::SaveProgramSettings);
    QObject::connect(m_parameters, &TfrmParameters::focusWorkPathRequested, main, &TfrmTablevane::focusWorkPath);
    QObject::connect(m_parameters, &TfrmParameters::officeChangeAccepted, main, &TfrmTablevane::ResetWorkChoice);
}

ApplicationWindows::~ApplicationWindows() = default;
