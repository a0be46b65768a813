// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/valuefield.h"

#include "common/logic/localenumber.h"

#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace dipo {

namespace {

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

} // namespace

QString longestValue()
{
    // Sign, 15 digits with the separator, and the exponent.
    return QStringLiteral("-8%18888888888888E-308").arg(number::decimalSeparator());
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
