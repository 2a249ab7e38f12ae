#include "RecordingBackendHost.h"

void RecordingBackendHost::showMessage(const QString &text, MessageIcon icon)
{
    messages.append({text, icon});
    events.append(QStringLiteral("message"));
}

void RecordingBackendHost::writeLogLine(const QString &first, const QString &second)
{
    logLines.append({first, second});
    events.append(QStringLiteral("log"));
}

void RecordingBackendHost::setProblemLogged()
{
    problemLogged = true;
    events.append(QStringLiteral("problem"));
}

void RecordingBackendHost::reportProgress(int position, int count, ProgressWording wording)
{
    progress.append({position, count, wording});
    events.append(QStringLiteral("progress"));
}

void RecordingBackendHost::setSheetNumberItems(int count)
{
    sheetNumberItems.clear();
    for (int i = 1; i <= count; ++i)
        sheetNumberItems.append(QString::number(i));
    sheetNumberSelected = false;
    events.append(QStringLiteral("sheetNumberItems"));
}

void RecordingBackendHost::clearSheetNumberSelection()
{
    sheetNumberSelected = false;
    events.append(QStringLiteral("clearSheetNumberSelection"));
}

void RecordingBackendHost::setPatternSheetName(const QString &name)
{
    patternSheetName = name;
    events.append(QStringLiteral("patternSheetName"));
}

void RecordingBackendHost::clearPatternFileField()
{
    patternFileCleared = true;
    events.append(QStringLiteral("clearPatternFileField"));
}

void RecordingBackendHost::chooseAutoWidths()
{
    autoWidthsChosen = true;
    events.append(QStringLiteral("chooseAutoWidths"));
}

void RecordingBackendHost::restartPatternChoice()
{
    patternChoiceRestarted = true;
    events.append(QStringLiteral("restartPatternChoice"));
}
