// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/dialog1.h"

#include "common/keys.h"

#include "calculators/calcform.h"
#include "calculators/logic/sheettexts.h"
#include "common/richtextbox.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

TDIALOG1 *DIALOG1 = nullptr;

namespace texts = dipo::calc::texts;
namespace form = dipo::calc::form;

TDIALOG1::TDIALOG1(QWidget *parent)
    : dipo::Window(QStringLiteral("DIALOG1"), form::text(texts::kDialogCaption), parent)
{
    setBackground(QStringLiteral("dialog_background.jpg"));
    // Blue behind the picture, and where there is none.
    setAutoFillBackground(true);
    QPalette blue = palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 160));
    setPalette(blue);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Raised);
    RichEdit1 = form::addTextBox(Bevel1, QStringLiteral("RichEdit1"), true);
    RichEdit1->setFocusPolicy(Qt::NoFocus);
    RichEdit1->setFrameStyle(QFrame::NoFrame);
    RichEdit1->setStyleSheet(
        QStringLiteral("QTextEdit { background-color: rgb(0, 0, 160); color: yellow; }"));
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    form::setLines(RichEdit1, form::lines(texts::kThicknessWarning));
    RichEdit1->setAccessibleName(dipo::calc::sheet_texts::warningName);
    // Orca speaks a dialog's description as it opens.
    setAccessibleDescription(form::lines(texts::kThicknessWarning).join(QLatin1Char(' ')).simplified());
    // The box is as large as its lines: the warning shows whole at any font size.
    QTextDocument *warning = RichEdit1->document();
    warning->adjustSize();
    const QSizeF lines = warning->size();
    RichEdit1->setMinimumSize(
        qMax(271, qCeil(lines.width()) + 8), qMax(88, qCeil(lines.height()) + 8));

    OKBtn = form::addButton(this, QStringLiteral("OKBtn"), form::text(texts::kOk));
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    OKBtn->setMinimumWidth(75);

    auto *bevel = new QVBoxLayout(Bevel1);
    bevel->setContentsMargins(6, 6, 6, 6);
    bevel->addWidget(RichEdit1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(10);
    layout->addWidget(Bevel1);
    layout->addWidget(OKBtn, 0, Qt::AlignHCenter);
    setDialogGeometry();

    connect(OKBtn, &QPushButton::clicked, this, &TDIALOG1::OKBtnClick);
    dipo::keys::escapeClicks(this, OKBtn);
    OKBtn->setFocus();
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
