#pragma once

#include "MessagePort.h"

#include <QList>
#include <QString>
#include <functional>

// Records every message box instead of showing it. A hook may run while a box is
// "open", for what a user would do before closing it.
class FakeMessagePort : public MessagePort
{
public:
    struct Shown
    {
        QString caption;
        QString text;
        MessageIcon icon;
    };

    void showMessage(const QString &caption, const QString &text, MessageIcon icon) override;

    QList<Shown> shown;
    std::function<void(const Shown &)> onShow;

    QStringList texts() const;
    void clear() { shown.clear(); }
};
