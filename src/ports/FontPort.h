#pragma once

#include <QStringList>

// The installed font families, in no particular order.
class FontPort
{
public:
    virtual ~FontPort() = default;
    virtual QStringList installedFamilies() = 0;
};
