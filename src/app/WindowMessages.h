#pragma once

#include "MessageIcon.h"

#include <QString>

class MessagePort;
class MessageTable;

// The main window's message boxes: every one carries the caption "Tablevane" and texts
// of the message table.
class WindowMessages
{
public:
    WindowMessages(MessagePort &port, const MessageTable &table) : m_port(port), m_table(table) {}

    QString text(int number) const;
    void show(const QString &text, MessageIcon icon) const;

private:
    MessagePort &m_port;
    const MessageTable &m_table;
};
