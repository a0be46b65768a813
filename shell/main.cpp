#include "shell/awal_menu.h"
#include "shell/formregistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    dipo::shell::createForms();
    awal_menu->show();
    const int exitCode = QApplication::exec();
    dipo::shell::destroyForms();
    return exitCode;
}
