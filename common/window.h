#pragma once

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace dipo {

// A top-level window of the program: created once, shown and hidden, never destroyed
// before exit. Closing it hides it; its controls keep their state.
class Window : public QWidget
{
    Q_OBJECT

public:
    Window(const QString &componentName, const QString &caption, QWidget *parent = nullptr);

    // A client area of 1024 x 768, the 1032 x 776 frame at (-4, -4): on a 1024 x 768
    // screen the frame lies just outside.
    void setFullScreenGeometry();
    // A fixed-size dialog client area, centred on the screen.
    void setDialogGeometry(int clientWidth, int clientHeight);
    // A decoration picture stretched over the whole client area.
    void setBackground(const QString &decorationName);

    // Shows the window non-modally and brings it to the front; a visible window is
    // only brought to the front.
    void showWindow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_background;
};

// A panel that shows a decoration picture stretched, as a frame for other controls.
class PicturePanel : public QFrame
{
    Q_OBJECT

public:
    explicit PicturePanel(const QString &decorationName, QWidget *parent = nullptr);
    void setPicture(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

// A label that acts as a link or a button (a panel with a caption, a transparent click
// area): it emits clicked() on a left-button release inside it.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(const QString &text = QString(), QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace dipo
