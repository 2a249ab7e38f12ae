#pragma once

#include <QtGlobal>

#include <optional>

// Colours travel as Windows colour values 0x00BBGGRR (red in the low byte).
class ColorDialogPort
{
public:
    virtual ~ColorDialogPort() = default;
    // The accepted colour, or nothing when the dialog is cancelled.
    virtual std::optional<quint32> pickColor(quint32 initial) = 0;
};
