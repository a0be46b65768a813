// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/accessibility.h"

#include "common/qtfaults.h"

#include "common/window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMetaObject>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace dipo {
namespace a11y {
namespace {

// The invisible notification a window speaks its news through.
constexpr char kAnnouncer[] = "Announcer";
// What the text field of an editable drop-down list adds to the list's name.
constexpr char kFieldOfList[] = ", kolom isian";

// The first class of Qt's own in the object's class chain: "QFrame" for a picture panel.
QByteArray qtBaseClass(const QObject *object)
{
    for (const QMetaObject *meta = object->metaObject(); meta; meta = meta->superClass()) {
        const QByteArray name(meta->className());
        if (name.startsWith('Q') && !name.contains("::"))
            return name;
    }
    return QByteArray();
}

// A full-screen window is a frame, every other window a dialog.
class WindowFace : public QAccessibleWidget
{
public:
    explicit WindowFace(Window *window)
        : QAccessibleWidget(window, QAccessible::Window)
    { }
    // Asked each time: the face may be made before the window knows what it is.
    QAccessible::Role role() const override
    {
        return static_cast<Window *>(widget())->isFullScreenWindow() ? QAccessible::Window
                                                                     : QAccessible::Dialog;
    }
};

// A panel, page or decoration: a grouping that screen readers pass through, never a
// window of its own.
class PaneFace : public QAccessibleWidget
{
public:
    explicit PaneFace(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Pane)
    { }
    // A scroll area's viewport has its area as focus proxy, and so would claim its focus.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = QApplication::focusWidget() == widget();
        // A tab page's frame hands its focus to its tab bar: the bar is the control.
        if (widget()->focusProxy())
            state.focusable = false;
        return state;
    }
};

// A drop-down list named by its label. For Qt 6.4.2 (qtfaults.h): on Linux its own face names a
// combo box by the item shown, so the lists of a form read "4", "8" and two holding the same item
// read alike. The item stays the value, and the text field of an editable list is the focus within
// it, as in Qt's own face.
class ComboFace : public QAccessibleWidget
{
public:
    explicit ComboFace(QComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    { }

    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        const QString value = combo()->isEditable() && combo()->lineEdit()
            ? combo()->lineEdit()->text()
            : combo()->currentText();
        if (t == QAccessible::Value)
            return value;
        // By its own name, else by its label; a list with neither keeps Qt's way.
        const QString own = QAccessibleWidget::text(t);
        return own.isEmpty() && t == QAccessible::Name ? value : own;
    }
    QAccessibleInterface *focusChild() const override
    {
        if (combo()->hasFocus() && combo()->lineEdit())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return QAccessibleWidget::focusChild();
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.editable = combo()->isEditable();
        // The text field of an editable list is the one focused, not the two of them.
        if (combo()->lineEdit())
            state.focused = false;
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList { showMenuAction() } + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A titled frame, named by its own title. For Qt 6.4.2 (qtfaults.h): a group box inside another
// takes the outer one's title as its name (the three governor groups all read "JENIS-JENIS
// GOVERNOR").
class GroupFace : public QAccessibleWidget
{
public:
    explicit GroupFace(QGroupBox *box)
        : QAccessibleWidget(box, QAccessible::Grouping)
    { }

    QString text(QAccessible::Text t) const override
    {
        auto *box = static_cast<QGroupBox *>(widget());
        if (t == QAccessible::Name && box->accessibleName().isEmpty() && !box->title().isEmpty())
            return QString(box->title()).remove(QLatin1Char('&')).simplified();
        return QAccessibleWidget::text(t);
    }
};

// A picture that is no button: a graphic, named by what it shows.
class PictureFace : public QAccessibleWidget
{
public:
    explicit PictureFace(QWidget *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    { }
};

bool isPassword(const QLineEdit *field)
{
    return field->echoMode() != QLineEdit::Normal;
}

// A line edit as Qt presents it, with the text interface written here. For Qt 6.4.2 (qtfaults.h):
// its own word query at the end of the text loops for ever (100 % CPU, the program hangs), and Orca
// read values through it one character short. Every query here is bounded by the text's length and
// gives whole words and the whole line. A password field offers only its mask.
class LineEditFace : public QAccessibleWidget,
                     public QAccessibleTextInterface,
                     public QAccessibleEditableTextInterface
{
public:
    explicit LineEditFace(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface && !field()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return shown();
        const QString own = QAccessibleWidget::text(t);
        // The text field of an editable drop-down list is named and described by the list,
        // its name told apart from the list's: "Jumlah Silinder (Z), kolom isian".
        if (own.isEmpty() && (t == QAccessible::Name || t == QAccessible::Description)) {
            if (auto *combo = qobject_cast<QComboBox *>(field()->parentWidget())) {
                // By the list's own name, which falls back to its label.
                if (QAccessibleInterface *list = QAccessible::queryAccessibleInterface(combo)) {
                    const QString listText = list->text(t);
                    if (t == QAccessible::Name && !listText.isEmpty())
                        return listText + QLatin1String(kFieldOfList);
                    return listText;
                }
            }
        }
        // A field's tooltip repeats its value; its description is what the field adds.
        if (t == QAccessible::Description && field()->accessibleDescription().isEmpty())
            return field()->property("dipoHint").toString();
        return own;
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        if (!field()->isReadOnly())
            field()->setText(text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !field()->isReadOnly();
        state.readOnly = field()->isReadOnly();
        state.passwordEdit = isPassword(field());
        state.selectableText = true;
        return state;
    }

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !field()->hasSelectedText())
            return;
        *startOffset = field()->selectionStart();
        *endOffset = *startOffset + field()->selectedText().size();
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            field()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        const int start = clampOffset(startOffset);
        field()->setSelection(start, clampOffset(endOffset) - start);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override
    {
        field()->setCursorPosition(clampOffset(position));
    }
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = shown();
        const int start = clampOffset(startOffset);
        const int end = endOffset < 0 ? int(all.size()) : clampOffset(endOffset);
        return end > start ? all.mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int offset) const override
    {
        const QString all = shown();
        const QRect contents = textArea();
        const QFontMetrics metrics = field()->fontMetrics();
        const int x = contents.left() + metrics.horizontalAdvance(all.left(clampOffset(offset)));
        const int width = offset < all.size() ? metrics.horizontalAdvance(all.at(offset)) : 1;
        const QRect local(x, contents.top(), width, contents.height());
        return QRect(field()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint local = field()->mapFromGlobal(point);
        if (!field()->rect().contains(local))
            return -1;
        const QString all = shown();
        const int x = local.x() - textArea().left();
        const QFontMetrics metrics = field()->fontMetrics();
        for (int offset = 0; offset < all.size(); ++offset) {
            if (metrics.horizontalAdvance(all.left(offset + 1)) > x)
                return offset;
        }
        return int(all.size());
    }
    void scrollToSubstring(int startIndex, int) override { setCursorPosition(startIndex); }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        Q_UNUSED(offset);
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

    // The queries by boundary, each bounded by the text's length.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        const QString all = shown();
        if (offset == -2)
            offset = cursorPosition();
        offset = clampOffset(offset);
        segment(all, offset, boundary, startOffset, endOffset);
        return all.mid(*startOffset, *endOffset - *startOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        const QString all = shown();
        if (offset == -2)
            offset = cursorPosition();
        int start = 0;
        int end = 0;
        segment(all, clampOffset(offset), boundary, &start, &end);
        if (start == 0) {
            *startOffset = *endOffset = 0;
            return QString();
        }
        segment(all, start - 1, boundary, startOffset, endOffset);
        return all.mid(*startOffset, *endOffset - *startOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        const QString all = shown();
        if (offset == -2)
            offset = cursorPosition();
        int start = 0;
        int end = 0;
        segment(all, clampOffset(offset), boundary, &start, &end);
        if (end >= all.size()) {
            *startOffset = *endOffset = int(all.size());
            return QString();
        }
        segment(all, end, boundary, startOffset, endOffset);
        return all.mid(*startOffset, *endOffset - *startOffset);
    }

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, QString());
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (field()->isReadOnly())
            return;
        const int start = clampOffset(startOffset);
        const int end = qMax(start, clampOffset(endOffset));
        QString value = field()->text();
        value.replace(start, end - start, text);
        field()->setText(value);
    }

private:
    // What the field shows: its text, or the mask of a password.
    QString shown() const { return isPassword(field()) ? field()->displayText() : field()->text(); }
    int clampOffset(int offset) const { return qBound(0, offset, characterCount()); }
    QRect textArea() const
    {
        QStyleOptionFrame option;
        option.initFrom(field());
        option.rect = field()->contentsRect();
        option.lineWidth = field()->hasFrame()
            ? field()->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field())
            : 0;
        return field()
            ->style()
            ->subElementRect(QStyle::SE_LineEditContents, &option, field())
            .marginsRemoved(field()->textMargins());
    }

    // The word (or character) around the offset; a whole line for the longer units, as the
    // field has one line. At the end a word query gives the last word.
public:
    static void segment(const QString &all, int offset, QAccessible::TextBoundaryType boundary,
        int *startOffset, int *endOffset)
    {
        const int length = int(all.size());
        switch (boundary) {
        case QAccessible::CharBoundary:
            *startOffset = offset;
            *endOffset = qMin(offset + 1, length);
            return;
        case QAccessible::WordBoundary: {
            if (length == 0) {
                *startOffset = *endOffset = 0;
                return;
            }
            const int at = qMin(offset, length - 1);
            QTextBoundaryFinder finder(QTextBoundaryFinder::Word, all);
            int start = at;
            for (finder.setPosition(start); start > 0 && !finder.isAtBoundary();
                 finder.setPosition(--start)) { }
            int end = at + 1;
            for (finder.setPosition(end); end < length && !finder.isAtBoundary();
                 finder.setPosition(++end)) { }
            *startOffset = start;
            *endOffset = end;
            return;
        }
        default: {
            // The line around the offset, with its line break.
            const int at = qMin(offset, qMax(0, length - 1));
            const int previousBreak = at > 0 ? int(all.lastIndexOf(QLatin1Char('\n'), at - 1)) : -1;
            const int nextBreak = int(all.indexOf(QLatin1Char('\n'), at));
            *startOffset = previousBreak + 1;
            *endOffset = nextBreak < 0 ? length : nextBreak + 1;
            return;
        }
        }
    }
};

// A read-only document view (the trail of a diagnosis with its table): its text as lines,
// the table's frame marks made line breaks, position for position, so nothing of the
// document's private-use characters reaches a screen reader.
class DocumentViewFace : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DocumentViewFace(QTextEdit *view)
        : QAccessibleWidget(view, QAccessible::EditableText)
    { }

