#pragma once

#include "RangeGrid.h"

#include <QObject>

#include <functional>

class MainWindowUi;
class QComboBox;
class QKeyEvent;
class RangeTextValidator;
class WindowMessages;

// The input rules of the four range combos. Column combos take the letters A to Z
// (typed letters raised to upper case), row combos the digits. When a key is released
// an emptied combo gets its first value ("A" or "1") and a value past the grid of the
// chosen office is reported ("Too many value") and selected for correction; the report
// is given once until the next key press. Leaving a combo replaces a value it cannot
// use by its first value, without a message.
class RangeComboRules : public QObject
{
    Q_OBJECT

public:
    RangeComboRules(MainWindowUi &ui, std::function<RangeGrid()> grid, const WindowMessages &messages,
                    QObject *parent = nullptr);

    // The reactions of each combo; a key-press reaction returns whether it consumed the key.
    bool cmbLetterLeftKeyPress(QKeyEvent *event) { return keyPress(m_combos[0], event); }
    void cmbLetterLeftKeyUp() { keyUp(m_combos[0]); }
    void cmbLetterLeftExit() { exit(m_combos[0]); }
    bool cmbLetterRightKeyPress(QKeyEvent *event) { return keyPress(m_combos[1], event); }
    void cmbLetterRightKeyUp() { keyUp(m_combos[1]); }
    void cmbLetterRightExit() { exit(m_combos[1]); }
    bool cmbTopDigitKeyPress(QKeyEvent *event) { return keyPress(m_combos[2], event); }
    void cmbTopDigitKeyUp() { keyUp(m_combos[2]); }
    void cmbTopDigitExit() { exit(m_combos[2]); }
    bool cmbBottomDigitKeyPress(QKeyEvent *event) { return keyPress(m_combos[3], event); }
    void cmbBottomDigitKeyUp() { keyUp(m_combos[3]); }
    void cmbBottomDigitExit() { exit(m_combos[3]); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Combo
    {
        QComboBox *combo = nullptr;
        RangeTextValidator *validator = nullptr;
        bool column = true;
        bool releaseCheck = true;   // off after a report, until the next key press
    };

    void watch(Combo &entry, QComboBox *combo, bool column);
    bool keyPress(Combo &entry, QKeyEvent *event);
    void keyUp(Combo &entry);
    void exit(Combo &entry);
    bool tooLarge(const Combo &entry) const;
    void replace(Combo &entry, bool select);

    std::function<RangeGrid()> m_grid;
    const WindowMessages &m_messages;
    Combo m_combos[4];
};
