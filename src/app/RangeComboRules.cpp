#include "RangeComboRules.h"

#include "MainWindowUi.h"
#include "RangeTextValidator.h"
#include "WindowMessages.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

RangeComboRules::RangeComboRules(MainWindowUi &ui, std::function<RangeGrid()> grid, const WindowMessages &messages,
                                 QObject *parent)
    : QObject(parent)
    , m_grid(std::move(grid))
    , m_messages(messages)
{
    watch(m_combos[0], ui.cmbLetterLeft, true);
    watch(m_combos[1], ui.cmbLetterRight, true);
    watch(m_combos[2], ui.cmbTopDigit, false);
    watch(m_combos[3], ui.cmbBottomDigit, false);
}

void RangeComboRules::watch(Combo &entry, QComboBox *combo, bool column)
{
    entry.combo = combo;
    entry.column = column;
    entry.validator = new RangeTextValidator(column ? RangeTextValidator::Kind::Column : RangeTextValidator::Kind::Row,
                                             combo);
    combo->setValidator(entry.validator);
    // Keys and focus reach an editable combo first; it hands them to its line edit.
    combo->installEventFilter(this);
}

namespace {

// The reactions of each combo, in the order of the combos.
struct Reactions
{
    bool (RangeComboRules::*keyPress)(QKeyEvent *);
    void (RangeComboRules::*keyUp)();
    void (RangeComboRules::*exit)();
};

constexpr Reactions kReactions[4] = {
    {&RangeComboRules::cmbLetterLeftKeyPress, &RangeComboRules::cmbLetterLeftKeyUp, &RangeComboRules::cmbLetterLeftExit},
    {&RangeComboRules::cmbLetterRightKeyPress, &RangeComboRules::cmbLetterRightKeyUp,
     &RangeComboRules::cmbLetterRightExit},
    {&RangeComboRules::cmbTopDigitKeyPress, &RangeComboRules::cmbTopDigitKeyUp, &RangeComboRules::cmbTopDigitExit},
    {&RangeComboRules::cmbBottomDigitKeyPress, &RangeComboRules::cmbBottomDigitKeyUp,
     &RangeComboRules::cmbBottomDigitExit},
};

} // namespace

bool RangeComboRules::eventFilter(QObject *watched, QEvent *event)
{
    int index = 0;
    while (index < 4 && m_combos[index].combo != watched)
        ++index;
    if (index == 4)
        return QObject::eventFilter(watched, event);
    const Reactions &reactions = kReactions[index];
    switch (event->type()) {
    case QEvent::KeyPress:
        return (this->*reactions.keyPress)(static_cast<QKeyEvent *>(event));
    case QEvent::KeyRelease:
        (this->*reactions.keyUp)();
        break;
    case QEvent::FocusOut: {
        // A message box or the combo's own list taking the focus is no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            (this->*reactions.exit)();
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool RangeComboRules::keyPress(Combo &entry, QKeyEvent *event)
{
    entry.releaseCheck = true;
    // Printable characters outside the combo's set are dropped; editing keys and
    // shortcuts (paste included, held by the validator) pass.
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint())
        return false;
    return !entry.validator->admits(text.at(0));
}

void RangeComboRules::keyUp(Combo &entry)
{
    if (!entry.releaseCheck)
        return;
    if (entry.combo->currentText().isEmpty())
        replace(entry, true);
    if (tooLarge(entry)) {
        m_messages.show(m_messages.text(1), MessageIcon::Information);
        entry.releaseCheck = false;
        entry.combo->lineEdit()->selectAll();
    }
}

void RangeComboRules::exit(Combo &entry)
{
    entry.releaseCheck = true;
    const QString text = entry.combo->currentText();
    const RangeGrid grid = m_grid();
    // An emptied combo (by the mouse or a paste of nothing it admits) would fail every
    // document of a run, as a row before the first would.
    const bool unusable = entry.column ? text.isEmpty() || grid.columnTooLarge(text) : grid.rowUnusable(text);
    if (unusable)
        replace(entry, false);
}

bool RangeComboRules::tooLarge(const Combo &entry) const
{
    const QString text = entry.combo->currentText();
    const RangeGrid grid = m_grid();
    return entry.column ? grid.columnTooLarge(text) : grid.rowTooLarge(text);
}

void RangeComboRules::replace(Combo &entry, bool select)
{
    entry.combo->setEditText(entry.column ? QStringLiteral("A") : QStringLiteral("1"));
    if (select)
        entry.combo->lineEdit()->selectAll();
}