    QTextEdit *view() const { return static_cast<QTextEdit *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString();
        return QAccessibleWidget::text(t);
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = view()->textCursor();
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && cursor.hasSelection()) {
            *startOffset = cursor.selectionStart();
            *endOffset = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return view()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override
    {
        QTextCursor cursor = view()->textCursor();
        cursor.clearSelection();
        view()->setTextCursor(cursor);
    }
    void setSelection(int, int startOffset, int endOffset) override
    {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(clampOffset(startOffset));
        cursor.setPosition(clampOffset(endOffset), QTextCursor::KeepAnchor);
        view()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return view()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(clampOffset(position));
        view()->setTextCursor(cursor);
    }
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = shown();
        const int start = clampOffset(startOffset);
        const int end = endOffset < 0 ? int(all.size()) : clampOffset(endOffset);
        return end > start ? all.mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(view()->document());
        cursor.setPosition(clampOffset(offset));
        const QRect local = view()->cursorRect(cursor);
        return QRect(view()->viewport()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint local = view()->viewport()->mapFromGlobal(point);
        return view()->cursorForPosition(local).position();
    }
    void scrollToSubstring(int startIndex, int) override
    {
        setCursorPosition(startIndex);
        view()->ensureCursorVisible();
    }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        const QString all = shown();
        if (offset == -2)
            offset = cursorPosition();
        LineEditFace::segment(all, clampOffset(offset), boundary, startOffset, endOffset);
        return all.mid(*startOffset, *endOffset - *startOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        const QString all = shown();
        int start = 0;
        int end = 0;
        LineEditFace::segment(
            all, clampOffset(offset == -2 ? cursorPosition() : offset), boundary, &start, &end);
        if (start == 0) {
            *startOffset = *endOffset = 0;
            return QString();
        }
        LineEditFace::segment(all, start - 1, boundary, startOffset, endOffset);
        return all.mid(*startOffset, *endOffset - *startOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        const QString all = shown();
        int start = 0;
        int end = 0;
        LineEditFace::segment(
            all, clampOffset(offset == -2 ? cursorPosition() : offset), boundary, &start, &end);
        if (end >= all.size()) {
            *startOffset = *endOffset = int(all.size());
            return QString();
        }
        LineEditFace::segment(all, end, boundary, startOffset, endOffset);
        return all.mid(*startOffset, *endOffset - *startOffset);
    }

private:
    QString shown() const { return plainForReading(view()->document()->toPlainText()); }
    int clampOffset(int offset) const { return qBound(0, offset, characterCount()); }
};

QAccessibleInterface *faceFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || widget->property("dipoButton").toBool())
        return nullptr;
    if (auto *window = qobject_cast<Window *>(widget); window && window->isWindow())
        return new WindowFace(window);
    if (auto *field = qobject_cast<QLineEdit *>(widget); field && qtfaults::kLineEditTextQueries)
        return new LineEditFace(field);
    if (auto *view = qobject_cast<QTextBrowser *>(widget))
        return new DocumentViewFace(view);
    if (auto *combo = qobject_cast<QComboBox *>(widget); combo && qtfaults::kComboNamedByItem)
        return new ComboFace(combo);
    if (auto *box = qobject_cast<QGroupBox *>(widget);
        box && !box->isCheckable() && qtfaults::kInnerGroupNamedByOuter)
        return new GroupFace(box);
    if (widget->inherits("dipo::PictureBox") && !widget->accessibleName().isEmpty())
        return new PictureFace(widget);
    if (widget->objectName() == QLatin1String(kAnnouncer))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    const QByteArray base = qtBaseClass(widget);
    if (widget->isWindow()) {
        // A window of the program's own that is no dipo::Window (the picture viewer).
        if (base == "QWidget"
            && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog))
            return new QAccessibleWidget(widget, QAccessible::Dialog);
        return nullptr;
    }
    // Qt's face of a button box reports the focus of its button as its own.
    if (base == "QWidget" || base == "QFrame" || base == "QScrollArea"
        || (base == "QDialogButtonBox" && qtfaults::kButtonBoxClaimsFocus) || base == "QTabWidget")
        return new PaneFace(widget);
    return nullptr;
}

