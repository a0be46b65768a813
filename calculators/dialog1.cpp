#include "calculators/dialog1.h"

#include "calculators/calcform.h"
#include "common/richtextbox.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

TDIALOG1 *DIALOG1 = nullptr;

namespace texts = dipo::calc::texts;
namespace form = dipo::calc::form;

TDIALOG1::TDIALOG1(QWidget *parent)
    : dipo::Window(QStringLiteral("DIALOG1"), form::text(texts::kDialogCaption), parent)
{
    setDialogGeometry(299, 156);
    setBackground(QStringLiteral("dialog_background.jpg"));
    // Blue behind the picture, and where there is none.
    setAutoFillBackground(true);
    QPalette blue = palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 160));
    setPalette(blue);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Raised);
    Bevel1->setGeometry(8, 8, 283, 100);

    RichEdit1 = form::addTextBox(this, QStringLiteral("RichEdit1"), QRect(14, 14, 271, 88), true);
    RichEdit1->setFocusPolicy(Qt::NoFocus);
    RichEdit1->setFrameStyle(QFrame::NoFrame);
    RichEdit1->setStyleSheet(
        QStringLiteral("QTextEdit { background-color: rgb(0, 0, 160); color: yellow; }"));
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    form::setLines(RichEdit1, form::lines(texts::kThicknessWarning));

    OKBtn = form::addButton(
        this, QStringLiteral("OKBtn"), form::text(texts::kOk), QRect(112, 118, 75, 28));
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TDIALOG1::OKBtnClick);
}

void TDIALOG1::OKBtnClick()
{
    close();
}

void TDIALOG1::keyPressEvent(QKeyEvent *event)
{
    // OK is the default button: Enter presses it wherever the focus is.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OKBtn->click();
        return;
    }
    dipo::Window::keyPressEvent(event);
}
