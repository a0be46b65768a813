// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/window.h"

#include "common/logic/settings.h"

#include "common/accessibility.h"
#include "common/keys.h"
#include "common/logic/localenumber.h"
#include "common/picturebox.h"
#include "common/logic/pictures.h"
#include "common/logic/savefolder.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <QtMath>

#include <cmath>
#include <utility>

namespace dipo {
namespace {

// The design size of a full-screen window: its size when it is not maximised.
constexpr QSize kPreferredSize(1024, 768);

// A text box on a scrolling page keeps the wheel turns it can scroll by itself, also at
// its ends, so the page never moves under the reader.
class WheelKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel) {
            auto *area = static_cast<QAbstractScrollArea *>(watched);
            if (area->verticalScrollBar()->maximum() > 0) {
                event->accept();
                return true;
            }
        }
        return false;
    }
};

// Keeps a value field's width, tooltip and shown part in step with its font and text.
class ValueFieldWatcher : public QObject
{
public:
    ValueFieldWatcher(QLineEdit *field, ValueFieldWidth width)
        : QObject(field)
        , m_field(field)
        , m_width(width)
    {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, &ValueFieldWatcher::showText);
        // A field not yet polished gets its width when it is, in the font it shows.
        if (field->testAttribute(Qt::WA_WState_Polished))
            fitWidth();
        showText();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Polish:
        case QEvent::FontChange:
        case QEvent::StyleChange:
            fitWidth();
            break;
        case QEvent::Resize:
        case QEvent::FocusOut:
            showStart();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void fitWidth()
    {
        const int full = valueFieldWidth(m_field);
        if (m_width == ValueFieldWidth::Value) {
            m_field->setMinimumWidth(full);
            m_field->setMaximumWidth(full * 3 / 2);
        } else {
            // The field's frame and margins around ten digits.
            const QFontMetrics metrics = m_field->fontMetrics();
            const int frame = full - metrics.horizontalAdvance(longestValue());
            m_field->setMinimumWidth(
                frame + metrics.horizontalAdvance(QStringLiteral("8888888888")));
            m_field->setMaximumWidth(full);
        }
    }
    void showText()
    {
        // An input field's hint (its unit and the decimal separator) follows the value.
        const QString hint = m_field->property("dipoHint").toString();
        const QString value = m_field->text();
        m_field->setToolTip(hint.isEmpty() ? value
                : value.isEmpty()          ? hint
                                           : value + QLatin1Char('\n') + hint);
        // A value the program wrote shows its start; what the user types stays as typed.
        if (!m_field->isModified())
            showStart();
    }
    void showStart()
    {
        // What the user is typing stays where the cursor is.
        if (!m_field->hasFocus())
            m_field->setCursorPosition(0);
    }

    QLineEdit *m_field;
    ValueFieldWidth m_width;
};

// Holds a strip under the page at its least height, so that the page keeps all the
// room a taller strip would take from it.
class StripHolder : public QWidget
{
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return minimumSizeHint(); }
};

} // namespace

QString longestValue()
{
    // Sign, 15 digits with the separator, and the exponent.
    return QStringLiteral("-8%18888888888888E-308").arg(number::decimalSeparator());
}

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

Window::Window(const QString &componentName, const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(componentName);
    setWindowTitle(caption);
    a11y::install();
    setAccessibleName(a11y::windowName(componentName));
}

void Window::setFullScreenGeometry()
{
    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox"));
    m_scrollBox->setFrameShape(QFrame::NoFrame);
    m_scrollBox->setWidgetResizable(true);
    // Tab goes through the page's controls and the page scrolls to the focused one; the
    // scroll area itself is no stop.
    m_scrollBox->setFocusPolicy(Qt::NoFocus);
    // The window's background shows through the page and stays put while it scrolls.
    m_scrollBox->viewport()->setAutoFillBackground(false);
    m_sheet = new QWidget;
    m_sheet->setObjectName(QStringLiteral("Sheet"));
    m_scrollBox->setWidget(m_sheet);
    m_sheet->setAutoFillBackground(false); // setWidget() turned it on
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollBox);

    // Not maximised (the user's choice), the window has its design size where there is room.
    QSize normal = kPreferredSize;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        normal = normal.boundedTo(screen->availableGeometry().size());
    resize(normal);
    setWindowState(Qt::WindowMaximized);
}

