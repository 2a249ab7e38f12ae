#pragma once

#include <QString>

// What the office says a cell holds (the cell's "type").
enum class CalcCellType { Empty = 0, Value = 1, Text = 2, Formula = 3 };

// One cell read on its own: its type, its number and its text ("string"; for a
// formula the text of its result).
struct CalcCell
{
    CalcCellType type = CalcCellType::Empty;
    double value = 0.0;
    QString string;
};

// One cell of a bulk read of values: a number (also the numeric result of a formula),
// a text (an empty cell reads as the empty text), or an error result of a formula.
struct CalcCellContent
{
    enum class Kind { Text, Number, Error };

    Kind kind = Kind::Text;
    double number = 0.0;
    QString text;

    static CalcCellContent fromText(const QString &text) { return {Kind::Text, 0.0, text}; }
    static CalcCellContent fromNumber(double number) { return {Kind::Number, number, {}}; }
    static CalcCellContent error() { return {Kind::Error, 0.0, {}}; }

    // Whether the automatic range scan counts the cell: a number always (also 0), a
    // text when it is not empty, an error result because its shown text is not empty.
    bool counts() const { return kind != Kind::Text || !text.isEmpty(); }
};
