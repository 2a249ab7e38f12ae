#pragma once

#include "OfficeBackends.h"
#include "SetLoadHost.h"

#include <QString>

#include <optional>

class BackendHost;
class FormatSetModel;
class PreferencesModel;

// The sheet and pattern queries of the office chosen in the preferences, as the main
// window, the set-file loader and the headless batch use them.
class OfficeQueries : public SetLoadHost
{
public:
    OfficeQueries(const OfficeBackends &backends, BackendHost &host, FormatSetModel &formatSet,
                  const PreferencesModel &preferences);

    // A pattern document was picked: read its sheets; with one sheet read its widths
    // and select it, with several ask the user to pick one.
    void PatternFileChosen(const QString &path);
    // Sheet n (1-based) of the pattern list was picked: read its widths, show its name.
    void cmbSheetNumberChange(int n);
    // The name of sheet n (1-based) of a document, for "View sheet name"; the look-up
    // reports through the host it is given.
    std::optional<QString> viewSheetName(const QString &path, int n, BackendHost &host);

    // SetLoadHost
    QString message(int number) const override;
    void showMessage(const QString &text, MessageIcon icon) override;
    bool querySheets(const QString &patternFile) override;
    void patternSheetPicked(int n) override;
    QString queriedSheetName(int n) const override;
    int queriedSheetCount() const override;

private:
    OfficeBackend *backend() const;
    bool readWidths(const QString &path, int n);

    OfficeBackends m_backends;
    BackendHost &m_host;
    FormatSetModel &m_formatSet;
    const PreferencesModel &m_preferences;
};
