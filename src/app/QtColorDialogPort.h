#pragma once

#include "ColorDialogPort.h"

#include <QColor>

class QWidget;

// Colour choice through QColorDialog, converting to and from Windows colour values.
class QtColorDialogPort : public ColorDialogPort
{
public:
    explicit QtColorDialogPort(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParentWindow(QWidget *parent) { m_parent = parent; }
    std::optional<quint32> pickColor(quint32 initial) override;

    static QColor toQColor(quint32 windowsColor);
    static quint32 fromQColor(const QColor &color);

private:
    QWidget *m_parent;
};
