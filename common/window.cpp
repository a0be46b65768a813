// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/window.h"

#include "common/companion.h"
#include "common/picturewidgets.h"

#include "common/logic/settings.h"

#include "common/accessibility.h"
#include "common/keys.h"
#include "common/logic/localenumber.h"
#include "common/logic/pictures.h"
#include "common/logic/savefolder.h"
#include "common/picturebox.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <QtMath>

#include <cmath>
#include <utility>

namespace dipo {
namespace {

// The design size of a full-screen window: its size when it is not maximised.
constexpr QSize kPreferredSize(1024, 768);

// A text box on a scrolling page keeps the wheel turns it can scroll by itself, also at
// its ends, so the page never moves under the reader.
class WheelKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel) {
            auto *area = static_cast<QAbstractScrollArea *>(watched);
            if (area->verticalScrollBar()->maximum() > 0) {
                event->accept();
                return true;
            }
        }
        return false;
    }
};

// Holds a strip under the page at its least height, so that the page keeps all the
// room a taller strip would take from it.
class StripHolder : public QWidget
{
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return minimumSizeHint(); }
};

} // namespace

Window::Window(const QString &componentName, const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(componentName);
    setWindowTitle(caption);
    a11y::install();
    setAccessibleName(a11y::windowName(componentName));
}

void Window::setFullScreenGeometry()
{
    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox"));
    m_scrollBox->setFrameShape(QFrame::NoFrame);
    m_scrollBox->setWidgetResizable(true);
    // Tab goes through the page's controls and the page scrolls to the focused one; the
    // scroll area itself is no stop.
    m_scrollBox->setFocusPolicy(Qt::NoFocus);
    // The window's background shows through the page and stays put while it scrolls.
    m_scrollBox->viewport()->setAutoFillBackground(false);
    m_sheet = new QWidget;
    m_sheet->setObjectName(QStringLiteral("Sheet"));
    m_scrollBox->setWidget(m_sheet);
    m_sheet->setAutoFillBackground(false); // setWidget() turned it on
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollBox);

    // Not maximised (the user's choice), the window has its design size where there is room.
    QSize normal = kPreferredSize;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        normal = normal.boundedTo(screen->availableGeometry().size());
    resize(normal);
    setWindowState(Qt::WindowMaximized);
}

void Window::setFixedStrip(QWidget *strip, const QMargins &margins)
{
    auto *outer = static_cast<QVBoxLayout *>(layout());
    outer->setSpacing(0);
    auto *holder = new StripHolder(this);
    holder->setObjectName(QStringLiteral("StripHolder"));
    holder->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *place = new QVBoxLayout(holder);
    place->setContentsMargins(margins);
    strip->setParent(holder);
    place->addWidget(strip);
    outer->addWidget(holder);
    // While the page scrolls, the strip keeps clear of the scroll bar, in line with the
    // panels above it.
    QScrollBar *bar = m_scrollBox->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, holder, [place, margins, bar](int, int maximum) {
        QMargins shown = margins;
        if (maximum > 0)
            shown.setRight(shown.right() + bar->sizeHint().width());
        place->setContentsMargins(shown);
    });
}

void Window::setDialogGeometry()
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    if (layout())
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Its size is worked out when it is first shown.
    m_fitPending = true;
}

void Window::setCompanionGeometry(const QSize &preferred, const QSize &minimum)
{
    m_companion = true;
    m_preferredSize = preferred;
    m_minimumSize = minimum;
    makeCompanion(this);
    // A companion still open when the program ends opens there next time.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (isVisible())
            saveCompanionPlace(this);
    });
}

void Window::fitToContent()
{
    // Styled fonts first; then the inner layouts before the outer ones, so that a panel
    // with a layout of its own tells its frame how large it is.
    m_fitPending = false;
    ensurePolished();
    const QList<QWidget *> inner = findChildren<QWidget *>();
    for (auto it = inner.crbegin(); it != inner.crend(); ++it)
        if ((*it)->layout())
            (*it)->layout()->activate();
    adjustSize();
}

void Window::setBackground(const QString &decorationName)
{
    m_background.setDecoration(decorationName);
    update();
}

void Window::showWindow(const QWidget *opener)
{
    if (!isVisible() && m_companion) {
        attachToOpener(this);
        restoreCompanionPlace(this, m_preferredSize, m_minimumSize);
    } else if (!isVisible() && !isFullScreenWindow()) {
        fitToContent();
        centreOn(opener);
        m_opener = const_cast<QWidget *>(opener ? opener->window() : QApplication::activeWindow());
        if (m_opener == this)
            m_opener = nullptr;
    }
    show();
    raise();
    activateWindow();
}

