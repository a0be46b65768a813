#pragma once

#include "common/window.h"

class TDIALOG1 : public dipo::Window
{
    Q_OBJECT

public:
    explicit TDIALOG1(QWidget *parent = nullptr);
};

extern TDIALOG1 *DIALOG1;
