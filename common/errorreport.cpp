#include "common/errorreport.h"

#include <QApplication>
#include <QMessageBox>

namespace dipo::errorreport {
namespace {

Sink &sink()
{
    static Sink installed;
    return installed;
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
    QMessageBox box(QMessageBox::Critical, caption(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorReport"));
    box.exec();
}

void setSink(Sink newSink)
{
    sink() = std::move(newSink);
}

} // namespace dipo::errorreport
