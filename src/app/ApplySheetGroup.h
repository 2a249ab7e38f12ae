#pragma once

#include <QObject>

class BackendHost;
class MainWindowUi;
class OfficeQueries;
class RunController;

// The sheet to treat ("Apply to..."): the sheet number field selects its whole text when
// it is entered or clicked, so that a typed number replaces it, and "View sheet name"
// shows the name of that sheet of the first document chosen.
class ApplySheetGroup : public QObject
{
    Q_OBJECT

public:
    ApplySheetGroup(MainWindowUi &ui, RunController &run, OfficeQueries &queries, BackendHost &host,
                    QObject *parent = nullptr);

    void edtApplySheetClick();
    void edtApplySheetEnter();
    void btnViewSheetNameClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString firstDocument() const;
    void showSheetName(const QString &name);

    MainWindowUi &m_ui;
    RunController &m_run;
    OfficeQueries &m_queries;
    BackendHost &m_host;
};
