// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/window.h"
#include "common/picturewidgets.h"

// The about box: who wrote the program, and a motto.
class Tinfo : public dipo::Window
{
    Q_OBJECT

public:
    explicit Tinfo(QWidget *parent = nullptr);

    // Handlers.
    void Panel2Click();
    void Label8Click();

private:
    QFrame *Panel1;
    dipo::PicturePanel *Image1;
    dipo::PicturePanel *ProgramIcon;
    dipo::ClickLabel *Panel2;
    dipo::ClickLabel *Label8;
};

extern Tinfo *info;
