#pragma once

#include "MessagePort.h"

#include <QTextStream>

// Message boxes of a run without a window: information goes to standard output,
// warnings and errors to standard error, each prefixed with the caption.
class ConsoleMessagePort : public MessagePort
{
public:
    ConsoleMessagePort(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}
    void showMessage(const QString &caption, const QString &text, MessageIcon icon) override;

private:
    QTextStream &m_out;
    QTextStream &m_err;
};