void Window::showInFrontOf(const QWidget *opener)
{
    QWidget *owner = opener ? opener->window() : nullptr;
    if (!isVisible() && !isFullScreenWindow()) {
        fitToContent();
        centreOn(opener);
        m_opener = owner == this ? nullptr : owner;
    }
    // The window manager keeps a transient window above the one it belongs to.
    winId();
    if (owner && owner != this && windowHandle() && owner->windowHandle())
        windowHandle()->setTransientParent(owner->windowHandle());
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    // The xcb platform asks the window manager not to activate a window it maps (a user
    // time of 0) by this property of the window; with Qt 6.4.2 the widget's attribute
    // alone left openbox activating the warning.
    if (windowHandle())
        windowHandle()->setProperty("_q_showWithoutActivating", true);
    show();
    raise();
    if (windowHandle())
        windowHandle()->setProperty("_q_showWithoutActivating", QVariant());
    setAttribute(Qt::WA_ShowWithoutActivating, false);
}

void Window::centreOn(const QWidget *opener)
{
    if (!opener)
        opener = QApplication::activeWindow();
    if (opener == this)
        opener = nullptr;
    const QScreen *screen = opener ? opener->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QRect over = opener ? opener->frameGeometry() : available;
    QRect placed(QPoint(0, 0), frameSize().expandedTo(size()));
    placed.moveCenter(over.center());
    // Kept on the screen, its title bar first.
    placed.moveLeft(qBound(available.left(), placed.left(),
        qMax(available.left(), available.right() - placed.width() + 1)));
    placed.moveTop(qBound(available.top(), placed.top(),
        qMax(available.top(), available.bottom() - placed.height() + 1)));
    move(placed.topLeft());
}

void Window::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the focused button, as Space does; a button that takes Enter itself
    // (a dialog's default button) never lets it come here.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto *button = qobject_cast<QAbstractButton *>(focusWidget())) {
            if (button->isEnabled() && button->isVisible()) {
                button->click();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

void Window::setStyleSheetWhenShown(const QString &styleSheet)
{
    if (isVisible())
        setStyleSheet(styleSheet);
    else
        m_styleSheetWhenShown = styleSheet;
}

void Window::setVisible(bool visible)
{
    // Before the window is polished for its first showing, so that its controls are
    // polished once, with their style.
    // Its pictures are decoded on other threads while it is polished and laid out.
    if (visible && !m_shownBefore) {
        m_shownBefore = true;
        pictures::prefetchDecorations(decorationsShown());
    }
    if (visible && !m_styleSheetWhenShown.isEmpty())
        setStyleSheet(std::exchange(m_styleSheetWhenShown, QString()));
    // A dialog takes the size of its content, in its styled fonts.
    if (visible && m_fitPending)
        fitToContent();
    QWidget::setVisible(visible);
}

QStringList Window::decorationsShown() const
{
    QStringList names;
    const auto add = [&names](const QString &name) {
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    };
    add(m_background.decoration());
    for (const QWidget *w : findChildren<QWidget *>()) {
        if (!w->isVisibleTo(this))
            continue;
        if (const auto *panel = qobject_cast<const PicturePanel *>(w))
            add(panel->decoration());
        else if (const auto *label = qobject_cast<const ClickLabel *>(w))
            add(label->decoration());
        else if (const auto *box = qobject_cast<const PictureBox *>(w))
            add(box->decoration());
    }
    return names;
}

void Window::paintEvent(QPaintEvent *)
{
    if (m_background.isNull())
        return;
    QPainter painter(this);
    m_background.paint(painter, rect(), PictureFit::Cover);
}

void Window::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    if (m_companion)
        saveCompanionPlace(this);
    // A dialog closed from the keyboard gives the keys back to the window that opened it,
    // not to whichever window the window manager picks.
    const QWidget *active = QApplication::activeWindow();
    if (m_opener && m_opener->isVisible() && (active == this || active == nullptr))
        m_opener->activateWindow();
}

void Window::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The focus shows from the start, not only after the first Tab, and clearly: the
    // style's own mark on a button is a thin line that is easily missed.
    setAttribute(Qt::WA_KeyboardFocusChange);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        if (!qobject_cast<QToolButton *>(button))
            keys::showFocusFrame(button);
    if (!m_sheet)
        return;
    if (!m_wheelKeeper)
        m_wheelKeeper = new WheelKeeper(this);
    for (QAbstractScrollArea *area : m_sheet->findChildren<QAbstractScrollArea *>())
        area->installEventFilter(m_wheelKeeper);
}

} // namespace dipo
