// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QList>
#include <QObject>
#include <QRadioButton>
#include <QStringList>

namespace dipo {

// Radio buttons that form one group with at most one marked. chosen() is emitted only
// when the user marks a button that was not marked (mouse, or arrow keys within the
// group); a click on the marked one and the program's own changes emit nothing.
class RadioSet : public QObject
{
    Q_OBJECT

public:
    explicit RadioSet(QObject *parent = nullptr);

    void addButton(QRadioButton *button);
    const QList<QRadioButton *> &buttons() const { return m_buttons; }

    int checkedIndex() const;            // -1 for none
    void setCheckedIndex(int index);     // the program's change: emits nothing
    void clearSelection() { setCheckedIndex(-1); }

signals:
    void chosen(int index);

private:
    void onToggled(QRadioButton *button, bool checked);

    QButtonGroup m_group;
    QList<QRadioButton *> m_buttons;
    bool m_programChange = false;
};

// A titled frame of radio items, in columns, whose selection is an item index.
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit RadioGroup(const QString &title, const QStringList &items, int columns = 1,
                        QWidget *parent = nullptr);

    int itemIndex() const { return m_set.checkedIndex(); }
    void setItemIndex(int index) { m_set.setCheckedIndex(index); } // emits nothing
    int count() const { return int(m_set.buttons().size()); }
    QRadioButton *item(int index) const { return m_set.buttons().value(index); }
    QStringList items() const;

signals:
    // The user marked an unmarked item.
    void itemClicked(int index);

protected:
    // The arrow keys step through the enabled items in their order, wrapping round, and
    // mark the item they reach, as a click does; also when none was marked yet.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void nameItems();

    RadioSet m_set;
};

} // namespace dipo
