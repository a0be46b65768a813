#include "calculators/dialog1.h"

TDIALOG1 *DIALOG1 = nullptr;

TDIALOG1::TDIALOG1(QWidget *parent)
    : dipo::Window(QStringLiteral("DIALOG1"), QStringLiteral("Dialog"), parent)
{
    setDialogGeometry(299, 156);
}
