#pragma once

#include "MessageIcon.h"

#include <QString>

// Shows a modal message box with one OK button and waits until it is closed.
class MessagePort
{
public:
    virtual ~MessagePort() = default;
    virtual void showMessage(const QString &caption, const QString &text, MessageIcon icon) = 0;
};
