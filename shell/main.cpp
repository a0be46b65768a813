// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/logic/commandline.h"
#include "shell/formregistry.h"
#include "shell/toolkit.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// While the application object is made, the toolkit's messages are held back: when no
// screen can be reached it ends with a fatal message and an abort (and a core dump).
// Instead the user gets one line and exit status 1; otherwise the held messages go on.
struct StartMessages
{
    static inline QtMessageHandler previous = nullptr;
    static inline QList<QPair<QtMsgType, QString>> *held = nullptr;

    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtFatalMsg) {
            std::fputs("dipo: tidak ada layar untuk jendela program (DISPLAY atau "
                       "WAYLAND_DISPLAY tidak ada, atau layar menolak sambungan)\n",
                stderr);
            std::fflush(stderr);
            std::_Exit(1);
        }
        Q_UNUSED(context);
        held->append({ type, text });
    }

    static void replay()
    {
        for (const auto &[type, text] : *held) {
            if (previous)
                previous(type, QMessageLogContext(), text);
            else
                std::fprintf(stderr, "%s\n", qPrintable(text));
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // Read before the application object, so that --help, --version and a wrong option
    // need no display and make no window.
    const dipo::shell::CommandLine commandLine
        = dipo::shell::parseCommandLine(dipo::shell::argumentsOf(argc, argv));
    if (commandLine.finished)
        return dipo::shell::report(commandLine);
    dipo::shell::apply(commandLine);

    QList<QPair<QtMsgType, QString>> held;
    StartMessages::held = &held;
    StartMessages::previous = qInstallMessageHandler(StartMessages::handler);
    QApplication app(argc, argv);
    qInstallMessageHandler(StartMessages::previous);
    StartMessages::replay();

    // Lets the desktop match the windows with the menu entry and its icon; the icon is
    // set on every window too, for a window manager that does not match them.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.dipo.Dipo"));
    QApplication::setWindowIcon(dipo::shell::programIcon());
    dipo::shell::installToolkitTranslation();
    dipo::shell::startUp();
    const int exitCode = QApplication::exec();
    dipo::shell::destroyForms();
    return exitCode;
}
