#pragma once

#include "common/window.h"

class Tgayrem : public dipo::Window
{
    Q_OBJECT

public:
    explicit Tgayrem(QWidget *parent = nullptr);
};

extern Tgayrem *gayrem;
