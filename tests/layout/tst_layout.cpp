// SPDX-License-Identifier: GPL-3.0-or-later
// Every window on the screen this run was given (one CTest run per screen): every
// control reachable, nothing lying over anything else but the intended overlays,
// captions whole, pictures undistorted; on the 1366 x 728 laptop screen the working
// windows need no scrolling.
#include "common/picturebox.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "common/window.h"
#include "common/picturewidgets.h"
#include "common/valuefield.h"
#include "shell/formregistry.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

namespace {

// The controls that lie over another on purpose: the result box over the explanation,
// a picture over the default picture, a click area over its plate.
const QStringList kOverlays = {
    "diagno/Memo2/RichEdit1",
    "DM/Memo1/Memo2",
    "gayrem/RichEdit1/Memo2",
    "umurrem/Memo1/Panel18",
    "PM/Image2/Image3",
    "TUNEUP/RichEdit1/Memo1",
    "TUNEUP/Image2/Image3",
    "awal_menu/Label2/Image3",
};

QWidget *window(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    qFatal("no window %s", qPrintable(name));
}

template <typename T = QWidget> T *control(QWidget *in, const char *name)
{
    T *found = in->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(in->objectName()));
    return found;
}

void click(QWidget *in, const char *name)
{
    QTest::mouseClick(control(in, name), Qt::LeftButton);
}

void pick(QWidget *in, const char *radio)
{
    auto *item = control<QAbstractButton>(in, radio);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
}

// The screen as the user's system describes it, in device pixels.
QSize devicePixels(const QScreen *screen)
{
    return screen->availableGeometry().size() * screen->devicePixelRatio();
}

bool isLaptopScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return devicePixels(screen) == QSize(1366, 728)
        && qFuzzyCompare(screen->devicePixelRatio(), 1.0);
}

// What the checks look at: the window's own controls, not the parts inside a text box or
// a drop-down list, nor the page's scroll area.
QList<QWidget *> controlsOf(dipo::Window *w)
{
    QList<QWidget *> result;
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (c == w->scrollBox() || c == w->sheet() || !c->isVisibleTo(w))
            continue;
        bool inner = false;
        for (QWidget *up = c->parentWidget(); up && up != w; up = up->parentWidget())
            inner = inner || qobject_cast<QComboBox *>(up)
                || (qobject_cast<QAbstractScrollArea *>(up) && up != w->scrollBox());
        if (inner)
            continue;
        if (qobject_cast<QAbstractButton *>(c) || qobject_cast<QLabel *>(c)
            || qobject_cast<QLineEdit *>(c) || qobject_cast<QComboBox *>(c)
            || qobject_cast<QAbstractScrollArea *>(c) || qobject_cast<QGroupBox *>(c)
            || qobject_cast<dipo::PictureBox *>(c) || qobject_cast<dipo::PicturePanel *>(c))
            result << c;
    }
    return result;
}

bool contains(const QWidget *outer, const QWidget *inner)
{
    for (const QWidget *up = inner->parentWidget(); up; up = up->parentWidget())
        if (up == outer)
            return true;
    return false;
}

QRect rectIn(const QWidget *c, const QWidget *frame)
{
    return QRect(c->mapTo(frame, QPoint(0, 0)), c->size());
}

// Where a control shows in its window: a control of the page only within the page's
// viewport.
QRect shownIn(dipo::Window *w, const QWidget *c)
{
    const QRect at = rectIn(c, w);
    if (!w->isFullScreenWindow() || !contains(w->sheet(), c))
        return at;
    return at & rectIn(w->scrollBox()->viewport(), w);
}

bool aspectKept(const dipo::PicturePlacement &at)
{
    if (at.source.isEmpty() || at.target.isEmpty())
        return true;
    const qreal source = at.source.width() / at.source.height();
    const qreal target = at.target.width() / at.target.height();
    return qAbs(target / source - 1) <= 0.02;
}

void showAndSettle(dipo::Window *w)
{
    w->showWindow(window(QStringLiteral("awal_menu")));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCoreApplication::processEvents();
}

