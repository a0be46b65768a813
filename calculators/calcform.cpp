// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/calcform.h"

#include "calculators/logic/sheettexts.h"
#include "common/accessibility.h"
#include "common/errorreport.h"
#include "common/keys.h"
#include "common/logic/localenumber.h"
#include "common/richtextbox.h"
#include "common/window.h"
#include "common/valuefield.h"

#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace dipo::calc::form {

using dipo::makeValueField;
using dipo::ValueFieldWidth;

QString defaultText(const char *latin1)
{
    QString t = text(latin1);
    t.replace(QLatin1Char(','), number::decimalSeparator());
    return t;
}

namespace {

QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

// A result's caption: on one line where the row has room, on two (or more) where the
// screen is too narrow for the window otherwise. A plain word-wrapped label would wrap
// even with room to spare.
class ResultCaption : public QLabel
{
public:
    using QLabel::QLabel;

    QSize sizeHint() const override
    {
        const QMargins m = contentsMargins();
        const int width = fontMetrics().horizontalAdvance(text()) + 1 + m.left() + m.right()
            + 2 * margin();
        return QSize(width, heightForWidth(width));
    }
};

// Room for a typed number of ten digits and the drop-down button.
int comboWidth(const QWidget *combo)
{
    return combo->fontMetrics().horizontalAdvance(QStringLiteral("8888888888")) + 40;
}

} // namespace

Rows::Rows(QWidget *frame)
    : m_frame(frame)
    , m_grid(new QGridLayout(frame))
{
    m_grid->setHorizontalSpacing(5);
    m_grid->setVerticalSpacing(4);
    m_grid->setContentsMargins(8, 16, 8, 8);
    m_grid->setColumnStretch(1, 1);
}

void Rows::addRow(const texts::FieldText &row, QWidget *field, Caption caption)
{
    const QString name = text(row.name);
    field->setObjectName(name);
    QLabel *label = nullptr;
    if (caption == Caption::WrapsWhenNarrow) {
        label = new ResultCaption(text(row.label), m_frame);
        label->setObjectName(name + QStringLiteral("Label"));
        label->setWordWrap(true);
    } else {
        label = addLabel(m_frame, name + QStringLiteral("Label"), text(row.label));
    }
    keys::nameField(label, field, text(row.unit));
    m_grid->addWidget(label, m_row, 0);
    m_grid->addWidget(field, m_row, 1);
    if (*row.unit)
        m_grid->addWidget(
            addLabel(m_frame, name + QStringLiteral("Unit"), text(row.unit)), m_row, 2);
    ++m_row;
}

QLineEdit *Rows::addEdit(const texts::FieldText &row)
{
    auto *edit = new QLineEdit(defaultText(row.defaultText), m_frame);
    addRow(row, edit);
    makeValueField(edit, ValueFieldWidth::Input);
    m_inputs << edit;
    return edit;
}

QLineEdit *Rows::addValue(const texts::FieldText &row)
{
    auto *edit = new QLineEdit(defaultText(row.defaultText), m_frame);
    edit->setReadOnly(true); // before it is named, so it gets no input hint
    addRow(row, edit, Caption::WrapsWhenNarrow);
    edit->setReadOnly(false);
    makeValueField(edit);
    return edit;
}

QComboBox *Rows::addCombo(const texts::FieldText &row, const QStringList &items)
{
    auto *combo = new QComboBox(m_frame);
    addRow(row, combo);
    // Editable, through a line edit of its own: setEditable() would also build the
    // drop-down list's popup now, long before it is ever opened.
    combo->setLineEdit(new QLineEdit(combo));
    // The list is fixed: what the user types is used, never added to it.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setEditText(defaultText(row.defaultText));
    combo->setMinimumWidth(comboWidth(combo));
    m_inputs << combo;
    return combo;
}

QLabel *addTitle(QWidget *window, const QString &name, const QString &caption)
{
    QLabel *title = addLabel(window, name, caption);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral(
        "QLabel { background-color: rgba(0, 0, 0, 200); color: white; font-size: 16pt;"
        " font-weight: bold; border: 2px solid white; }"));
    return title;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumHeight(32);
    return button;
}

