// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/formregistry.h"

#include "calculators/calculatorwindows.h"
#include "calculators/dialog1.h"
#include "common/logic/localenumber.h"
#include "common/logic/pictures.h"
#include "common/recorder.h"
#include "diagnosis/diagno.h"
#include "diagnosis/riwayat.h"
#include "maintenance/pm.h"
#include "shell/awal_menu.h"
#include "shell/info.h"
#include "shell/menu1.h"
#include "tuneup/tuneup.h"
#include "worklog/entrydialog.h"
#include "worklog/logic/diagnosisrecord.h"
#include "worklog/logic/store.h"
#include "worklog/programlog.h"
#include "worklog/worklogwindowtexts.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

namespace dipo::shell {

namespace {

// The job a repair link of the diagnosis leads to: that diagnosis, and the log's entry with
// its locomotive and technician once the walk was kept there.
document::Job jobOfTheDiagnosis()
{
    if (!diagno || !diagno->session().isConcluded())
        return {};
    document::Job job = diagno->session().recorded();
    job.diagnosis = diagno->session().conclusion().lines;
    return job;
}

// A repair link of the diagnosis shows its window, in the state the user's own clicks
// there would leave it; its work card names the diagnosis.
void openRepairsInTheirWindows()
{
    Tdiagno::setRepairOpener([](const diagnosis::Repair &repair) {
        switch (repair.kind) {
        case diagnosis::Repair::Kind::Maintenance:
            PM->showComponent(repair.key.toInt());
            PM->KartuKerja->setJob(jobOfTheDiagnosis());
            break;
        case diagnosis::Repair::Kind::TuneUp:
            TUNEUP->showProcedure(repair.key);
            TUNEUP->workCard()->setJob(jobOfTheDiagnosis());
            break;
        case diagnosis::Repair::Kind::Calculator:
            if (dipo::Window *calculator = calc::window(repair.key))
                calculator->showWindow();
            break;
        }
    });
}

// The creation order of the window set; the first is the main window.
void createStartScreen()
{
    QApplication::setApplicationName(QStringLiteral("dipo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dipo"));
    number::initFromSystem();
    awal_menu = new Tawal_menu;
}

void createOtherForms()
{
    info = new Tinfo;
    DIALOG1 = new TDIALOG1;
    menu1 = new Tmenu1;
    calc::createWindows(); // umurrem, gayrem, DM: the calculator table's rows
    PM = new TPM;
    TUNEUP = new TTUNEUP;
    diagno = new Tdiagno;
    openRepairsInTheirWindows();
    recordIntoTheLog();

    // Every new widget asks to be polished at the next turn of the event loop. Only the
    // start screen is shown then; the other windows are polished when first shown.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
}

// Ends a wait once the window has had its first paint (the round of painting it is in
// finishes first).
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *window, QEventLoop *loop)
        : m_window(window)
        , m_loop(loop)
    {
        qApp->installEventFilter(this);
    }
    ~FirstPaint() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window) {
            m_painted = true;
            QMetaObject::invokeMethod(m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget *m_window;
    QEventLoop *m_loop;
    bool m_painted = false;
};

} // namespace

void createForms()
{
    createStartScreen();
    createOtherForms();
}

void startUp()
{
    createStartScreen();
    awal_menu->show();
    {
        // Keys and clicks wait until every window exists. A window system that never
        // shows the window (or is slow to) does not hold the start up for long.
        QEventLoop loop;
        FirstPaint painted(awal_menu, &loop);
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    createOtherForms();
}

namespace {

template <typename T> void destroy(T *&window)
{
    delete window;
    window = nullptr;
}

} // namespace

void destroyForms()
{
    pictures::finishDecoding();
    Tdiagno::setRepairOpener({});
    destroy(diagno);
    destroy(TUNEUP);
    destroy(PM);
    calc::destroyWindows();
    destroy(menu1);
    destroy(DIALOG1);
    destroy(info);
    destroy(awal_menu);
    // The workshop log's connection, if one was opened, goes before the application.
    worklog::closeProgramLog();
}

// The windows that record into the workshop log know only the recorder; the log's record
// dialog is handed in here.
void recordIntoTheLog()
{
    recorder::setJobRecorder([](QWidget *from, const QString &system, const QString &subject) {
        worklog::Entry draft;
        draft.kind = worklog::Kind::Job;
        draft.system = system;
        draft.subject = subject;
        const qint64 id = worklog::EntryDialog::record(draft, from);
        return id > 0 ? worklog::window_texts::savedAs.arg(id) : QString();
    });
    Triwayat::setSessionRecorder([](QWidget *from, const diagnosis::Session &session) {
        Triwayat::Kept kept;
        const qint64 id = worklog::EntryDialog::record(worklog::fromSession(session), from);
        if (id <= 0)
            return kept;
        kept.status = worklog::window_texts::savedAs.arg(id);
        kept.job.logEntry = id;
        // As the log keeps it: the number tidied, the name trimmed.
        QString why;
        if (worklog::Store *log = worklog::programLog(&why);
            log && log->open(worklog::Store::Purpose::Read))
            if (const std::optional<worklog::Entry> entry = log->entry(id)) {
                kept.job.locomotive = entry->locomotive;
                kept.job.technician = entry->technician;
            }
        return kept;
    });
}

} // namespace dipo::shell
