#include "maintenance/pm.h"

TPM *PM = nullptr;

TPM::TPM(QWidget *parent)
    : dipo::Window(QStringLiteral("PM"), QStringLiteral("PM"), parent)
{
    setFullScreenGeometry();
}
