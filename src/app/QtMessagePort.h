#pragma once

#include "MessagePort.h"

class QWidget;

// Message boxes through QMessageBox, modal over the given window.
class QtMessagePort : public MessagePort
{
public:
    explicit QtMessagePort(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParentWindow(QWidget *parent) { m_parent = parent; }
    void showMessage(const QString &caption, const QString &text, MessageIcon icon) override;

private:
    QWidget *m_parent;
};
