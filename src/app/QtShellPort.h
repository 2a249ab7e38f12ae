#pragma once

#include "ShellPort.h"

// The desktop's default applications through QDesktopServices.
class QtShellPort : public ShellPort
{
public:
    void openInEditor(const QString &path) override;
    void showHelpContents(const QString &helpFile) override;
};