// The windows as a screen reader names them, by object name.
struct WindowName
{
    const char *objectName;
    const char *name;
};
constexpr WindowName kWindowNames[] = {
    { "awal_menu", "Layar awal — Dipo" },
    { "menu1", "Menu utama — Dipo" },
    { "diagno", "Diagnosa kerusakan — Dipo" },
    { "PM", "Panduan perawatan — Dipo" },
    { "TUNEUP", "Tune-up — Dipo" },
    { "umurrem", "Umur kampas rem — Dipo" },
    { "gayrem", "Gaya rem dan jarak pengereman — Dipo" },
    { "DM", "Daya mesin diesel — Dipo" },
    { "DIALOG1", "Peringatan ketebalan kampas rem" },
    { "info", "Tentang Dipo" },
    { "riwayat", "Riwayat diagnosa" },
    { "PictureViewer", "Gambar diperbesar" },
    { "catatan", "Catatan bengkel — Dipo" },
};

// What a password field's text events carry: the mask, never the typed characters.
QAccessible::UpdateHandler g_previousHandler = nullptr;

void forward(QAccessibleEvent *event);

// The control that last reported its focus.
QPointer<QObject> g_focused;

// For Qt 6.4.2 (qtfaults.h): a line edit that Tab enters selects its text, and reports the
// selection and the caret before its focus. Orca then takes it as already known and says nothing
// when the focus comes. Until the focus is reported, the field's selection is not news.
bool isNewsBeforeFocus(QAccessibleEvent *event)
{
    if (!qtfaults::kSelectionBeforeFocus)
        return false;
    if (event->type() == QAccessible::Focus) {
        g_focused = event->object();
        return false;
    }
    if (event->type() != QAccessible::TextCaretMoved
        && event->type() != QAccessible::TextSelectionChanged)
        return false;
    auto *field = qobject_cast<QLineEdit *>(event->object());
    return field && static_cast<QObject *>(field) != g_focused
        && !qobject_cast<QComboBox *>(field->parentWidget());
}

