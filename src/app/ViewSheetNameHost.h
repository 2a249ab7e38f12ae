#pragma once

#include "BackendHost.h"

#include <functional>

// The host of one "View sheet name" look-up. It passes everything on to the window's
// host, but a missing sheet is reported with the sheet number as the user typed it
// ("007", or nothing) rather than as the back-end read it, and the sheet name shown
// so far is cleared before that message appears.
class ViewSheetNameHost : public BackendHost
{
public:
    ViewSheetNameHost(BackendHost &host, const QString &typedSheet, std::function<void()> clearSheetName);

    QString message(int number) const override { return m_host.message(number); }
    void showMessage(const QString &text, MessageIcon icon) override;
    void writeLogLine(const QString &first, const QString &second) override { m_host.writeLogLine(first, second); }
    void setProblemLogged() override { m_host.setProblemLogged(); }
    void reportProgress(int position, int count, ProgressWording wording) override
    {
        m_host.reportProgress(position, count, wording);
    }
    void notice(const QString &text) override { m_host.notice(text); }
    QueryResults &queryResults() override { return m_host.queryResults(); }
    int maxScanColumns() const override { return m_host.maxScanColumns(); }
    void setSheetNumberItems(int count) override { m_host.setSheetNumberItems(count); }
    void clearSheetNumberSelection() override { m_host.clearSheetNumberSelection(); }
    void setPatternSheetName(const QString &name) override { m_host.setPatternSheetName(name); }
    void clearPatternFileField() override { m_host.clearPatternFileField(); }
    void chooseAutoWidths() override { m_host.chooseAutoWidths(); }
    void restartPatternChoice() override { m_host.restartPatternChoice(); }

private:
    BackendHost &m_host;
    QString m_typedSheet;
    std::function<void()> m_clearSheetName;
};
