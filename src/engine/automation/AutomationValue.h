#pragma once

#include <string>
#include <utility>

// The variant types an automation value can arrive as, by their numbers.
enum class VariantType : unsigned short {
    Empty = 0,
    Null = 1,
    Integer = 3,
    Number = 5,
    Currency = 6,
    Date = 7,
    Text = 8,
    Error = 10,
    Boolean = 11,
};

// A value as an automation call hands it over or takes it: its variant type and the
// value converted to text ("" for an empty cell; an error value reads as the text the
// cell shows, never as "").
struct AutomationValue
{
    VariantType type = VariantType::Empty;
    std::wstring text;

    static AutomationValue null() { return {VariantType::Null, {}}; }
    static AutomationValue fromText(std::wstring text) { return {VariantType::Text, std::move(text)}; }
    static AutomationValue fromNumber(std::wstring text) { return {VariantType::Number, std::move(text)}; }

    bool operator==(const AutomationValue &) const = default;
};
