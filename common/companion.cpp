// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/companion.h"

#include "common/logic/settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace dipo {

void makeCompanion(QWidget *window)
{
    // A dialog, not modal, that can be resized and maximised like any window.
    window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    window->setWindowModality(Qt::NonModal);
}

void attachToOpener(QWidget *window)
{
    QWidget *opener = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!opener)
        return;
    // The toolkit sets this only when the companion's native window is made after the
    // opener's; it is set again in case the opener's was made anew.
    window->winId();
    if (window->windowHandle() && opener->windowHandle())
        window->windowHandle()->setTransientParent(opener->windowHandle());
}

void restoreCompanionPlace(QWidget *window, const QSize &preferred, const QSize &minimum)
{
    const QWidget *opener = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QScreen *screen = opener ? opener->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame the window manager puts round a window, as it does round the opener's.
    QSize frame = opener && opener->isVisible()
        ? opener->frameGeometry().size() - opener->geometry().size()
        : QSize(0, 0);
    frame = frame.expandedTo(QSize(0, 0)).boundedTo(area.size() / 4);
    const QSize room = area.size() - frame;
    const QSize smallest = minimum.boundedTo(room);
    window->setMinimumSize(smallest);

    const QByteArray saved = settings::windowPlace(window->objectName());
    // Restoring brings the window back onto a screen that is there now.
    if (!saved.isEmpty() && window->restoreGeometry(saved) && area.intersects(window->geometry())) {
        QRect placed = window->geometry();
        placed.setSize(placed.size().expandedTo(smallest).boundedTo(room));
        placed.moveLeft(
            qBound(area.left(), placed.left(), area.right() + 1 - placed.width() - frame.width()));
        placed.moveTop(
            qBound(area.top(), placed.top(), area.bottom() + 1 - placed.height() - frame.height()));
        window->setGeometry(placed);
        return;
    }
    window->resize(preferred.expandedTo(smallest).boundedTo(room));
    // Beside the opener's centre, on its screen.
    QRect placed(QPoint(0, 0), window->size() + frame);
    placed.moveCenter(opener ? opener->frameGeometry().center() : area.center());
    placed.moveLeft(qBound(area.left(), placed.left(), area.right() + 1 - placed.width()));
    placed.moveTop(qBound(area.top(), placed.top(), area.bottom() + 1 - placed.height()));
    window->move(placed.topLeft());
}

void saveCompanionPlace(const QWidget *window)
{
    settings::setWindowPlace(window->objectName(), window->saveGeometry());
}

} // namespace dipo
