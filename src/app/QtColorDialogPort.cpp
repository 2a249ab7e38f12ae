#include "QtColorDialogPort.h"

#include <QColorDialog>

QColor QtColorDialogPort::toQColor(quint32 windowsColor)
{
    return QColor(windowsColor & 0xFF, (windowsColor >> 8) & 0xFF, (windowsColor >> 16) & 0xFF);
}

quint32 QtColorDialogPort::fromQColor(const QColor &color)
{
    return static_cast<quint32>(color.red()) | (static_cast<quint32>(color.green()) << 8)
        | (static_cast<quint32>(color.blue()) << 16);
}

std::optional<quint32> QtColorDialogPort::pickColor(quint32 initial)
{
    const QColor chosen = QColorDialog::getColor(toQColor(initial), m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}
