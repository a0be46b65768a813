// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and first showings, headless. Run: ./bench_startup [pairs]
//  - the program's start, as the program starts: from process start to the start screen
//    shown and painted (the other nine windows are made after that), and to all ten made,
//    against bench_bare_window (one bare 1024 x 768 window), started the same way in
//    pairs A B A B ...; the median and range of the ratio, and both peak resident memories;
//  - the first showing of each window, from the click that opens it to the window shown
//    and painted, each in a fresh process, the median of several;
//  - the maintenance and tune-up PROSES handlers, with the picture they load, to painted.
#include "common/picturebox.h"
#include "common/window.h"
#include "common/picturewidgets.h"
#include "common/radiogroup.h"
#include "shell/formregistry.h"
#include "tuneup/logic/proceduretable.h"
#include "tuneup/tuneup.h"

#include "peakmemory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <clocale>

namespace {

dipo::Window *window(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return static_cast<dipo::Window *>(w);
    std::fprintf(stderr, "no window %s\n", name);
    std::exit(1);
}

template <typename T = QWidget> T *control(QWidget *in, const char *name)
{
    T *found = in->findChild<T *>(QLatin1String(name));
    if (!found) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(1);
    }
    return found;
}

// Notes the first paint of a window or of any control in it after it is armed.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *w)
        : m_window(w)
    {
        qApp->installEventFilter(this);
    }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    bool painted = false;
    QEventLoop loop;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (!painted && e->type() == QEvent::Paint && o->isWidgetType()
            && static_cast<QWidget *>(o)->window() == m_window) {
            painted = true;
            // Once this round of painting is over.
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget *m_window;
};

// Milliseconds from the action to the window painted, the paint itself included.
double timeToPainted(QWidget *w, const std::function<void()> &action)
{
    PaintWatch watch(w);
    QElapsedTimer timer;
    timer.start();
    action();
    if (!watch.painted) {
        QTimer::singleShot(3000, &watch.loop, &QEventLoop::quit);
        watch.loop.exec();
    }
    return watch.painted ? double(timer.nsecsElapsed()) / 1e6 : -1;
}

void showStartScreen()
{
    dipo::Window *start = window("awal_menu");
    timeToPainted(start, [start] { start->show(); });
}

void openMenu()
{
    dipo::Window *start = window("awal_menu");
    control<QLineEdit>(start, "Edit1")->setText(QStringLiteral("kEra langsir"));
    control<dipo::ClickLabel>(start, "Panel2")->click();
}

// The click that opens each window, from the window that opens it (already shown).
struct Opening
{
    const char *window;
    const char *from;
    std::function<void()> click;
};

const std::vector<Opening> &openings()
{
    static const std::vector<Opening> all = {
        { "menu1", "awal_menu", openMenu },
        { "info", "awal_menu",
            [] { control<dipo::ClickLabel>(window("awal_menu"), "Label2")->click(); } },
        { "diagno", "menu1",
            [] { control<QAbstractButton>(window("menu1"), "SpeedButton4")->click(); } },
        { "PM", "menu1", [] { control<QAbstractButton>(window("menu1"), "SpeedButton3")->click(); } },
        { "TUNEUP", "menu1",
            [] { control<QAbstractButton>(window("menu1"), "SpeedButton2")->click(); } },
        { "umurrem", "menu1",
            [] { control<QAbstractButton>(window("menu1"), "SpeedButton6")->click(); } },
        { "DM", "menu1", [] { control<QAbstractButton>(window("menu1"), "SpeedButton7")->click(); } },
        { "gayrem", "umurrem",
            [] { control<QCheckBox>(window("umurrem"), "CheckBox2")->click(); } },
        { "DIALOG1", "umurrem",
            [] {
                control<QLineEdit>(window("umurrem"), "Edit4")->setText(QStringLiteral("10"));
                control<QLineEdit>(window("umurrem"), "Edit5")->setText(QStringLiteral("20"));
            } },
    };
    return all;
}

