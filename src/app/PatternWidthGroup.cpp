#include "PatternWidthGroup.h"

#include "FileDialogPort.h"
#include "FileDialogTexts.h"
#include "FormatSetModel.h"
#include "MainWindowUi.h"
#include "OfficeQueries.h"
#include "PreferencesModel.h"

#include <QComboBox>
#include <QRadioButton>

PatternWidthGroup::PatternWidthGroup(MainWindowUi &ui, FormatSetModel &formatSet, OfficeQueries &queries,
                                     FileDialogPort &files, const PreferencesModel &preferences,
                                     const FileDialogTexts &dialogs, const QString &dialogStartFolder,
                                     QObject *parent)
    : QObject(parent)
    , m_formatSet(formatSet)
    , m_queries(queries)
    , m_files(files)
    , m_preferences(preferences)
    , m_dialogs(dialogs)
    , m_dialogStartFolder(dialogStartFolder)
{
    connect(ui.rbAuto, &QRadioButton::clicked, this, &PatternWidthGroup::rbAutoClick);
    connect(ui.rbByPattern, &QRadioButton::clicked, this, &PatternWidthGroup::rbByPatternClick);
    connect(ui.cmbSheetNumber, &QComboBox::activated, this, &PatternWidthGroup::cmbSheetNumberChange);
    connect(&m_formatSet, &FormatSetModel::patternChoiceRestartRequested, this, &PatternWidthGroup::rbByPatternClick);
}

void PatternWidthGroup::rbAutoClick()
{
    m_formatSet.chooseAutoWidths();
}

void PatternWidthGroup::rbByPatternClick()
{
    static const QList<QPair<QString, QString>> dialogs = {
        {QStringLiteral("OpenDlgPatternXLS"), QStringLiteral("xls")},
        {QStringLiteral("OpenDlgPatternODS"), QString()},
        {QStringLiteral("OpenDlgPatternXLSX"), QString()},
    };
    const auto dialog = dialogs.value(m_preferences.extension(), dialogs.constFirst());
    FileDialogSpec request = m_dialogs.request(dialog.first);
    request.initialFolder = m_dialogStartFolder;
    request.defaultSuffix = dialog.second;
    // A cancelled second choice keeps the earlier pattern with its widths, rather than
    // leaving a pattern shown whose widths are gone.
    const FormatSet before = m_formatSet.set();
    const QueryResults beforeResults = m_formatSet.results();
    const int beforeItems = m_formatSet.sheetItemCount();
    m_formatSet.update([](FormatSet &set) { set.WidthByPattern = true; });
    const QString path = m_files.openFile(request);
    if (!path.isEmpty()) {
        m_formatSet.results().PatternColumnCount = 0;
        m_formatSet.update([](FormatSet &set) {
            set.PatternSheet = -1;
            set.PatternSheetName.clear();
        });
        m_queries.PatternFileChosen(path);
        return;
    }
    if (before.WidthByPattern && !before.PatternFile.isEmpty()) {
        m_formatSet.setSheetItems(beforeItems);
        m_formatSet.results() = beforeResults;
        m_formatSet.setSet(before);
        return;
    }
    m_formatSet.chooseAutoWidths();
}

void PatternWidthGroup::cmbSheetNumberChange(int index)
{
    const int n = index + 1;
    m_formatSet.update([&](FormatSet &set) { set.PatternSheet = n; });
    m_queries.cmbSheetNumberChange(n);
}
