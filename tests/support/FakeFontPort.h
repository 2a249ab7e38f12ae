#pragma once

#include "FontPort.h"

// A fixed list of installed font families.
class FakeFontPort : public FontPort
{
public:
    explicit FakeFontPort(QStringList families = {}) : families(std::move(families)) {}
    QStringList installedFamilies() override { return families; }

    QStringList families;
};
