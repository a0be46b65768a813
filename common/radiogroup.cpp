// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/radiogroup.h"

#include <QGridLayout>
#include <QKeyEvent>

namespace dipo {

RadioSet::RadioSet(QObject *parent)
    : QObject(parent)
{
    m_group.setExclusive(true);
}

void RadioSet::addButton(QRadioButton *button)
{
    m_group.addButton(button, int(m_buttons.size()));
    m_buttons.append(button);
    connect(button, &QAbstractButton::toggled, this,
            [this, button](bool checked) { onToggled(button, checked); });
}

int RadioSet::checkedIndex() const
{
    return m_group.checkedId();
}

void RadioSet::setCheckedIndex(int index)
{
    m_programChange = true;
    if (index >= 0 && index < m_buttons.size()) {
        m_buttons[index]->setChecked(true);
    } else if (QAbstractButton *checked = m_group.checkedButton()) {
        // An exclusive group never lets its last marked button go by itself.
        m_group.setExclusive(false);
        checked->setChecked(false);
        m_group.setExclusive(true);
    }
    m_programChange = false;
}

void RadioSet::onToggled(QRadioButton *button, bool checked)
{
    if (checked && !m_programChange)
        emit chosen(int(m_buttons.indexOf(button)));
}

RadioGroup::RadioGroup(const QString &title, const QStringList &items, int columns,
                       QWidget *parent)
    : QGroupBox(title, parent)
{
    auto *layout = new QGridLayout(this);
    const int perColumn = columns > 1 ? int((items.size() + columns - 1) / columns) : int(items.size());
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        layout->addWidget(button, perColumn > 0 ? i % perColumn : i, perColumn > 0 ? i / perColumn : 0);
        m_set.addButton(button);
        button->installEventFilter(this);
    }
    connect(&m_set, &RadioSet::chosen, this, &RadioGroup::itemClicked);
    // The items are named after the group ("RadioGroup1_item0"), once it has its name.
    connect(this, &QObject::objectNameChanged, this, &RadioGroup::nameItems);
    nameItems();
}

void RadioGroup::nameItems()
{
    for (int i = 0; i < count(); ++i)
        item(i)->setObjectName(QStringLiteral("%1_item%2").arg(objectName()).arg(i));
}

bool RadioGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = +1;
        break;
    default:
        return QGroupBox::eventFilter(watched, event);
    }
    if (key->modifiers() & ~Qt::KeypadModifier)
        return QGroupBox::eventFilter(watched, event);
    const int from = int(m_set.buttons().indexOf(static_cast<QRadioButton *>(watched)));
    if (from < 0)
        return QGroupBox::eventFilter(watched, event);
    for (int i = 1; i < count(); ++i) {
        QRadioButton *candidate = item(((from + step * i) % count() + count()) % count());
        if (candidate->isEnabled() && candidate->isVisible()) {
            candidate->setFocus(Qt::TabFocusReason);
            candidate->click();
            break;
        }
    }
    return true;
}

QStringList RadioGroup::items() const
{
    QStringList result;
    for (QRadioButton *b : m_set.buttons())
        result << b->text();
    return result;
}

} // namespace dipo
