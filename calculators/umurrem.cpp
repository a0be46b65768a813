#include "calculators/umurrem.h"

Tumurrem *umurrem = nullptr;

Tumurrem::Tumurrem(QWidget *parent)
    : dipo::Window(QStringLiteral("umurrem"), QStringLiteral("Menghitung Kampas & gaya Rem"), parent)
{
    setFullScreenGeometry();
}
