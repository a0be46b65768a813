#include "tuneup/tuneup.h"

TTUNEUP *TUNEUP = nullptr;

TTUNEUP::TTUNEUP(QWidget *parent)
    : dipo::Window(QStringLiteral("TUNEUP"), QStringLiteral("TUNE-UP"), parent)
{
    setFullScreenGeometry();
}
