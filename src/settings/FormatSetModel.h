#pragma once

#include "FormatSet.h"
#include "QueryResults.h"

#include <QObject>
#include <QStringList>

#include <functional>

// The state of the main window's formatting controls and the rules between them that
// open no dialog. The window shows it and writes the user's input into it; the set
// files, the APA preset, the office queries and the headless batch work on it directly.
class FormatSetModel : public QObject
{
    Q_OBJECT

public:
    explicit FormatSetModel(QObject *parent = nullptr);

    const FormatSet &set() const { return m_set; }
    void setSet(const FormatSet &set);
    // Applies a change and announces it once.
    void update(const std::function<void(FormatSet &)> &change);

    // The font list (FillFontList): rebuilt from the installed families, the default
    // font selected.
    const QStringList &fontList() const { return m_fontList; }
    void FillFontList(const QStringList &installedFamilies);
    int fontPosition() const;          // position of FontName in the list, -1 when none
    void selectFontAt(int position);   // a position outside the list selects nothing

    // The pattern sheet list: items "1" to the count, PatternSheet the selected one.
    int sheetItemCount() const { return m_sheetItemCount; }
    void setSheetItems(int count);     // refilled with nothing selected

    QueryResults &results() { return m_results; }
    const QueryResults &results() const { return m_results; }

    // The "Auto" widths reaction: check Auto, clear the pattern file, its sheet name,
    // the selection and the items of the sheet list.
    void chooseAutoWidths();
    // Asks the window to start the pattern file choice again (it opens a dialog).
    void restartPatternChoice();

    // Interleave: the colour last accepted in the colour dialog (0 until one is) and
    // the choice the window returns to when the dialog is cancelled.
    quint32 pickedInterleaveColor() const { return m_pickedInterleaveColor; }
    void setPickedInterleaveColor(quint32 color) { m_pickedInterleaveColor = color; }
    int lastInterleaveChoice() const { return m_lastInterleaveChoice; }
    void setLastInterleaveChoice(int choice) { m_lastInterleaveChoice = choice; }
    // The last step of the interleave reaction: paint the picked colour, or, while no
    // colour has been picked, fall back from lines or columns to "No interleave".
    void finishInterleaveChoice();

    // The APA style preset, applied or released by the check mark in APAStyle.
    void ApplyAPAStyle();
    bool apaMenuEnabled() const { return m_apaMenuEnabled; }
    // Whether the preset holds the thirteen controls it locks.
    bool apaLocked() const { return m_apaLocked; }

signals:
    void changed();
    void patternChoiceRestartRequested();

private:
    FormatSet m_set;
    QStringList m_fontList;
    int m_sheetItemCount = 0;
    QueryResults m_results;
    quint32 m_pickedInterleaveColor = 0;
    int m_lastInterleaveChoice = 0;
    bool m_apaMenuEnabled = true;
    bool m_apaLocked = false;
};
