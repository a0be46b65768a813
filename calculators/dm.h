#pragma once

#include "common/window.h"

class TDM : public dipo::Window
{
    Q_OBJECT

public:
    explicit TDM(QWidget *parent = nullptr);
};

extern TDM *DM;
