#pragma once

#include "common/window.h"

class Tumurrem : public dipo::Window
{
    Q_OBJECT

public:
    explicit Tumurrem(QWidget *parent = nullptr);
};

extern Tumurrem *umurrem;
