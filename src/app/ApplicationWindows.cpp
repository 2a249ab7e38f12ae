#include "ApplicationWindows.h"

#include "TfrmAboutTablevane.h"
#include "TfrmLanguageAndHelp.h"
#include "TfrmParameters.h"
#include "TfrmTablevane.h"

ApplicationWindows::ApplicationWindows(const Ports &ports, const OfficeBackends &backends,
                                       PreferencesModel &preferences, const QStringList &arguments)
    : m_main(std::make_unique<TfrmTablevane>(ports, backends, preferences, arguments))
{
    // The dialogs are children of the main window and live as long as it does.
    m_about = new TfrmAboutTablevane(m_main.get());
    m_parameters = new TfrmParameters(preferences, *ports.detection, *ports.messages, m_main->messages(), m_main.get());
    m_languageAndHelp = new TfrmLanguageAndHelp(m_main.get());
    m_main->setDialogs(m_about, m_parameters, m_languageAndHelp);
    TfrmTablevane *main = m_main.get();
    QObject::connect(m_parameters, &TfrmParameters::showing, main, &TfrmTablevane::ApplyOfficeAvailability);
    QObject::connect(m_parameters, &TfrmParameters::saveRequested, main, &TfrmTablevane::SaveProgramSettings);
    QObject::connect(m_parameters, &TfrmParameters::focusWorkPathRequested, main, &TfrmTablevane::focusWorkPath);
    QObject::connect(m_parameters, &TfrmParameters::officeChangeAccepted, main, &TfrmTablevane::ResetWorkChoice);
}

ApplicationWindows::~ApplicationWindows() = default;
