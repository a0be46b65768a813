// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/keys.h"

#include "common/logic/localenumber.h"
#include "common/picturewidgets.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include <cmath>

namespace dipo::keys {

void paintFocusFrame(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 200, 40), 2));
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect.adjusted(2, 2, -3, -3));
    painter.restore();
}

namespace {

// Where the frame goes on a control: round it, but round only the caption of a radio
// button or check box, clear of its circle or box.
QRect focusFrameRect(QWidget *control)
{
    auto *button = qobject_cast<QAbstractButton *>(control);
    const bool radio = qobject_cast<QRadioButton *>(control);
    if (!button || (!radio && !qobject_cast<QCheckBox *>(control)) || button->text().isEmpty())
        return control->rect();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle *style = button->style();
    const QRect indicator = style->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
    const QRect caption = style->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
    QRect frame = control->rect();
    frame.setLeft(qMax(indicator.right() + 1, qMin(caption.left() - 2, frame.right())));
    return frame;
}

// Paints the frame on a control, or on the viewport of a text box, whose page covers
// the box's own edge; the owner's focus decides.
class FocusFramePainter : public QObject
{
public:
    FocusFramePainter(QWidget *owner, QWidget *painted)
        : QObject(painted)
        , m_owner(owner)
        , m_painted(painted)
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *control = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            if (watched == m_owner)
                m_painted->update();
            break;
        case QEvent::Paint:
            if (watched == m_painted && m_owner->hasFocus() && !m_painting) {
                // The control paints itself first, then the frame goes on top.
                m_painting = true;
                QCoreApplication::sendEvent(control, event);
                m_painting = false;
                QPainter painter(control);
                paintFocusFrame(painter, focusFrameRect(control));
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget *m_owner;
    QWidget *m_painted;
    bool m_painting = false;
};

// A clickable label or picture, for assistive technology: a button with a press action.
class ButtonLike : public QAccessibleWidget
{
public:
    explicit ButtonLike(QWidget *control)
        : QAccessibleWidget(control, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (auto *label = qobject_cast<QLabel *>(widget()))
                return nameFromCaption(label->text());
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return QStringList { pressAction() } + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (auto *label = qobject_cast<ClickLabel *>(widget())) {
            label->click();
        } else {
            QMetaObject::invokeMethod(widget(), "clicked");
        }
    }
};

QAccessibleInterface *buttonLikeFactory(const QString &, QObject *object)
{
    auto *control = qobject_cast<QWidget *>(object);
    if (!control)
        return nullptr;
    if (qobject_cast<ClickLabel *>(control) || control->property("dipoButton").toBool())
        return new ButtonLike(control);
    return nullptr;
}

QShortcut *escape(QWidget *window)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    shortcut->setContext(Qt::WindowShortcut);
    return shortcut;
}

} // namespace

