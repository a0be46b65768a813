#include "calculators/dm.h"

TDM *DM = nullptr;

TDM::TDM(QWidget *parent)
    : dipo::Window(QStringLiteral("DM"), QStringLiteral("DM"), parent)
{
    setFullScreenGeometry();
}
