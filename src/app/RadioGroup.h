#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio buttons with one selected item (or none, -1), laid out
// in a number of columns.
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString &caption, const QStringList &items, int columns, QWidget *parent = nullptr);

    int itemIndex() const;
    // Selects an item, or none for -1, without announcing it.
    void setItemIndex(int index);
    void setItemEnabled(int index, bool enabled);
    bool itemEnabled(int index) const;
    QRadioButton *item(int index) const;
    int count() const { return m_buttons.size(); }
    // Places a widget to the right of the items, inside the group's frame.
    void addSideWidget(QWidget *widget);

signals:
    // The user picked another item; a click on the selected item is no change.
    void itemClicked(int index);

private:
    void itemPicked(int index);

    QButtonGroup *m_group;
    int m_selected = -1;
    int m_columns;
    QList<QRadioButton *> m_buttons;
};
