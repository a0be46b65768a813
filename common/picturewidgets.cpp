// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/picturewidgets.h"

#include "common/keys.h"
#include "common/logic/pictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace dipo {

PicturePlacement placePicture(const QSize &picture, const QRectF &place, PictureFit fit)
{
    PicturePlacement result { QRectF(QPointF(0, 0), QSizeF(picture)), place };
    if (picture.isEmpty() || place.isEmpty())
        return result;
    const qreal pictureAspect = qreal(picture.width()) / picture.height();
    const qreal placeAspect = place.width() / place.height();
    if (fit == PictureFit::Cover) {
        QSizeF shown = QSizeF(picture);
        if (pictureAspect > placeAspect)
            shown.setWidth(picture.height() * placeAspect);
        else
            shown.setHeight(picture.width() / placeAspect);
        result.source = QRectF(
            QPointF((picture.width() - shown.width()) / 2, (picture.height() - shown.height()) / 2),
            shown);
    } else {
        QSizeF shown = place.size();
        if (pictureAspect > placeAspect)
            shown.setHeight(place.width() / pictureAspect);
        else
            shown.setWidth(place.height() * pictureAspect);
        result.target
            = QRectF(place.center() - QPointF(shown.width() / 2, shown.height() / 2), shown);
    }
    return result;
}

void paintPicture(QPainter &painter, const QRectF &place, const QImage &picture, PictureFit fit)
{
    if (picture.isNull() || place.isEmpty())
        return;
    const PicturePlacement at = placePicture(picture.size(), place, fit);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(at.target, picture, at.source);
    painter.restore();
}

PictureCanvas::~PictureCanvas()
{
    if (!m_decoration.isEmpty())
        pictures::removeDecorationUser(m_decoration);
}

void PictureCanvas::setDecoration(const QString &name)
{
    if (!m_decoration.isEmpty())
        pictures::removeDecorationUser(m_decoration);
    if (!name.isEmpty())
        pictures::addDecorationUser(name);
    m_decoration = name;
    m_image = QImage();
    m_missing = false;
    m_pixmap = QPixmap();
}

void PictureCanvas::setImage(const QImage &image)
{
    if (!m_decoration.isEmpty())
        pictures::removeDecorationUser(m_decoration);
    m_decoration.clear();
    m_image = image;
    m_missing = false;
    m_pixmap = QPixmap();
}

const QImage &PictureCanvas::image() const
{
    if (!m_decoration.isEmpty() && m_image.isNull() && !m_missing) {
        m_image = pictures::decoration(m_decoration);
        m_missing = m_image.isNull();
    }
    return m_image;
}

bool PictureCanvas::isNull() const
{
    if (!m_pixmap.isNull())
        return false;
    return image().isNull();
}

void PictureCanvas::paint(QPainter &painter, const QRectF &place, PictureFit fit)
{
    if (place.isEmpty())
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (m_pixmap.isNull() || m_place != place || m_fit != fit || m_ratio != ratio) {
        const QImage &picture = image();
        if (picture.isNull())
            return;
        // The same drawing paintPicture() does, once, into a pixmap of the painted size.
        const QRectF target = placePicture(picture.size(), place, fit).target;
        const QPointF at(std::floor(target.left()), std::floor(target.top()));
        const QSizeF logical(
            std::ceil(target.right()) - at.x(), std::ceil(target.bottom()) - at.y());
        const QSize device(qCeil(logical.width() * ratio), qCeil(logical.height() * ratio));
        // An opaque picture that covers whole device pixels needs no alpha: its pixmap is
        // copied onto the window rather than blended, and is not searched for alpha.
        const bool opaque = !picture.hasAlphaChannel() && target == QRectF(at, logical)
            && QSizeF(device) == logical * ratio;
        QImage drawn(device, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        if (drawn.isNull())
            return;
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(opaque ? Qt::black : Qt::transparent);
        {
            QPainter into(&drawn);
            into.translate(-at);
            paintPicture(into, place, picture, fit);
        }
        m_pixmap = QPixmap::fromImage(std::move(drawn));
        m_pixmapAt = at;
        m_place = place;
        m_fit = fit;
        m_ratio = ratio;
        // A decoration is kept as this pixmap only; the decoration cache lets the decoded
        // picture go once no widget holds it.
        if (!m_decoration.isEmpty()) {
            m_image = QImage();
            pictures::decorationPainted(m_decoration);
        }
    }
    painter.drawPixmap(m_pixmapAt, m_pixmap);
}

PicturePanel::PicturePanel(const QString &decorationName, QWidget *parent)
    : QFrame(parent)
{
    m_picture.setDecoration(decorationName);
}

void PicturePanel::setPicture(const QImage &picture)
{
    m_picture.setImage(picture);
    update();
}

void PicturePanel::setFit(PictureFit fit)
{
    m_fit = fit;
    update();
}

void PicturePanel::paintEvent(QPaintEvent *event)
{
    if (!m_picture.isNull()) {
        QPainter painter(this);
        m_picture.paint(painter, rect(), m_fit);
    }
    QFrame::paintEvent(event);
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    // It acts as a button, so it takes focus and acts on Space and Enter.
    setFocusPolicy(Qt::StrongFocus);
    keys::announceAsButton();
}

void ClickLabel::click()
{
    if (isEnabled())
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()
            && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    update();
}

void ClickLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

void ClickLabel::setPicture(const QImage &picture)
{
    m_picture.setImage(picture);
    update();
}

void ClickLabel::setDecoration(const QString &name)
{
    m_picture.setDecoration(name);
    update();
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

void ClickLabel::paintEvent(QPaintEvent *event)
{
    if (!m_picture.isNull()) {
        QPainter painter(this);
        m_picture.paint(painter, contentsRect(), PictureFit::Letterbox);
    }
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        keys::paintFocusFrame(painter, rect());
    }
}

} // namespace dipo
