#pragma once

#include <QObject>
#include <QStringList>

class FormatSetModel;
class MainWindowUi;
class QWidget;

// Shows the formatting model in the main window's controls and writes what the user
// types, ticks and picks back into it. Enabled states follow the model's rules (font
// as is, APA preset, all sheets, automatic range) unless the whole window is locked.
// Reactions that open dialogs are the window's.
class FormatSetView : public QObject
{
    Q_OBJECT

public:
    FormatSetView(MainWindowUi &ui, FormatSetModel &model, QObject *parent = nullptr);

    void refresh();
    void setLocked(bool locked);
    // The pattern field's hint while no pattern is chosen (with one it names the file).
    QString patternHint() const { return m_patternHint; }
    void setPatternHint(const QString &hint);

private:
    void connectChecks();
    void connectTexts();
    void refreshValues();
    void refreshSheetItems();
    void refreshEnabled();
    void setEnabled(QWidget *widget, bool enabled);

    MainWindowUi &m_ui;
    FormatSetModel &m_model;
    QStringList m_shownFonts;
    QString m_patternHint;
    bool m_locked = false;
};
