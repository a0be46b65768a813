// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/window.h"

class QFrame;
class QPushButton;

namespace dipo {
class RichTextBox;
}

// The warning that the minimum permitted thickness is not below the block thickness.
class TDIALOG1 : public dipo::Window
{
    Q_OBJECT

public:
    explicit TDIALOG1(QWidget *parent = nullptr);

    QFrame *Bevel1 = nullptr;
    dipo::RichTextBox *RichEdit1 = nullptr;
    QPushButton *OKBtn = nullptr;

public slots:
    void OKBtnClick();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

extern TDIALOG1 *DIALOG1;
