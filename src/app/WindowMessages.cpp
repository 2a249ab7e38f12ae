#include "WindowMessages.h"

#include "MessagePort.h"
#include "MessageTable.h"

QString WindowMessages::text(int number) const
{
    return m_table.text(number);
}

void WindowMessages::show(const QString &text, MessageIcon icon) const
{
    m_port.showMessage(QStringLiteral("Tablevane"), text, icon);
}
