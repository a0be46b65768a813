#include "common/window.h"

#include "common/pictures.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace dipo {

Window::Window(const QString &componentName, const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(componentName);
    setWindowTitle(caption);
}

void Window::setFullScreenGeometry()
{
    // The frame of 1032 x 776 sits at (-4, -4), so the client area fills a 1024 x 768
    // screen.
    resize(1024, 768);
    move(-4, -4);
}

void Window::setDialogGeometry(int clientWidth, int clientHeight)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(clientWidth, clientHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->geometry();
        move(available.center() - QPoint(clientWidth / 2, clientHeight / 2));
    }
}

void Window::setBackground(const QString &decorationName)
{
    m_background = pictures::decoration(decorationName);
    update();
}

void Window::showWindow()
{
    show();
    raise();
    activateWindow();
}

void Window::paintEvent(QPaintEvent *)
{
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(rect(), m_background);
}

PicturePanel::PicturePanel(const QString &decorationName, QWidget *parent)
    : QFrame(parent), m_picture(pictures::decoration(decorationName))
{
}

void PicturePanel::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PicturePanel::paintEvent(QPaintEvent *event)
{
    if (!m_picture.isNull()) {
        QPainter painter(this);
        painter.drawImage(rect(), m_picture);
    }
    QFrame::paintEvent(event);
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasPressed = m_pressed;
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton && inside)
        emit clicked();
}

} // namespace dipo