// Brings a window into one of the states the checks are run in.
void prepare(dipo::Window *w, const QString &state)
{
    const QString name = w->objectName();
    if (state == QLatin1String("help")) {
        click(w, "Label3");
    } else if (state == QLatin1String("results")) {
        click(w, name == QLatin1String("gayrem") ? "BitBtn1" : "Button1");
    } else if (state == QLatin1String("question")) {
        pick(w, "RadioGroup1_item1");
        click(w, "BitBtn8");
    } else if (state == QLatin1String("conclusion")) {
        pick(w, "RadioGroup1_item1");
        click(w, "BitBtn8");
        for (int i = 0; i < 40 && control(w, "BITBTN1")->isEnabled(); ++i)
            click(w, "BITBTN2");
    } else if (state == QLatin1String("component")) {
        pick(w, "RadioButton12");
        click(w, "BitBtn1");
    } else if (state == QLatin1String("V-1")) {
        click(w, "BitBtn1");
        pick(w, "RadioGroup1_item0");
        click(w, "SpeedButton2");
    }
    QCoreApplication::processEvents();
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void windowFits_data();
    void windowFits();
    void workingWindowsNeedNoScrolling_data();
    void workingWindowsNeedNoScrolling();
    void tuneupTutorialInView();
    void brakeLifeValuesWhole();
    void longValueShowsItsStart();
    void textBoxKeepsItsWheel();
    void dialogCentredOnOpener_data();
    void dialogCentredOnOpener();
    void pictureOpensLarge();
    void noSidewaysScrolling_data();
    void noSidewaysScrolling();
    void menuShowsAllEntries();
    void questionStripInView();
    void companionStaysWithItsOpener_data();
    void companionStaysWithItsOpener();

private:
    QStringList m_errors;
};

void TestLayout::initTestCase()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    qInfo("screen %dx%d available, device pixel ratio %.2f", devicePixels(screen).width(),
        devicePixels(screen).height(), screen->devicePixelRatio());
    dipo::shell::createForms();
}

void TestLayout::cleanupTestCase()
{
    dipo::shell::destroyForms();
}

void TestLayout::cleanup()
{
    // Every window starts afresh for the next case.
    dipo::shell::destroyForms();
    dipo::shell::createForms();
}

void TestLayout::windowFits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("state");
    const char *const rows[][2] = {
        { "awal_menu", "start" },
        { "awal_menu", "help" },
        { "info", "start" },
        { "menu1", "start" },
        { "diagno", "start" },
        { "diagno", "question" },
        { "diagno", "conclusion" },
        { "DM", "start" },
        { "DM", "results" },
        { "umurrem", "start" },
        { "umurrem", "results" },
        { "DIALOG1", "start" },
        { "gayrem", "start" },
        { "gayrem", "results" },
        { "PM", "start" },
        { "PM", "component" },
        { "TUNEUP", "start" },
        { "TUNEUP", "V-1" },
    };
    for (const auto &row : rows)
        QTest::addRow("%s %s", row[0], row[1])
            << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void TestLayout::windowFits()
{
    QFETCH(QString, name);
    QFETCH(QString, state);
    auto *w = static_cast<dipo::Window *>(window(name));
    showAndSettle(w);
    prepare(w, state);

    QWidget *frame = w->isFullScreenWindow() ? w->sheet() : static_cast<QWidget *>(w);
    if (w->isFullScreenWindow()) {
        // Maximised on the available area; the page at least its layout's minimum, so
        // the scroll bars reach all of it.
        const QRect available = w->screen()->availableGeometry();
        QVERIFY(available.contains(w->frameGeometry().adjusted(1, 1, -1, -1)));
        QVERIFY(w->width() >= available.width() - 8);
        const QSize least = frame->minimumSizeHint();
        QVERIFY2(frame->width() >= least.width() && frame->height() >= least.height(),
            qPrintable(QStringLiteral("page %1x%2, needs %3x%4")
                           .arg(frame->width())
                           .arg(frame->height())
                           .arg(least.width())
                           .arg(least.height())));
        QCOMPARE(w->scrollBox()->verticalScrollBar()->maximum(),
            qMax(0, frame->height() - w->scrollBox()->viewport()->height()));
        QVERIFY(aspectKept(
            dipo::placePicture(w->background().size(), w->rect(), dipo::PictureFit::Cover)));
    } else {
        QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
    }

    const QList<QWidget *> controls = controlsOf(w);
    QVERIFY(!controls.isEmpty());
    QList<QWidget *> leaves;
    for (QWidget *c : controls) {
        const QString where = name + QLatin1Char('/') + c->objectName();
        // A strip that never scrolls lies in the window, under the page.
        QWidget *in = contains(frame, c) ? frame : static_cast<QWidget *>(w);
        QVERIFY2(in->rect().contains(rectIn(c, in)),
            qPrintable(where
                + QStringLiteral(" out of reach: %1,%2 %3x%4 in %5x%6")
                      .arg(rectIn(c, in).x())
                      .arg(rectIn(c, in).y())
                      .arg(c->width())
                      .arg(c->height())
                      .arg(in->width())
                      .arg(in->height())));
        bool container = false;
        for (QWidget *other : controls)
            container = container || contains(c, other);
        if (!container)
            leaves << c;

        if (auto *label = qobject_cast<QLabel *>(c);
            label && !label->wordWrap() && !label->text().isEmpty()) {
            QVERIFY2(label->sizeHint().width() <= label->width()
                    && label->sizeHint().height() <= label->height(),
                qPrintable(where + QStringLiteral(" caption cut")));
        }
        if (auto *label = qobject_cast<QLabel *>(c); label && label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                qPrintable(where + QStringLiteral(" caption cut")));
        }
        if (auto *button = qobject_cast<QAbstractButton *>(c))
            QVERIFY2(button->sizeHint().width() <= button->width(),
                qPrintable(where + QStringLiteral(" caption cut")));
        if (auto *label = qobject_cast<QLabel *>(c); label && label->hasScaledContents()) {
            const QPixmap shown = label->pixmap();
            QVERIFY2(shown.isNull()
                    || aspectKept({ QRectF(shown.rect()), QRectF(label->contentsRect()) }),
                qPrintable(where + QStringLiteral(" picture distorted")));
        }
        if (auto *box = qobject_cast<dipo::PictureBox *>(c))
            QVERIFY2(aspectKept(dipo::placePicture(
                         box->picture().size(), box->rect(), dipo::PictureFit::Letterbox)),
                qPrintable(where));
        if (auto *panel = qobject_cast<dipo::PicturePanel *>(c))
            QVERIFY2(aspectKept(
                         dipo::placePicture(panel->picture().size(), panel->rect(), panel->fit())),
                qPrintable(where));
    }

    for (int i = 0; i < leaves.size(); ++i) {
        for (int j = i + 1; j < leaves.size(); ++j) {
            QWidget *a = leaves[i];
            QWidget *b = leaves[j];
            if (!shownIn(w, a).intersects(shownIn(w, b)))
                continue;
            const QString pair = QStringList { name, a->objectName(), b->objectName() }.join(u'/');
            const QString reverse
                = QStringList { name, b->objectName(), a->objectName() }.join(u'/');
            QVERIFY2(kOverlays.contains(pair) || kOverlays.contains(reverse),
                qPrintable(pair + QStringLiteral(" overlap")));
        }
    }
}

