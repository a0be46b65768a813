#include "diagnosis/diagno.h"

Tdiagno *diagno = nullptr;

Tdiagno::Tdiagno(QWidget *parent)
    : dipo::Window(QStringLiteral("diagno"), QStringLiteral("diagno"), parent)
{
    setFullScreenGeometry();
}