void announceAsButton()
{
    static const bool installed = [] {
        QAccessible::installFactory(buttonLikeFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void showFocusFrame(QWidget *control)
{
    static const char *const kShown = "dipoFocusFrame";
    if (control->property(kShown).toBool())
        return;
    control->setProperty(kShown, true);
    control->installEventFilter(new FocusFramePainter(control, control));
    if (auto *box = qobject_cast<QAbstractScrollArea *>(control)) {
        auto *page = new FocusFramePainter(control, box->viewport());
        control->installEventFilter(page);
        box->viewport()->installEventFilter(page);
        // Scrolling moves the page's pixels, the frame's with them: it is drawn anew.
        for (QScrollBar *bar : { box->verticalScrollBar(), box->horizontalScrollBar() })
            QObject::connect(bar, &QScrollBar::valueChanged, box, [box] {
                if (box->hasFocus())
                    box->viewport()->update();
            });
    }
}

void escapeClicks(QWidget *window, QAbstractButton *closeControl)
{
    QObject::connect(escape(window), &QShortcut::activated, closeControl, &QAbstractButton::click);
}

void escapeClicks(QWidget *window, ClickLabel *closeControl)
{
    QObject::connect(escape(window), &QShortcut::activated, closeControl, &ClickLabel::click);
}

QString nameFromCaption(const QString &caption)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    name = name.simplified();
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

QString fieldHint(const QString &unit)
{
    const QString separator = number::decimalSeparator() == QLatin1Char(',')
        ? QStringLiteral("koma")
        : QStringLiteral("titik");
    const QString hint = QStringLiteral("gunakan %1 sebagai pemisah desimal").arg(separator);
    const QString shownUnit = unit.trimmed();
    return shownUnit.isEmpty() ? hint : shownUnit + QStringLiteral("; ") + hint;
}

void nameField(QLabel *label, QWidget *field, const QString &unit)
{
    label->setBuddy(field);
    field->setAccessibleName(nameFromCaption(label->text()));
    if (!unit.trimmed().isEmpty())
        field->setAccessibleDescription(unit.trimmed());
    if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        if (!edit->isReadOnly())
            edit->setProperty("dipoHint", fieldHint(unit));
    } else if (auto *combo = qobject_cast<QComboBox *>(field)) {
        combo->setToolTip(fieldHint(unit));
    }
}

namespace {

class ArrowFocus : public QObject
{
public:
    ArrowFocus(const QList<QWidget *> &controls, QObject *parent)
        : QObject(parent)
        , m_controls(controls)
    {
        for (QWidget *control : controls)
            control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        QPointF toward;
        switch (key->key()) {
        case Qt::Key_Left:
            toward = QPointF(-1, 0);
            break;
        case Qt::Key_Right:
            toward = QPointF(1, 0);
            break;
        case Qt::Key_Up:
            toward = QPointF(0, -1);
            break;
        case Qt::Key_Down:
            toward = QPointF(0, 1);
            break;
        default:
            return false;
        }
        auto *from = static_cast<QWidget *>(watched);
        if (QWidget *to = nearest(from, toward))
            to->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    static QPointF centre(const QWidget *w)
    {
        return QPointF(w->mapTo(w->window(), w->rect().center()));
    }

    // The nearest control ahead, within 45 degrees of the arrow; a control off to the
    // side counts as farther.
    QWidget *nearest(const QWidget *from, const QPointF &toward) const
    {
        const QPointF here = centre(from);
        QWidget *best = nullptr;
        qreal bestScore = 0;
        for (QWidget *control : m_controls) {
            if (control == from || !control->isVisible() || !control->isEnabled())
                continue;
            const QPointF d = centre(control) - here;
            const qreal ahead = d.x() * toward.x() + d.y() * toward.y();
            const qreal aside = std::abs(d.x() * toward.y() - d.y() * toward.x());
            if (ahead <= 0 || aside > ahead)
                continue;
            const qreal score = ahead + 2 * aside;
            if (!best || score < bestScore) {
                best = control;
                bestScore = score;
            }
        }
        return best;
    }

    QList<QWidget *> m_controls;
};

} // namespace

void arrowsMoveFocus(const QList<QWidget *> &controls)
{
    if (!controls.isEmpty())
        new ArrowFocus(controls, controls.first());
}

void setReadingOrder(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

namespace {

// Eats the mouse buttons' events until the double-click interval after it was made has
// passed, then removes itself at the first event after that.
class DoubleClickTail : public QObject
{
public:
    DoubleClickTail()
    {
        m_since.start();
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease
            && type != QEvent::MouseButtonDblClick)
            return false;
        if (m_since.elapsed() <= QApplication::doubleClickInterval())
            return true;
        deleteLater();
        qApp->removeEventFilter(this);
        return false;
    }

private:
    QElapsedTimer m_since;
};

} // namespace

void ignoreRestOfDoubleClick()
{
    static QPointer<DoubleClickTail> tail;
    delete tail;
    tail = new DoubleClickTail;
    // Gone after the interval even when no mouse event comes.
    QTimer::singleShot(QApplication::doubleClickInterval() + 1, tail, [] { delete tail; });
}

} // namespace dipo::keys