void TestLayout::workingWindowsNeedNoScrolling_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : { "diagno", "DM", "umurrem", "gayrem", "PM" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestLayout::workingWindowsNeedNoScrolling()
{
    QFETCH(QString, name);
    auto *w = static_cast<dipo::Window *>(window(name));
    showAndSettle(w);
    // On every screen, the narrowest too, they scroll up and down at most: long result
    // captions take two lines instead.
    QCOMPARE(w->scrollBox()->horizontalScrollBar()->maximum(), 0);
    if (!isLaptopScreen())
        QSKIP("for the 1366 x 728 screen");
    QCOMPARE(w->scrollBox()->verticalScrollBar()->maximum(), 0);
    QCOMPARE(w->scrollBox()->horizontalScrollBar()->maximum(), 0);
    const QRect seen = w->scrollBox()->viewport()->rect();
    for (QWidget *c : controlsOf(w)) {
        if (contains(w->sheet(), c))
            QVERIFY2(
                seen.contains(rectIn(c, w->scrollBox()->viewport())), qPrintable(c->objectName()));
        else
            QVERIFY2(w->rect().contains(rectIn(c, w)), qPrintable(c->objectName()));
    }
}

void TestLayout::tuneupTutorialInView()
{
    auto *w = static_cast<dipo::Window *>(window(QStringLiteral("TUNEUP")));
    showAndSettle(w);
    prepare(w, QStringLiteral("V-1"));
    auto *box = control<dipo::RichTextBox>(w, "RichEdit1");
    QVERIFY(box->isVisible() && box->lineCount() > 25);

    // The picture frame: 4:3, at least 320 pixels wide at 100 %.
    auto *picture = control<dipo::PictureBox>(w, "Image3");
    QVERIFY(picture->width() >= 320);
    QVERIFY(qAbs(picture->width() * 3.0 / (picture->height() * 4.0) - 1) <= 0.02);

    if (!isLaptopScreen())
        return;
    // The user scrolls nothing: the box lies whole in the window and shows 25 lines.
    QWidget *viewport = w->scrollBox()->viewport();
    QVERIFY(viewport->rect().contains(rectIn(box, viewport)));
    int shown = 0;
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next()) {
        const QRectF at = box->document()->documentLayout()->blockBoundingRect(b);
        for (int i = 0; i < b.layout()->lineCount(); ++i)
            shown += at.top() + b.layout()->lineAt(i).rect().bottom() <= box->viewport()->height();
    }
    QVERIFY2(shown >= 25, qPrintable(QStringLiteral("%1 lines shown").arg(shown)));
}

