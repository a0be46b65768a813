// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/picturewidgets.h"

#include <QImage>
#include <QString>
#include <QWidget>

namespace dipo {

// Shows one picture whole in the box, its aspect ratio kept (letterboxed).
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    // A decoration picture, decoded when first painted or asked for.
    void setDecoration(const QString &name);
    // Loads a run-time picture by its program path ("d:\karya_hasil\..."), read anew
    // each time. On failure it throws PictureError and keeps the previous picture.
    void loadPicture(const QString &programPath);

    const QImage &picture() const { return m_picture.image(); }
    const QString &decoration() const { return m_picture.decoration(); }
    bool hasPicture() const { return !m_picture.isNull(); }
    // The program path of the picture shown last, empty for none or a decoration.
    const QString &picturePath() const { return m_path; }

    // A box that opens something when clicked also takes focus, shows it with a frame
    // and acts on Space and Enter.
    void setActsAsButton(const QString &accessibleName);
    // What the picture shows, in words, for a screen reader: the name of a plain picture,
    // the description of one that acts as a button.
    void setShows(const QString &what);
    const QString &shows() const { return m_shows; }

    // A box whose height follows its width (4:3 for 4/3.0); 0 for none.
    void setFrameAspect(qreal widthPerHeight);
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

signals:
    // A left-button click on the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    PictureCanvas m_picture;
    QString m_path;
    QString m_shows;
    qreal m_frameAspect = 0;
    bool m_pressed = false;
};

// A window of its own that shows one picture large, letterboxed; a companion of the
// window that opens it, not modal. It starts at the picture's size, within the screen,
// and can be resized.
class PictureViewer : public QWidget
{
    Q_OBJECT

public:
    PictureViewer(const QString &caption, QWidget *owner);
    void showPicture(const QImage &picture, const QString &shows = QString());
    const PictureBox *box() const { return m_box; }

    // The one viewer of the program, opened over this window (and moved to it from the
    // window it stood over before).
    static PictureViewer *showFor(QWidget *owner, const QString &caption, const QImage &picture,
        const QString &shows = QString());
private:
    PictureBox *m_box;
};

} // namespace dipo
