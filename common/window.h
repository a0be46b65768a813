// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/picturewidgets.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QScrollArea;

namespace dipo {

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
    // A notice beside the window the user types in: shown (or brought to the front) above
    // the opener and transient for it, without taking the keyboard from it.
    void showInFrontOf(const QWidget *opener);

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

} // namespace dipo
