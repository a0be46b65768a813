#include "shell/commandline.h"
#include "shell/formregistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Read before the application object, so that --help, --version and a wrong option
    // need no display and make no window.
    const dipo::shell::CommandLine commandLine
        = dipo::shell::parseCommandLine(dipo::shell::argumentsOf(argc, argv));
    if (commandLine.finished)
        return dipo::shell::report(commandLine);
    dipo::shell::apply(commandLine);

    QApplication app(argc, argv);
    // Lets the desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.dipo.Dipo"));
    dipo::shell::startUp();
    const int exitCode = QApplication::exec();
    dipo::shell::destroyForms();
    return exitCode;
}
