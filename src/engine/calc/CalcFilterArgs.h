#pragma once

#include <QString>

#include <optional>

// The property list of a store: "FilterName" and, for some filters, "FilterOptions".
struct CalcFilterArgs
{
    QString filterName;
    std::optional<QString> filterOptions;

    bool operator==(const CalcFilterArgs &) const = default;
};
