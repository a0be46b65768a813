#include "calculators/calcform.h"

#include "common/localenumber.h"
#include "common/richtextbox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dipo::calc::form {

QString defaultText(const char *latin1)
{
    QString t = text(latin1);
    t.replace(QLatin1Char(','), number::decimalSeparator());
    return t;
}

QRect RowLayout::label(int row) const
{
    return QRect(left, top + row * pitch, labelWidth, height);
}

QRect RowLayout::field(int row) const
{
    return QRect(left + labelWidth + gap, top + row * pitch, fieldWidth, height);
}

QRect RowLayout::unit(int row) const
{
    return QRect(left + labelWidth + gap + fieldWidth + gap, top + row * pitch, unitWidth, height);
}

namespace {

QLabel *addLabel(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

} // namespace

void addRowLabels(QWidget *frame, const texts::FieldText &row, const RowLayout &layout, int index)
{
    const QString name = text(row.name);
    addLabel(frame, name + QStringLiteral("Label"), text(row.label), layout.label(index));
    if (*row.unit)
        addLabel(frame, name + QStringLiteral("Unit"), text(row.unit), layout.unit(index));
}

QLineEdit *addEditRow(
    QWidget *frame, const texts::FieldText &row, const RowLayout &layout, int index)
{
    addRowLabels(frame, row, layout, index);
    auto *edit = new QLineEdit(defaultText(row.defaultText), frame);
    edit->setObjectName(text(row.name));
    edit->setGeometry(layout.field(index));
    return edit;
}

QComboBox *addComboRow(QWidget *frame, const texts::FieldText &row, const QStringList &items,
    const RowLayout &layout, int index)
{
    addRowLabels(frame, row, layout, index);
    auto *combo = new QComboBox(frame);
    combo->setObjectName(text(row.name));
    combo->setEditable(true);
    // The list is fixed: what the user types is used, never added to it.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setEditText(defaultText(row.defaultText));
    combo->setGeometry(layout.field(index));
    return combo;
}

QLabel *addTitle(
    QWidget *window, const QString &name, const QString &caption, const QRect &geometry)
{
    QLabel *title = addLabel(window, name, caption, geometry);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral(
        "QLabel { background-color: rgba(0, 0, 0, 200); color: white; font-size: 16pt;"
        " font-weight: bold; border: 2px solid white; }"));
    return title;
}

QPushButton *addButton(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

RichTextBox *addTextBox(QWidget *parent, const QString &name, const QRect &geometry, bool bold)
{
    auto *box = new RichTextBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setReadOnly(true);
    box->setFontSize(9);
    box->setBold(bold);
    keepColoursWhenDisabled(box);
    return box;
}

void setLines(RichTextBox *box, const QStringList &lines)
{
    box->clearLines();
    for (const QString &line : lines)
        box->appendLine(line);
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

void applyCalculatorStyle(QWidget *window)
{
    window->setStyleSheet(QStringLiteral(
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
