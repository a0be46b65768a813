#include "shell/formregistry.h"

#include "calculators/dialog1.h"
#include "calculators/dm.h"
#include "calculators/gayrem.h"
#include "calculators/umurrem.h"
#include "common/localenumber.h"
#include "diagnosis/diagno.h"
#include "maintenance/pm.h"
#include "shell/awal_menu.h"
#include "shell/info.h"
#include "shell/menu1.h"
#include "tuneup/tuneup.h"

#include <QApplication>

namespace dipo::shell {

void createForms()
{
    QApplication::setApplicationName(QStringLiteral("dipo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dipo"));
    number::initFromSystem();

    // The creation order of the window set; the first is the main window.
    awal_menu = new Tawal_menu;
    info = new Tinfo;
    DIALOG1 = new TDIALOG1;
    menu1 = new Tmenu1;
    DM = new TDM;
    gayrem = new Tgayrem;
    PM = new TPM;
    TUNEUP = new TTUNEUP;
    umurrem = new Tumurrem;
    diagno = new Tdiagno;

    // Every new widget asks to be polished at the next turn of the event loop. Only the
    // start screen is shown then; the other windows are polished when first shown.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
}

namespace {

template <typename T>
void destroy(T *&window)
{
    delete window;
    window = nullptr;
}

} // namespace

void destroyForms()
{
    destroy(diagno);
    destroy(umurrem);
    destroy(TUNEUP);
    destroy(PM);
    destroy(gayrem);
    destroy(DM);
    destroy(menu1);
    destroy(DIALOG1);
    destroy(info);
    destroy(awal_menu);
}

} // namespace dipo::shell
