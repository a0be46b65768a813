#pragma once

#include "common/window.h"

class TTUNEUP : public dipo::Window
{
    Q_OBJECT

public:
    explicit TTUNEUP(QWidget *parent = nullptr);
};

extern TTUNEUP *TUNEUP;
