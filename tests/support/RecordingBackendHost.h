#pragma once

#include "BackendHost.h"
#include "MessageTable.h"

#include <QList>
#include <QPair>
#include <QStringList>

// A back-end host that records what a back-end did to the log, the run, the progress
// display, the message boxes and the pattern controls. Messages come from the built-in
// English message table. events lists every call in order, for tests where the order
// is what matters.
class RecordingBackendHost : public BackendHost
{
public:
    struct Progress
    {
        int position = 0;
        int count = 0;
        ProgressWording wording = ProgressWording::Calc;
    };
    struct Shown
    {
        QString text;
        MessageIcon icon = MessageIcon::Information;
    };

    QString message(int number) const override { return m_messages.text(number); }
    void showMessage(const QString &text, MessageIcon icon) override;
    void writeLogLine(const QString &first, const QString &second) override;
    void setProblemLogged() override;
    void reportProgress(int position, int count, ProgressWording wording) override;
    void notice(const QString &text) override { notices.append(text); }
    QueryResults &queryResults() override { return results; }
    int maxScanColumns() const override { return maxColumns; }
    void setSheetNumberItems(int count) override;
    void clearSheetNumberSelection() override;
    void setPatternSheetName(const QString &name) override;
    void clearPatternFileField() override;
    void chooseAutoWidths() override;
    void restartPatternChoice() override;

    QList<QPair<QString, QString>> logLines;
    bool problemLogged = false;
    QList<Progress> progress;
    QList<Shown> messages;
    QStringList notices;
    QueryResults results;
    int maxColumns = 256;

    // The pattern controls as the back-end left them.
    QStringList sheetNumberItems;
    bool sheetNumberSelected = true;
    QString patternSheetName = QStringLiteral("(untouched)");
    bool patternFileCleared = false;
    bool autoWidthsChosen = false;
    bool patternChoiceRestarted = false;

    QStringList events;

private:
    MessageTable m_messages;
};
