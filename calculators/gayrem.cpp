#include "calculators/gayrem.h"

Tgayrem *gayrem = nullptr;

Tgayrem::Tgayrem(QWidget *parent)
    : dipo::Window(QStringLiteral("gayrem"), QStringLiteral("menghitung umur & gaya Rem"), parent)
{
    setFullScreenGeometry();
}
