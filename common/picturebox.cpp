// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/picturebox.h"

#include "common/accessibility.h"
#include "common/keys.h"
#include "common/logic/pictures.h"
#include "common/picturewidgets.h"
#include "common/companion.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace dipo {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture.setImage(picture);
    m_path.clear();
    update();
}

void PictureBox::setDecoration(const QString &name)
{
    m_picture.setDecoration(name);
    m_path.clear();
    update();
}

void PictureBox::loadPicture(const QString &programPath)
{
    QImage loaded = pictures::load(programPath); // throws, leaving the old picture
    m_picture.setImage(loaded);
    m_path = programPath;
    update();
}

void PictureBox::setActsAsButton(const QString &accessibleName)
{
    // Announced as a button: marked before anything asks for its accessible face.
    setProperty("dipoButton", true);
    keys::announceAsButton();
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(accessibleName);
    if (!m_shows.isEmpty())
        setAccessibleDescription(m_shows);
}

void PictureBox::setShows(const QString &what)
{
    m_shows = what;
    if (property("dipoButton").toBool())
        setAccessibleDescription(what);
    else
        setAccessibleName(what);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (focusPolicy() != Qt::NoFocus && !event->isAutoRepeat()
        && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void PictureBox::setFrameAspect(qreal widthPerHeight)
{
    m_frameAspect = widthPerHeight;
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(widthPerHeight > 0);
    setSizePolicy(policy);
    updateGeometry();
}

bool PictureBox::hasHeightForWidth() const
{
    return m_frameAspect > 0;
}

int PictureBox::heightForWidth(int width) const
{
    return m_frameAspect > 0 ? qRound(width / m_frameAspect) : -1;
}

QSize PictureBox::sizeHint() const
{
    return m_frameAspect > 0 ? QSize(320, heightForWidth(320)) : QWidget::sizeHint();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        // The bars beside a letterboxed picture are the box's own, so a picture shown
        // over another hides it whole; a box without a picture lets the one under it show.
        painter.fillRect(rect(), palette().color(QPalette::Window));
        m_picture.paint(painter, rect(), PictureFit::Letterbox);
    }
    if (hasFocus())
        keys::paintFocusFrame(painter, rect());
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

PictureViewer::PictureViewer(const QString &caption, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_box(new PictureBox(this))
{
    makeCompanion(this);
    setObjectName(QStringLiteral("PictureViewer"));
    setWindowTitle(caption);
    setAccessibleName(a11y::windowName(objectName()));
    m_box->setObjectName(QStringLiteral("ViewerPicture"));
    m_box->setShows(caption);
    m_box->setMinimumSize(160, 120);
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(24, 24, 28));
    setPalette(dark);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);
    // Esc closes the viewer, as its title bar's close button does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

PictureViewer *PictureViewer::showFor(
    QWidget *owner, const QString &caption, const QImage &picture, const QString &shows)
{
    static QPointer<PictureViewer> viewer;
    owner = owner->window();
    if (!viewer) {
        viewer = new PictureViewer(caption, owner);
    } else if (viewer->parentWidget() != owner) {
        viewer->hide();
        viewer->setParent(owner, viewer->windowFlags());
    }
    viewer->setWindowTitle(caption);
    viewer->showPicture(picture, shows);
    return viewer;
}

void PictureViewer::showPicture(const QImage &picture, const QString &shows)
{
    m_box->setPicture(picture);
    m_box->setShows(shows.isEmpty() ? windowTitle() : shows);
    if (!isVisible()) {
        attachToOpener(this);
        const QWidget *owner = parentWidget();
        const QScreen *shownOn = owner ? owner->screen() : screen();
        const QRect available = shownOn->availableGeometry();
        // Twice the picture where there is room, never more than most of the screen.
        const QSize wanted = (picture.size() * 2).boundedTo(available.size() * 9 / 10);
        resize(picture.size().scaled(wanted, Qt::KeepAspectRatio));
        QRect placed(QPoint(0, 0), size());
        placed.moveCenter(available.center());
        move(placed.topLeft());
    }
    show();
    raise();
    activateWindow();
}

} // namespace dipo
