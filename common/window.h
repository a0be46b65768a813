// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QWidget>

class QDialog;
class QLineEdit;
class QPainter;
class QScrollArea;

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

// A top-level window of the program: created once, shown and hidden, never destroyed
// before exit. Closing it hides it; its controls keep their state.
class Window : public QWidget
{
    Q_OBJECT

public:
    Window(const QString &componentName, const QString &caption, QWidget *parent = nullptr);

    // A full-screen window: shown maximised on its screen's available area, clear of the
    // taskbar. Its controls are laid out on sheet(), which scrolls when it does not fit.
    void setFullScreenGeometry();
    // A dialog: its size follows its content; it is centred on the window that opens it.
    void setDialogGeometry();
    // A companion window (the trail beside the diagnosis): see makeCompanion(). It opens
    // at its preferred size where the work area allows, and its size and place are kept
    // between showings and between runs.
    void setCompanionGeometry(const QSize &preferred, const QSize &minimum);
    bool isFullScreenWindow() const { return m_sheet != nullptr; }
    bool isCompanionWindow() const { return m_companion; }

    // A strip under the page that never scrolls away (the question and its answers):
    // on a low screen the page scrolls above it.
    void setFixedStrip(QWidget *strip, const QMargins &margins);
    // The full-screen window's page of controls, inside scrollBox().
    QWidget *sheet() const { return m_sheet; }
    QScrollArea *scrollBox() const { return m_scrollBox; }

    // A decoration picture covering the whole window, cropped, not distorted.
    void setBackground(const QString &decorationName);
    const QImage &background() const { return m_background.image(); }

    // Shows the window non-modally and brings it to the front; a visible window is
    // only brought to the front. A dialog is centred on the opener (or the active window).
    void showWindow(const QWidget *opener = nullptr);

    // A style sheet for the whole window, set when the window is first shown: its rules
    // are matched against the controls then, so a window that is never opened does not
    // pay for them at start-up.
    void setStyleSheetWhenShown(const QString &styleSheet);
    void setVisible(bool visible) override;
    // The decorations the window shows now: its background and those of its picture
    // panels, click labels and picture boxes that are not hidden.
    QStringList decorationsShown() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void centreOn(const QWidget *opener);
    void fitToContent();

    PictureCanvas m_background;
    QWidget *m_sheet = nullptr;
    QScrollArea *m_scrollBox = nullptr;
    QObject *m_wheelKeeper = nullptr;
    QString m_styleSheetWhenShown;
    bool m_fitPending = false;
    bool m_shownBefore = false;
    bool m_companion = false;
    QSize m_preferredSize;
    QSize m_minimumSize;
    QPointer<QWidget> m_opener; // the window that showed this dialog
};

// A companion window belongs to the window of its parent widget: non-modal, it stays
// above that window and takes no taskbar entry of its own (a dialog transient for it).
void makeCompanion(QWidget *window);
// Before a companion is shown: it is made transient for its parent's window.
void attachToOpener(QWidget *window);
// A companion's size and place, kept in the settings under its object name: restored
// onto the work area of its parent's screen (at the preferred size the first time, or
// when nothing fits), and saved.
void restoreCompanionPlace(QWidget *window, const QSize &preferred, const QSize &minimum);
void saveCompanionPlace(const QWidget *window);

// Runs a modal dialog of a window and gives the focus back to that window after it, to
// the control that had it: the window manager would otherwise pick any window.
int execDialog(QDialog &dialog);

// The save dialog of every "Simpan": it opens in the folder last saved into, offers
// `fileName` (its suffix is the one added to a name typed without), and gives the focus
// back as execDialog does. Empty when the user cancels.
QString askSavePath(
    QWidget *parent, const QString &title, const QString &filter, const QString &fileName);

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

// A field that shows a value. A written value field is wide enough for the longest
// general-format value ("-1,23456789012345E-308"); an input field has room for ten
// digits and grows up to that width. A longer text shows its start, and the whole text
// is in the tooltip.
enum class ValueFieldWidth { Value, Input };
QString longestValue();
void makeValueField(QLineEdit *field, ValueFieldWidth width = ValueFieldWidth::Value);
// The width such a field needs in its font.
int valueFieldWidth(const QLineEdit *field);

} // namespace dipo
