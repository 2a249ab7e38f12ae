#pragma once

#include "LanguageKeyTable.h"

#include <QString>

class FileDialogTexts;
class FormatSetView;
class MessageTable;
class QObject;
class QWidget;

// The windows' side of the language key table: reads and writes the text of one target
// (a caption, hint, list item, window title, file-dialog title or filter, run caption)
// found by window and object name. A target whose object does not exist is passed over.
class LanguageTargets
{
public:
    struct Windows
    {
        QWidget *main = nullptr;
        QWidget *preferences = nullptr;
        QWidget *languageAndHelp = nullptr;
        QWidget *about = nullptr;
    };

    LanguageTargets(const Windows &windows, FileDialogTexts &dialogs, MessageTable &messages, FormatSetView *view);

    QString text(const TextTarget &target) const;
    void setText(const TextTarget &target, const QString &text);
    // Tells every window that its texts changed, so that it can make room for them
    // (never more than the screen has).
    void announceLanguageChange();

private:
    QWidget *window(TextWindow which) const;
    QObject *object(const TextTarget &target) const;
    bool isPatternHint(const TextTarget &target) const;
    static void boundToScreen(QWidget *window);

    Windows m_windows;
    FileDialogTexts &m_dialogs;
    MessageTable &m_messages;
    FormatSetView *m_view;
};
