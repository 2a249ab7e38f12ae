#include "OfficeQueries.h"

#include "BackendHost.h"
#include "FormatSetModel.h"
#include "OfficeBackend.h"
#include "PreferencesModel.h"

OfficeQueries::OfficeQueries(const OfficeBackends &backends, BackendHost &host, FormatSetModel &formatSet,
                             const PreferencesModel &preferences)
    : m_backends(backends)
    , m_host(host)
    , m_formatSet(formatSet)
    , m_preferences(preferences)
{
}

OfficeBackend *OfficeQueries::backend() const
{
    return m_backends.forOffice(m_preferences.office());
}

void OfficeQueries::PatternFileChosen(const QString &path)
{
    m_formatSet.update([&](FormatSet &set) { set.PatternFile = path; });
    if (!querySheets(path))
        return;
    if (queriedSheetCount() >= 2) {
        showMessage(message(30) + QLatin1Char('\n') + message(31), MessageIcon::Warning);
        return;
    }
    if (!readWidths(path, 1) || m_formatSet.results().PatternColumnCount <= 0)
        return;
    const QString name = queriedSheetName(1);
    m_formatSet.update([&](FormatSet &set) {
        set.PatternSheet = 1;
        set.PatternSheetName = name;
    });
}

void OfficeQueries::cmbSheetNumberChange(int n)
{
    if (!readWidths(m_formatSet.set().PatternFile, n) || m_formatSet.results().PatternColumnCount == 0)
        return;
    const QString name = queriedSheetName(n);
    m_formatSet.update([&](FormatSet &set) { set.PatternSheetName = name; });
}

bool OfficeQueries::readWidths(const QString &path, int n)
{
    OfficeBackend *office = backend();
    if (!office)
        return false;
    // Excel counts sheets from 1, Calc from 0.
    office->readPatternWidths(path, m_preferences.office() == 0 ? n : n - 1, m_host);
    return true;
}

std::optional<QString> OfficeQueries::viewSheetName(const QString &path, int n, BackendHost &host)
{
    OfficeBackend *office = backend();
    if (!office)
        return std::nullopt;
    return office->viewSheetName(path, n, host);
}

QString OfficeQueries::message(int number) const
{
    return m_host.message(number);
}

void OfficeQueries::showMessage(const QString &text, MessageIcon icon)
{
    m_host.showMessage(text, icon);
}

bool OfficeQueries::querySheets(const QString &patternFile)
{
    OfficeBackend *office = backend();
    if (!office)
        return false;
    office->readSheetNames(patternFile, m_host);
    return true;
}

void OfficeQueries::patternSheetPicked(int n)
{
    cmbSheetNumberChange(n);
}

QString OfficeQueries::queriedSheetName(int n) const
{
    // The Excel query keeps names from position 1, the Calc query from position 0.
    const QStringList &names = m_formatSet.results().SheetNames;
    const int position = m_preferences.office() == 0 ? n : n - 1;
    return position >= 0 && position < names.size() ? names.at(position) : QString();
}

int OfficeQueries::queriedSheetCount() const
{
    return m_formatSet.results().SheetCount;
}