const Opening &opening(const char *name)
{
    for (const Opening &o : openings())
        if (qstrcmp(o.window, name) == 0)
            return o;
    std::fprintf(stderr, "no opening of %s\n", name);
    std::exit(1);
}

// Brings up the chain of windows that leads to this one, untimed.
void reach(const char *name)
{
    if (qstrcmp(name, "awal_menu") == 0)
        return;
    const Opening &o = opening(name);
    reach(o.from);
    timeToPainted(window(name), o.click);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The children.

// Reports once the start screen has had its first paint: as the program starts, the
// other windows are made after that.
class StartScreenShown : public QObject
{
public:
    StartScreenShown() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (!m_reported && e->type() == QEvent::Paint && o->isWidgetType()
            && static_cast<QWidget *>(o)->window()->objectName() == QLatin1String("awal_menu")) {
            m_reported = true;
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::printf("shown %ld\n", peakResidentKilobytes());
                    std::fflush(stdout);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_reported = false;
};

int startChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a point, whatever the locale
    StartScreenShown shown;
    dipo::shell::startUp();
    // All ten windows made.
    std::printf("ready %ld\n", peakResidentKilobytes());
    std::fflush(stdout);
    dipo::shell::destroyForms();
    return 0;
}

int firstShowingChild(int argc, char *argv[], const char *name)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a point, whatever the locale
    dipo::shell::createForms();
    showStartScreen();
    const Opening &o = opening(name);
    reach(o.from);
    const double ms = timeToPainted(window(name), o.click);
    std::printf("first %.3f\n", ms);
    std::fflush(stdout);
    dipo::shell::destroyForms();
    return 0;
}

// PROSES of the maintenance window (a component with a picture) and of the tune-up
// window (a procedure with a picture), each run several times.
int prosesChild(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a point, whatever the locale
    dipo::shell::createForms();
    showStartScreen();
    const int runs = 9;

    reach("PM");
    dipo::Window *pm = window("PM");
    std::vector<double> pmTimes;
    for (int n = 1; n <= 40 && pmTimes.empty(); ++n) {
        auto *radio = pm->findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(n));
        if (!radio)
            break;
        for (int run = 0; run < runs; ++run) {
            control<QAbstractButton>(pm, "BitBtn2")->click(); // ULANGI
            QCoreApplication::processEvents();
            radio->click();
            QCoreApplication::processEvents();
            const double ms = timeToPainted(
                pm, [pm] { control<QAbstractButton>(pm, "BitBtn1")->click(); });
            if (ms < 0 || !control<dipo::PictureBox>(pm, "Image3")->hasPicture())
                break; // no picture for this component: the next one
            pmTimes.push_back(ms);
        }
    }

    reach("TUNEUP");
    dipo::Window *tuneup = window("TUNEUP");
    std::vector<double> tuneupTimes;
    auto *tuneupWindow = static_cast<TTUNEUP *>(tuneup);
    const dipo::tuneup::ProcedureTable &table = dipo::tuneup::ProcedureTable::builtIn();
    for (const dipo::tuneup::Procedure &procedure : table.procedures()) {
        if (!procedure.hasPicture())
            continue;
        const char *test
            = procedure.group == 1 ? "BitBtn1" : procedure.group == 2 ? "BitBtn3" : "BitBtn2";
        for (int run = 0; run < runs; ++run) {
            control<QAbstractButton>(tuneup, "SpeedButton1")->click(); // ULANGI
            control<QAbstractButton>(tuneup, test)->click(); // the test the procedure is in
            tuneupWindow->radioGroup(procedure.group)->item(procedure.item)->click();
            QCoreApplication::processEvents();
            const double ms = timeToPainted(tuneup,
                [tuneup] { control<QAbstractButton>(tuneup, "SpeedButton2")->click(); });
            if (ms >= 0 && control<dipo::PictureBox>(tuneup, "Image3")->isVisible())
                tuneupTimes.push_back(ms);
        }
        break;
    }
    std::printf("proses %.3f %.3f\n", pmTimes.empty() ? -1.0 : median(pmTimes),
        tuneupTimes.empty() ? -1.0 : median(tuneupTimes));
    std::fflush(stdout);
    dipo::shell::destroyForms();
    return 0;
}