void maskPasswordEvents(QAccessibleEvent *event)
{
    if (isNewsBeforeFocus(event))
        return;
    auto *field = qobject_cast<QLineEdit *>(event->object());
    if (!field || !isPassword(field)) {
        forward(event);
        return;
    }
    const QChar mask = field->displayText().isEmpty() ? QChar(0x25cf) : field->displayText().at(0);
    const auto masked = [mask](const QString &text) { return QString(text.size(), mask); };
    switch (event->type()) {
    case QAccessible::TextInserted: {
        auto *inserted = static_cast<QAccessibleTextInsertEvent *>(event);
        QAccessibleTextInsertEvent safe(
            field, inserted->changePosition(), masked(inserted->textInserted()));
        forward(&safe);
        return;
    }
    case QAccessible::TextRemoved: {
        auto *removed = static_cast<QAccessibleTextRemoveEvent *>(event);
        QAccessibleTextRemoveEvent safe(
            field, removed->changePosition(), masked(removed->textRemoved()));
        forward(&safe);
        return;
    }
    case QAccessible::TextUpdated: {
        auto *updated = static_cast<QAccessibleTextUpdateEvent *>(event);
        QAccessibleTextUpdateEvent safe(field, updated->changePosition(),
            masked(updated->textRemoved()), masked(updated->textInserted()));
        forward(&safe);
        return;
    }
    case QAccessible::ValueChanged:
        return;
    default:
        forward(event);
        return;
    }
}

