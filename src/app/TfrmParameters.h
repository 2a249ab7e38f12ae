#pragma once

#include "PreferencesModel.h"

#include <QDialog>

class KeptRunsGroup;
class MessagePort;
class MessageTable;
class OfficeDetectionPort;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class RadioGroup;

// The Preferences dialog: which office does the work, which documents a run takes,
// how results are stored. It shows the preferences model and writes the user's
// choices into it; creating it detects the installed office suites.
class TfrmParameters : public QDialog
{
    Q_OBJECT

public:
    TfrmParameters(PreferencesModel &model, OfficeDetectionPort &detection, MessagePort &messages,
                   const MessageTable &table, QWidget *parent = nullptr);

    PreferencesModel &model() { return m_model; }

    void btnOkClick();
    void btnCancelClick();
    void done(int result) override;

signals:
    // Showing runs the office availability rule of the main window first.
    void showing();
    void saveRequested();
    void focusWorkPathRequested();
    // OK after the office choice changed: the main window drops its path and pattern.
    void officeChangeAccepted();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate(OfficeDetectionPort &detection);
    void buildControls();
    void connectControls();
    void refresh();
    void refreshList(QComboBox *combo, const QStringList &items, int selected);
    void markUnavailableSaveAs();

    PreferencesModel &m_model;
    MessagePort &m_messages;
    const MessageTable &m_table;
    PreferencesModel::Snapshot m_snapshot;

    RadioGroup *rgbSelectOffice = nullptr;
    RadioGroup *rgbTakeExt = nullptr;
    QLabel *lblSaveAs = nullptr;
    QComboBox *cmbSaveAs = nullptr;
    QCheckBox *chkDocTable = nullptr;
    QLabel *lblCoding = nullptr;
    QComboBox *cmbCoding = nullptr;
    QLabel *lblFieldDelimiter = nullptr;
    QComboBox *cmbFieldDelimiter = nullptr;
    QLabel *lblTextDelimiter = nullptr;
    QComboBox *cmbTextDelimiter = nullptr;
    QCheckBox *chkFixedWidth = nullptr;
    KeptRunsGroup *grbKeptRuns = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
};
