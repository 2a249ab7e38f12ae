#include "FakeMessagePort.h"

void FakeMessagePort::showMessage(const QString &caption, const QString &text, MessageIcon icon)
{
    shown.append({caption, text, icon});
    if (onShow)
        onShow(shown.last());
}

QStringList FakeMessagePort::texts() const
{
    QStringList result;
    for (const Shown &message : shown)
        result.append(message.text);
    return result;
}
