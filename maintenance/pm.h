#pragma once

#include "common/window.h"

class TPM : public dipo::Window
{
    Q_OBJECT

public:
    explicit TPM(QWidget *parent = nullptr);
};

extern TPM *PM;
