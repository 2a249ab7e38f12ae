#pragma once

#include <QValidator>

// Holds a range combo's text to its characters whichever way the text arrives (typed,
// pasted, dropped): column combos keep the letters A to Z, raising lower-case ones,
// row combos keep the digits. Anything else is dropped rather than refused, so that a
// pasted "a1b" becomes "AB".
class RangeTextValidator : public QValidator
{
    Q_OBJECT

public:
    enum class Kind { Column, Row };

    explicit RangeTextValidator(Kind kind, QObject *parent = nullptr) : QValidator(parent), m_kind(kind) {}

    State validate(QString &input, int &position) const override;

    // Whether a typed character belongs to this kind (before raising it to upper case).
    bool admits(QChar character) const;

private:
    Kind m_kind;
};
