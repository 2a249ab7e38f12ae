#pragma once

#include "FontPort.h"

// The installed families from QFontDatabase, plus each standard document font whose
// metric-compatible twin is installed (fontconfig already substitutes them), so that
// documents can name "Times New Roman" or "Arial" on a desktop that has their twins.
class QtFontPort : public FontPort
{
public:
    QStringList installedFamilies() override;

    static QStringList withMetricTwins(const QStringList &families);
};