RichTextBox *addTextBox(QWidget *parent, const QString &name, bool bold)
{
    auto *box = new RichTextBox(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFontSize(9);
    box->setBold(bold);
    keepColoursWhenDisabled(box);
    return box;
}

namespace {

// A list that, as it takes the focus, tells a screen reader its current line too: Qt 6.4.2
// reports only the list, and Orca says "list with 12 items" but no value.
class SummaryList : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QListWidget::focusInEvent(event);
        QTimer::singleShot(0, this, [this] {
            if (!hasFocus() || currentRow() < 0 || !QAccessible::isActive())
                return;
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(currentRow());
            QAccessible::updateAccessibility(&focus);
        });
    }
};

} // namespace

QListWidget *addResultSummary(QWidget *parent, QWidget *resultFrame)
{
    auto *list = new SummaryList(parent);
    list->setObjectName(QStringLiteral("ListHasil"));
    list->setAccessibleName(sheet_texts::summaryName);
    list->setAccessibleDescription(sheet_texts::summaryDescription);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFocusPolicy(Qt::StrongFocus);
    list->setMaximumHeight(list->fontMetrics().height() * 6);
    keys::showFocusFrame(list);
    list->hide();
    const QList<QLineEdit *> fields = resultFrame->findChildren<QLineEdit *>();
    // Without a current line: Tab into the list makes the first one current, and a screen
    // reader speaks it.
    const auto follow = [list, fields] {
        list->clear();
        for (const QLineEdit *field : fields) {
            if (field->text().isEmpty())
                continue;
            QString line = field->accessibleName() + QStringLiteral(": ") + field->text();
            if (!field->accessibleDescription().isEmpty())
                line += QLatin1Char(' ') + field->accessibleDescription();
            list->addItem(line);
        }
        list->setVisible(list->count() > 0);
    };
    for (const QLineEdit *field : fields)
        QObject::connect(field, &QLineEdit::textChanged, list, follow);
    return list;
}

void tellResults(QWidget *window, QWidget *resultFrame, const RichTextBox *conclusion,
    const QStringList &notes)
{
    QStringList words;
    if (conclusion)
        words << conclusion->toPlainText().simplified();
    words << notes;
    for (const QLineEdit *result : resultFrame->findChildren<QLineEdit *>()) {
        if (result->text().isEmpty())
            continue;
        QString item = result->accessibleName() + QLatin1Char(' ') + result->text();
        if (!result->accessibleDescription().isEmpty())
            item += QLatin1Char(' ') + result->accessibleDescription();
        words << item;
    }
    a11y::announce(window, words.join(QStringLiteral(". ")));
}

void setLines(RichTextBox *box, const QStringList &lines)
{
    box->clearLines();
    for (const QString &line : lines)
        box->appendLine(line);
}

namespace {

QWidget *&fieldBeingRead()
{
    static QWidget *field = nullptr;
    return field;
}

} // namespace

QString read(QLineEdit *field)
{
    fieldBeingRead() = field;
    return field->text();
}

QString read(QComboBox *field)
{
    fieldBeingRead() = field;
    return field->currentText();
}

void guard(const std::function<void()> &handler)
{
    QWidget *refused = nullptr;
    fieldBeingRead() = nullptr;
    errorreport::guard([&] {
        try {
            handler();
        } catch (const ConversionError &) {
            refused = fieldBeingRead();
            throw;
        }
    });
    fieldBeingRead() = nullptr;
    if (!refused || !refused->isEnabled())
        return;
    refused->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(refused))
        edit->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(refused); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

void enterPresses(const QList<QWidget *> &fields, QPushButton *button)
{
    for (QWidget *field : fields) {
        QLineEdit *edit = qobject_cast<QLineEdit *>(field);
        if (auto *combo = qobject_cast<QComboBox *>(field))
            edit = combo->lineEdit();
        if (edit)
            QObject::connect(edit, &QLineEdit::returnPressed, button, &QPushButton::click);
    }
}

void keepColoursWhenDisabled(QWidget *widget)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role :
        { QPalette::Text, QPalette::WindowText, QPalette::Base, QPalette::Window }) {
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    }
    widget->setPalette(palette);
}

void applyCalculatorStyle(Window *window)
{
    window->setStyleSheetWhenShown(QStringLiteral(
        "QGroupBox { background-color: rgba(0, 0, 0, 170); border: 2px solid black;"
        " margin-top: 12px; font-weight: bold; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 1px 6px;"
        " color: white; background-color: black; }"
        "QGroupBox QLabel { color: white; font-weight: bold; background: transparent; }"
        "QLineEdit, QComboBox { color: #0000b0; font-weight: bold; }"
        "QLineEdit:disabled { color: #0000b0; background-color: white; }"
        "QPushButton { font-weight: bold; }"));
}

} // namespace dipo::calc::form
