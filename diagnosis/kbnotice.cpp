// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/kbnotice.h"

#include "common/errorreport.h"
#include "diagnosis/logic/kbfolder.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace dipo::diagnosis {

namespace {

class FirstShowNotice : public QObject
{
public:
    FirstShowNotice(QWidget *window, const QString &message)
        : QObject(window)
        , m_message(message)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            // After the window is on screen, so that the box stands over it.
            QTimer::singleShot(0, parent(), [message = m_message] { errorreport::show(message); });
            deleteLater();
        }
        return false;
    }

private:
    QString m_message;
};

} // namespace

void tellOnFirstShow(QWidget *window, const KbChoice &choice)
{
    if (choice.fellBack())
        new FirstShowNotice(window, fallbackMessage(choice));
}

} // namespace dipo::diagnosis