void forward(QAccessibleEvent *event)
{
    if (g_previousHandler) {
        g_previousHandler(event);
        return;
    }
    // Without a handler, Qt hands the event to the platform's bridge (AT-SPI).
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(maskPasswordEvents);
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(faceFactory);
        g_previousHandler = QAccessible::installUpdateHandler(maskPasswordEvents);
        return true;
    }();
    Q_UNUSED(installed);
}

QString windowName(const QString &objectName)
{
    for (const WindowName &entry : kWindowNames) {
        if (objectName == QLatin1String(entry.objectName))
            return QString::fromUtf8(entry.name);
    }
    return QString();
}

void announce(QWidget *window, const QString &text)
{
    window = window->window();
    auto *announcer
        = window->findChild<QWidget *>(QLatin1String(kAnnouncer), Qt::FindDirectChildrenOnly);
    if (!announcer) {
        // Outside every layout, without size or focus: it only speaks.
        announcer = new QWidget(window);
        announcer->setObjectName(QLatin1String(kAnnouncer));
        announcer->setFocusPolicy(Qt::NoFocus);
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->setGeometry(0, 0, 0, 0);
    }
    // Orca speaks a notification as it is shown, with its name.
    announcer->hide();
    announcer->setAccessibleName(plainForReading(text).simplified());
    if (window->isVisible())
        announcer->show();
}

QString plainForReading(const QString &text)
{
    // Character for character, so that offsets stay those of the document.
    QString plain = text;
    for (QChar &c : plain) {
        const char16_t code = c.unicode();
        if (code == 0xfdd0 || code == 0xfdd1 || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = u'\n';
        else if (c.category() == QChar::Other_PrivateUse || (code >= 0xfdd2 && code <= 0xfdef))
            c = u' ';
        else if (c == QChar::Nbsp)
            c = u' ';
    }
    return plain;
}

} // namespace a11y
} // namespace dipo
