#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, int columns, QWidget *parent)
    : QGroupBox(caption, parent)
    , m_group(new QButtonGroup(this))
    , m_columns(columns)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(5, 2, 5, 4);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(2);
    const int rows = (items.size() + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items.at(i), this);
        m_group->addButton(button, i);
        m_buttons.append(button);
        // Items run down each column first, as in a classic radio group.
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroup::itemPicked);
}

void RadioGroup::itemPicked(int index)
{
    if (index == m_selected)
        return;
    m_selected = index;
    emit itemClicked(index);
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    m_selected = index >= 0 && index < m_buttons.size() ? index : -1;
    if (index == itemIndex())
        return;
    if (index >= 0 && index < m_buttons.size()) {
        m_buttons.at(index)->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last button by itself.
    m_group->setExclusive(false);
    for (QRadioButton *button : m_buttons)
        button->setChecked(false);
    m_group->setExclusive(true);
}

void RadioGroup::setItemEnabled(int index, bool enabled)
{
    if (index >= 0 && index < m_buttons.size())
        m_buttons.at(index)->setEnabled(enabled);
}

bool RadioGroup::itemEnabled(int index) const
{
    return index >= 0 && index < m_buttons.size() && m_buttons.at(index)->isEnabled();
}

QRadioButton *RadioGroup::item(int index) const
{
    return m_buttons.value(index, nullptr);
}

void RadioGroup::addSideWidget(QWidget *widget)
{
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->addWidget(widget, 0, m_columns, grid->rowCount(), 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnStretch(m_columns, 1);
}