void Window::setFixedStrip(QWidget *strip, const QMargins &margins)
{
    auto *outer = static_cast<QVBoxLayout *>(layout());
    outer->setSpacing(0);
    auto *holder = new StripHolder(this);
    holder->setObjectName(QStringLiteral("StripHolder"));
    holder->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *place = new QVBoxLayout(holder);
    place->setContentsMargins(margins);
    strip->setParent(holder);
    place->addWidget(strip);
    outer->addWidget(holder);
    // While the page scrolls, the strip keeps clear of the scroll bar, in line with the
    // panels above it.
    QScrollBar *bar = m_scrollBox->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, holder, [place, margins, bar](int, int maximum) {
        QMargins shown = margins;
        if (maximum > 0)
            shown.setRight(shown.right() + bar->sizeHint().width());
        place->setContentsMargins(shown);
    });
}

void Window::setDialogGeometry()
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    if (layout())
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Its size is worked out when it is first shown.
    m_fitPending = true;
}

void Window::setCompanionGeometry(const QSize &preferred, const QSize &minimum)
{
    m_companion = true;
    m_preferredSize = preferred;
    m_minimumSize = minimum;
    makeCompanion(this);
    // A companion still open when the program ends opens there next time.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (isVisible())
            saveCompanionPlace(this);
    });
}

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

int execDialog(QDialog &dialog)
{
    QPointer<QWidget> owner
        = dialog.parentWidget() ? dialog.parentWidget()->window() : QApplication::activeWindow();
    QPointer<QWidget> focused = owner ? owner->focusWidget() : nullptr;
    const int result = dialog.exec();
    if (owner && owner->isVisible()) {
        owner->raise();
        owner->activateWindow();
        if (focused && focused->isVisible() && focused->isEnabled())
            focused->setFocus(Qt::ActiveWindowFocusReason);
    }
    return result;
}