void TestLayout::brakeLifeValuesWhole()
{
    auto *w = static_cast<dipo::Window *>(window(QStringLiteral("umurrem")));
    showAndSettle(w);
    prepare(w, QStringLiteral("results"));
    for (const char *name : { "Edit31", "Edit32", "Edit33", "Edit34", "Edit35", "Edit36", "Edit37",
             "Edit38", "Edit39", "Edit40" }) {
        auto *field = control<QLineEdit>(w, name);
        QVERIFY(!field->text().isEmpty());
        const int needed = field->fontMetrics().horizontalAdvance(field->text());
        QVERIFY2(needed + 8 <= field->width(),
            qPrintable(QStringLiteral("%1: %2").arg(name, field->text())));
    }
}

void TestLayout::longValueShowsItsStart()
{
    auto *w = static_cast<dipo::Window *>(window(QStringLiteral("gayrem")));
    showAndSettle(w);
    auto *field = control<QLineEdit>(w, "Edit23jwb");
    const QString value = QStringLiteral("-1234567890123456789012345678901234567890,25");
    field->setText(value);
    QCOMPARE(field->cursorPosition(), 0);
    QCOMPARE(field->toolTip(), value);
    QVERIFY(field->width() >= dipo::valueFieldWidth(field));
}

void TestLayout::textBoxKeepsItsWheel()
{
    auto *w = static_cast<dipo::Window *>(window(QStringLiteral("TUNEUP")));
    showAndSettle(w);
    prepare(w, QStringLiteral("V-1"));
    auto *box = control<dipo::RichTextBox>(w, "RichEdit1");
    QScrollBar *page = w->scrollBox()->verticalScrollBar();
    QScrollBar *inside = box->verticalScrollBar();
    QVERIFY(inside->maximum() > 0);
    const int pageAt = page->value();
    // Turned down past the box's end: the box goes to its end, the page stays.
    const QPoint centre = box->viewport()->rect().center();
    for (int turn = 0; turn < 60; ++turn) {
        QWheelEvent wheel(centre, box->viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        // As from the mouse: a spontaneous event goes on to the parents when refused.
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        QApplication::sendEvent(box->viewport(), &wheel);
    }
    QCOMPARE(inside->value(), inside->maximum());
    QCOMPARE(page->value(), pageAt);
}

void TestLayout::dialogCentredOnOpener_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("about box from the start screen") << "awal_menu"
                                                     << "info";
    QTest::newRow("thickness dialog from the brake life window") << "umurrem"
                                                                 << "DIALOG1";
}

void TestLayout::dialogCentredOnOpener()
{
    QFETCH(QString, opener);
    QFETCH(QString, dialog);
    auto *from = static_cast<dipo::Window *>(window(opener));
    showAndSettle(from);
    if (dialog == QLatin1String("info")) {
        click(from, "Label2");
    } else {
        auto *thickness = control<QLineEdit>(from, "Edit5");
        thickness->setText(QStringLiteral("60")); // thicker than the block: the dialog shows
    }
    QWidget *shown = window(dialog);
    QVERIFY(shown->isVisible());
    QVERIFY(!shown->isModal());
    QVERIFY(from->screen()->availableGeometry().contains(shown->frameGeometry()));
    const QPoint offset = shown->frameGeometry().center() - from->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4,
        qPrintable(QStringLiteral("%1,%2 off").arg(offset.x()).arg(offset.y())));
    // Sized to its content: nothing of it cut, nothing to resize.
    QCOMPARE(shown->minimumSize(), shown->maximumSize());
}

void TestLayout::pictureOpensLarge()
{
    auto *w = static_cast<dipo::Window *>(window(QStringLiteral("TUNEUP")));
    showAndSettle(w);
    prepare(w, QStringLiteral("V-1"));
    auto *picture = control<dipo::PictureBox>(w, "Image3");
    QVERIFY(picture->isVisible() && picture->hasPicture());
    QTest::mouseClick(picture, Qt::LeftButton);
    auto *viewer = w->findChild<dipo::PictureViewer *>();
    QVERIFY(viewer && viewer->isVisible() && viewer->isWindow() && !viewer->isModal());
    QCOMPARE(viewer->box()->picture(), picture->picture());
    QVERIFY(viewer->width() > picture->width());
    QVERIFY(w->screen()->availableGeometry().contains(viewer->geometry()));
    // The tune-up window goes on working under it.
    QVERIFY(w->isEnabled() && QApplication::activeModalWidget() == nullptr);
}