// The parent: runs a child to its report line; the wall time to it in ms. A start-up
// child has a second line, when all ten windows are made.
struct Report
{
    double ms = -1;
    QByteArray line;
    double readyMs = -1;
    QByteArray readyLine;
};

Report run(const QString &program, const QStringList &arguments, int lines = 1)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    // Qt's notes about the offscreen platform are no figures.
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    Report report;
    if (!process.waitForStarted())
        return report;
    QByteArray output;
    while (output.count('\n') < lines && process.waitForReadyRead(20000)) {
        output += process.readAllStandardOutput();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (report.ms < 0 && output.contains('\n'))
            report.ms = ms;
        if (lines > 1 && output.count('\n') >= 2)
            report.readyMs = ms;
    }
    process.waitForFinished();
    const QList<QByteArray> parts = output.trimmed().split('\n');
    report.line = parts.value(0).trimmed();
    report.readyLine = parts.value(1).trimmed();
    return report;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return startChild(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--first") == 0)
        return firstShowingChild(argc, argv, argv[2]);
    if (argc > 1 && qstrcmp(argv[1], "--proses") == 0)
        return prosesChild(argc, argv);

    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // figures with a point, whatever the locale
    const int pairs = argc > 1 ? std::max(15, atoi(argv[1])) : 15;
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("bench_bare_window"));

    std::vector<double> program, ready, yardstick, ratios;
    long shownPeak = 0, programPeak = 0, barePeak = 0;
    for (int i = 0; i < pairs; ++i) {
        const Report a = run(self, { QStringLiteral("--child") }, 2);
        const Report b = run(bare, {});
        if (!a.line.startsWith("shown") || !a.readyLine.startsWith("ready")
            || !b.line.startsWith("shown")) {
            std::fprintf(stderr, "a child did not report: '%s' '%s'\n", a.line.constData(),
                b.line.constData());
            return 1;
        }
        program.push_back(a.ms);
        ready.push_back(a.readyMs);
        yardstick.push_back(b.ms);
        ratios.push_back(a.ms / b.ms);
        shownPeak = std::max(shownPeak, a.line.mid(6).toLong());
        programPeak = std::max(programPeak, a.readyLine.mid(6).toLong());
        barePeak = std::max(barePeak, b.line.mid(6).toLong());
    }
    const auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
    std::printf("start screen shown: median %.1f ms; bare window: median %.1f ms (%d pairs)\n",
        median(program), median(yardstick), pairs);
    std::printf("ratio: median %.2fx, range %.2fx to %.2fx\n", median(ratios), *low, *high);
    std::printf("all ten windows made: median %.1f ms\n", median(ready));
    std::printf("peak resident memory: program %.1f MB with the start screen shown, %.1f MB "
                "with all ten windows made; bare window %.1f MB\n",
        double(shownPeak) / 1024.0, double(programPeak) / 1024.0, double(barePeak) / 1024.0);

    const int showings = 5;
    std::printf("first showing from the click, median of %d processes:\n", showings);
    for (const Opening &o : openings()) {
        std::vector<double> times;
        for (int i = 0; i < showings; ++i) {
            const Report r = run(self, { QStringLiteral("--first"), QLatin1String(o.window) });
            if (!r.line.startsWith("first")) {
                std::fprintf(stderr, "%s: no report\n", o.window);
                return 1;
            }
            times.push_back(r.line.mid(6).toDouble());
        }
        std::printf("  %-10s %6.1f ms\n", o.window, median(times));
    }

    const Report proses = run(self, { QStringLiteral("--proses") });
    const QList<QByteArray> parts = proses.line.split(' ');
    if (parts.size() != 3) {
        std::fprintf(stderr, "PROSES: no report\n");
        return 1;
    }
    std::printf("PROSES with its picture, to painted (median of 9): maintenance %.1f ms, "
                "tune-up %.1f ms\n",
        parts[1].toDouble(), parts[2].toDouble());
    return 0;
}
