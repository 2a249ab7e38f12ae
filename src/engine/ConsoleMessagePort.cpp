#include "ConsoleMessagePort.h"

void ConsoleMessagePort::showMessage(const QString &caption, const QString &text, MessageIcon icon)
{
    QTextStream &stream = icon == MessageIcon::Information ? m_out : m_err;
    QString flat = text;
    flat.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
    stream << caption << ": " << flat.trimmed() << Qt::endl;
}
