#pragma once

#include "common/window.h"

class Tdiagno : public dipo::Window
{
    Q_OBJECT

public:
    explicit Tdiagno(QWidget *parent = nullptr);
};

extern Tdiagno *diagno;
