// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/errorreport.h"

#include "common/dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace dipo::errorreport {
namespace {

Sink &sink()
{
    static Sink installed;
    return installed;
}

// A box shows at most this much of a message, so that it stays on the screen with its
// OK button whatever an outside text put into the message.
constexpr qsizetype kMostShownCharacters = 1000;
constexpr qsizetype kMostShownLines = 30;

QString shownInBox(const QString &text)
{
    QString shown = text.left(kMostShownCharacters);
    qsizetype lineBreaks = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown.at(i) == QLatin1Char('\n') && ++lineBreaks == kMostShownLines) {
            shown.truncate(i);
            break;
        }
    }
    if (shown.size() < text.size())
        shown += QChar(0x2026);
    return shown;
}

} // namespace

QString displayText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

QString caption()
{
    const QString title = QApplication::applicationDisplayName();
    return title.isEmpty() ? QStringLiteral("Dipo") : title;
}

void show(const QString &message)
{
    const QString text = displayText(message);
    if (sink()) {
        sink()(caption(), text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, caption(), shownInBox(text), QMessageBox::Ok,
        QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorReport"));
    execDialog(box);
}

void setSink(Sink newSink)
{
    sink() = std::move(newSink);
}

} // namespace dipo::errorreport
