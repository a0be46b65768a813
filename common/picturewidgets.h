// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;

namespace dipo {

// How a picture fills its place.
enum class PictureFit {
    Cover, // scaled to cover the place and cropped: backgrounds and decoration panels
    Letterbox, // scaled to fit whole, centred, with the aspect ratio kept: pictures
};

// Which part of the picture goes to which part of the place.
struct PicturePlacement
{
    QRectF source;
    QRectF target;
};

PicturePlacement placePicture(const QSize &picture, const QRectF &place, PictureFit fit);

// Every decoration and picture of the windows is painted through here.
void paintPicture(QPainter &painter, const QRectF &place, const QImage &picture, PictureFit fit);

// What a widget shows of a picture: a decoration by name, decoded only when it is first
// painted (or asked for) and shared through the decoration cache, or an image given to it.
// It keeps a pixmap at the size it is painted, made again only when that size changes;
// of a decoration it keeps nothing else, so the decoded picture is let go once painted.
class PictureCanvas
{
public:
    PictureCanvas() = default;
    ~PictureCanvas();
    PictureCanvas(const PictureCanvas &) = delete;
    PictureCanvas &operator=(const PictureCanvas &) = delete;

    void setDecoration(const QString &name);
    void setImage(const QImage &image);
    // The picture shown; a decoration that is not held is decoded now.
    const QImage &image() const;
    bool isNull() const;
    // The decoration shown, empty for none or an image.
    const QString &decoration() const { return m_decoration; }
    // Paints the picture as paintPicture() does, from the pixmap kept at its painted size.
    void paint(QPainter &painter, const QRectF &place, PictureFit fit);

private:
    QString m_decoration; // the decoration shown, if it is one
    mutable QImage m_image;
    mutable bool m_missing = false; // a decoration that cannot be decoded
    QPixmap m_pixmap;
    QPointF m_pixmapAt;
    QRectF m_place;
    PictureFit m_fit = PictureFit::Cover;
    qreal m_ratio = 0;
};

// A panel that shows a decoration picture covering it, as a frame for other controls.
class PicturePanel : public QFrame
{
    Q_OBJECT

public:
    explicit PicturePanel(const QString &decorationName, QWidget *parent = nullptr);
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture.image(); }
    const QString &decoration() const { return m_picture.decoration(); }
    // Pictures that are shown for themselves (icons, portraits) keep their aspect ratio.
    void setFit(PictureFit fit);
    PictureFit fit() const { return m_fit; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PictureCanvas m_picture;
    PictureFit m_fit = PictureFit::Cover;
};

// A label that acts as a link or a button (a panel with a caption, a transparent click
// area): it emits clicked() on a left-button release inside it, and on Space or Enter
// when it has the focus, which it shows with a frame. It may show a picture, letterboxed.
// Its accessible name is its caption; a picture-only one is named by its owner.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(const QString &text = QString(), QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    // A decoration picture, decoded when first painted.
    void setDecoration(const QString &name);
    const QImage &picture() const { return m_picture.image(); }
    const QString &decoration() const { return m_picture.decoration(); }

    // Acts as a click does (nothing while disabled).
    void click();

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
    PictureCanvas m_picture;
};

} // namespace dipo