QString askSavePath(
    QWidget *parent, const QString &title, const QString &filter, const QString &fileName)
{
    const QString folder = files::saveFolder();
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QFileInfo(fileName).suffix());
    dialog.selectFile(QDir(folder).filePath(fileName));
    if (execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void Window::fitToContent()
{
    // Styled fonts first; then the inner layouts before the outer ones, so that a panel
    // with a layout of its own tells its frame how large it is.
    m_fitPending = false;
    ensurePolished();
    const QList<QWidget *> inner = findChildren<QWidget *>();
    for (auto it = inner.crbegin(); it != inner.crend(); ++it)
        if ((*it)->layout())
            (*it)->layout()->activate();
    adjustSize();
}

void Window::setBackground(const QString &decorationName)
{
    m_background.setDecoration(decorationName);
    update();
}

void Window::showWindow(const QWidget *opener)
{
    if (!isVisible() && m_companion) {
        attachToOpener(this);
        restoreCompanionPlace(this, m_preferredSize, m_minimumSize);
    } else if (!isVisible() && !isFullScreenWindow()) {
        fitToContent();
        centreOn(opener);
        m_opener = const_cast<QWidget *>(opener ? opener->window() : QApplication::activeWindow());
        if (m_opener == this)
            m_opener = nullptr;
    }
    show();
    raise();
    activateWindow();
}

void Window::centreOn(const QWidget *opener)
{
    if (!opener)
        opener = QApplication::activeWindow();
    if (opener == this)
        opener = nullptr;
    const QScreen *screen = opener ? opener->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QRect over = opener ? opener->frameGeometry() : available;
    QRect placed(QPoint(0, 0), frameSize().expandedTo(size()));
    placed.moveCenter(over.center());
    // Kept on the screen, its title bar first.
    placed.moveLeft(qBound(available.left(), placed.left(),
        qMax(available.left(), available.right() - placed.width() + 1)));
    placed.moveTop(qBound(available.top(), placed.top(),
        qMax(available.top(), available.bottom() - placed.height() + 1)));
    move(placed.topLeft());
}

void Window::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the focused button, as Space does; a button that takes Enter itself
    // (a dialog's default button) never lets it come here.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto *button = qobject_cast<QAbstractButton *>(focusWidget())) {
            if (button->isEnabled() && button->isVisible()) {
                button->click();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

void Window::setStyleSheetWhenShown(const QString &styleSheet)
{
    if (isVisible())
        setStyleSheet(styleSheet);
    else
        m_styleSheetWhenShown = styleSheet;
}

void Window::setVisible(bool visible)
{
    // Before the window is polished for its first showing, so that its controls are
    // polished once, with their style.
    // Its pictures are decoded on other threads while it is polished and laid out.
    if (visible && !m_shownBefore) {
        m_shownBefore = true;
        pictures::prefetchDecorations(decorationsShown());
    }
    if (visible && !m_styleSheetWhenShown.isEmpty())
        setStyleSheet(std::exchange(m_styleSheetWhenShown, QString()));
    // A dialog takes the size of its content, in its styled fonts.
    if (visible && m_fitPending)
        fitToContent();
    QWidget::setVisible(visible);
}

QStringList Window::decorationsShown() const
{
    QStringList names;
    const auto add = [&names](const QString &name) {
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    };
    add(m_background.decoration());
    for (const QWidget *w : findChildren<QWidget *>()) {
        if (!w->isVisibleTo(this))
            continue;
        if (const auto *panel = qobject_cast<const PicturePanel *>(w))
            add(panel->decoration());
        else if (const auto *label = qobject_cast<const ClickLabel *>(w))
            add(label->decoration());
        else if (const auto *box = qobject_cast<const PictureBox *>(w))
            add(box->decoration());
    }
    return names;
}

void Window::paintEvent(QPaintEvent *)
{
    if (m_background.isNull())
        return;
    QPainter painter(this);
    m_background.paint(painter, rect(), PictureFit::Cover);
}

void Window::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    if (m_companion)
        saveCompanionPlace(this);
    // A dialog closed from the keyboard gives the keys back to the window that opened it,
    // not to whichever window the window manager picks.
    const QWidget *active = QApplication::activeWindow();
    if (m_opener && m_opener->isVisible() && (active == this || active == nullptr))
        m_opener->activateWindow();
}

void Window::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The focus shows from the start, not only after the first Tab, and clearly: the
    // style's own mark on a button is a thin line that is easily missed.
    setAttribute(Qt::WA_KeyboardFocusChange);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        if (!qobject_cast<QToolButton *>(button))
            keys::showFocusFrame(button);
    if (!m_sheet)
        return;
    if (!m_wheelKeeper)
        m_wheelKeeper = new WheelKeeper(this);
    for (QAbstractScrollArea *area : m_sheet->findChildren<QAbstractScrollArea *>())
        area->installEventFilter(m_wheelKeeper);
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

int valueFieldWidth(const QLineEdit *field)
{
    const QString longest = longestValue();
    const QMargins text = field->textMargins();
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame()
        ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field)
        : 0;
    // QLineEdit keeps 2 pixels free on either side of its text.
    const QSize contents(
        field->fontMetrics().horizontalAdvance(longest) + 4 + text.left() + text.right() + 2,
        field->fontMetrics().height());
    return field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, field).width()
        + 2 * option.lineWidth;
}

void makeValueField(QLineEdit *field, ValueFieldWidth width)
{
    static const char *const kWatched = "dipoValueField";
    if (field->property(kWatched).toBool())
        return;
    field->setProperty(kWatched, true);
    new ValueFieldWatcher(field, width);
}

} // namespace dipo