void TestLayout::noSidewaysScrolling_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("state");
    const char *const rows[][2] = {
        { "awal_menu", "help" },
        { "menu1", "start" },
        { "diagno", "conclusion" },
        { "PM", "component" },
        { "TUNEUP", "start" },
        { "TUNEUP", "V-1" },
        { "DM", "results" },
        { "umurrem", "results" },
        { "gayrem", "results" },
    };
    for (const auto &row : rows)
        QTest::addRow("%s %s", row[0], row[1])
            << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void TestLayout::noSidewaysScrolling()
{
    QFETCH(QString, name);
    QFETCH(QString, state);
    auto *w = static_cast<dipo::Window *>(window(name));
    showAndSettle(w);
    prepare(w, state);
    QCOMPARE(w->scrollBox()->horizontalScrollBar()->maximum(), 0);
    QVERIFY(w->sheet()->width() <= w->scrollBox()->viewport()->width());
}

void TestLayout::menuShowsAllEntries()
{
    auto *w = static_cast<dipo::Window *>(window(QStringLiteral("menu1")));
    showAndSettle(w);
    QWidget *viewport = w->scrollBox()->viewport();
    for (const char *name : { "SpeedButton4", "SpeedButton3", "SpeedButton2", "SpeedButton6",
             "SpeedButton7", "BtnCatatan", "Image2", "Label1", "Label3" }) {
        QWidget *entry = control(w, name);
        QVERIFY2(viewport->rect().contains(rectIn(entry, viewport)), name);
    }
}

void TestLayout::questionStripInView()
{
    auto *w = static_cast<dipo::Window *>(window(QStringLiteral("diagno")));
    showAndSettle(w);
    prepare(w, QStringLiteral("question"));
    // Wherever the page is scrolled, the question and its answers are in the window.
    QScrollBar *page = w->scrollBox()->verticalScrollBar();
    for (int at : { page->minimum(), page->maximum() }) {
        page->setValue(at);
        for (const char *name : { "RichEdit2", "BITBTN1", "BITBTN2", "BitBtn4" }) {
            QWidget *c = control(w, name);
            QVERIFY2(c->isVisible() && !contains(w->scrollBox(), c), name);
            QVERIFY2(w->rect().contains(rectIn(c, w)), name);
        }
    }
}

void TestLayout::companionStaysWithItsOpener_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("companion");
    QTest::newRow("trail beside the diagnosis") << "diagno"
                                                << "riwayat";
    QTest::newRow("tune-up picture") << "TUNEUP"
                                     << "PictureViewer";
    QTest::newRow("maintenance picture") << "PM"
                                         << "PictureViewer";
}

void TestLayout::companionStaysWithItsOpener()
{
    QFETCH(QString, opener);
    QFETCH(QString, companion);
    auto *w = static_cast<dipo::Window *>(window(opener));
    showAndSettle(w);
    if (opener == QLatin1String("diagno")) {
        prepare(w, QStringLiteral("question"));
        click(w, "BitBtnRiwayat");
    } else {
        prepare(
            w, opener == QLatin1String("PM") ? QStringLiteral("component") : QStringLiteral("V-1"));
        click(w, "Image3");
    }
    auto *shown = w->findChild<QWidget *>(companion);
    QVERIFY(shown && shown->isVisible() && shown->isWindow());
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    // Above its opener, with no taskbar entry of its own, and not modal.
    QVERIFY(shown->windowHandle());
    QCOMPARE(shown->windowHandle()->transientParent(), w->windowHandle());
    QCOMPARE(shown->windowType(), Qt::Dialog);
    QVERIFY(!shown->isModal() && QApplication::activeModalWidget() == nullptr);
    const QRect available = w->screen()->availableGeometry();
    QVERIFY(available.contains(shown->frameGeometry()));
    if (companion == QLatin1String("riwayat")) {
        // A useful size where the screen has room for it.
        const QSize least = QSize(560, 480).boundedTo(available.size());
        QVERIFY2(shown->width() >= least.width() && shown->height() >= least.height(),
            qPrintable(QStringLiteral("%1x%2").arg(shown->width()).arg(shown->height())));
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
