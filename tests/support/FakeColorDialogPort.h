#pragma once

#include "ColorDialogPort.h"

#include <QList>

// Answers each colour dialog with the next queued colour; nothing queued is a cancel.
class FakeColorDialogPort : public ColorDialogPort
{
public:
    std::optional<quint32> pickColor(quint32 initial) override
    {
        ++opened;
        lastInitial = initial;
        if (m_answers.isEmpty())
            return std::nullopt;
        return m_answers.takeFirst();
    }

    void setNextColor(std::optional<quint32> color) { m_answers.append(color); }

    int opened = 0;
    quint32 lastInitial = 0;

private:
    QList<std::optional<quint32>> m_answers;
};
