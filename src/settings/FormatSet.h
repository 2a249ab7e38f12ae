#pragma once

#include <QString>
#include <QtGlobal>

// Every formatting choice of the main window. The defaults are those of a freshly
// created window (the font name is filled in from the font list when it is built).
// Colours are Windows colour values 0x00BBGGRR.
struct FormatSet
{
    int Orientation = 0;        // 0 portrait, 1 landscape, 2 as is, -1 none selected
    bool FontAsIs = true;
    QString FontName;           // empty when no entry of the font list is selected
    QString FontSize = QStringLiteral("10");
    bool Bold = false;
    bool Italic = false;
    quint32 FontColor = 0x000000;
    int InterLeave = 0;         // 0 none, 1 lines, 2 columns, 3 as is, -1 none selected
    quint32 InterLeaveColor = 0xFFFFFF;
    bool WidthByPattern = false;
    QString PatternFile;
    int PatternSheet = -1;      // 1-based item of the pattern sheet list, -1 when none is selected
    QString PatternSheetName;
    bool WordWrap = true;
    bool Borders = true;
    bool FName = false;
    bool BoldLeftFirst = false;
    bool BoldLastRight = false;
    bool BoldTopLine = true;
    bool BoldLastLine = false;
    bool PageNumeration = false;
    bool RepHeader = false;
    bool Log = true;
    QString ApplySheet = QStringLiteral("1");
    bool ApplyForAll = false;
    bool RangeAuto = true;
    QString LeftColumn = QStringLiteral("A");
    QString RightColumn = QStringLiteral("A");
    QString TopDigit = QStringLiteral("1");
    QString BottomDigit = QStringLiteral("1");
    bool APAStyle = false;

    bool operator==(const FormatSet &) const = default;
};
