// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/riwayat.h"
#include "common/dialogs.h"

#include "common/accessibility.h"
#include "common/errorreport.h"
#include "common/keys.h"
#include "common/logic/savefolder.h"
#include "common/print.h"
#include "common/recorder.h"
#include "diagnosis/logic/diagnotexts.h"
#include "diagnosis/logic/repairs.h"
#include "diagnosis/logic/reportdocument.h"
#include "diagnosis/logic/riwayattexts.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

// DIPO_VERSION: the project's version, from the build.

namespace texts = dipo::diagnosis::texts;
namespace report = dipo::diagnosis::report;

namespace {

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

Triwayat::Triwayat(dipo::diagnosis::Session &session,
    const dipo::diagnosis::QuestionsLeft &questionsLeft, QWidget *parent)
    : dipo::Window(QStringLiteral("riwayat"), texts::trailCaption, parent)
    , m_session(session)
    , m_questionsLeft(questionsLeft)
{
    // Room for a long trail with its header and last line, where the screen has it.
    setCompanionGeometry(QSize(640, 620), QSize(560, 480));

    TrailView = new QTextBrowser(this);
    TrailView->setObjectName(QStringLiteral("TrailView"));
    TrailView->setOpenLinks(false);
    TrailView->setAccessibleName(texts::trailCaption);
    m_trail.emplace(TrailView->document());
    dipo::keys::showFocusFrame(TrailView);
    QFont viewFont = TrailView->font();
    viewFont.setPointSize(11);
    TrailView->setFont(viewFont);

    LabelStatus = new QLabel(this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setWordWrap(true);
    LabelStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelStatus->setAccessibleName(texts::statusName);

    BtnSimpanPdf = button(texts::simpanPdf, "BtnSimpanPdf", this);
    BtnCetak = button(texts::cetak, "BtnCetak", this);
    BtnSalin = button(texts::salin, "BtnSalin", this);
    BtnTutup = button(texts::tutup, "BtnTutup", this);
    CheckLampiran = new QCheckBox(texts::withAppendix, this);
    CheckLampiran->setObjectName(QStringLiteral("CheckLampiran"));
    CheckLampiran->setChecked(false); // the report alone, unless asked
    BtnCatat = button(dipo::recorder::simpanKeCatatan, "BtnCatat", this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BtnSimpanPdf);
    buttons->addWidget(BtnCetak);
    buttons->addWidget(BtnSalin);
    buttons->addWidget(BtnCatat);
    buttons->addStretch(1);
    buttons->addWidget(BtnTutup);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TrailView, 1);
    layout->addWidget(LabelStatus);
    layout->addWidget(CheckLampiran);
    layout->addLayout(buttons);

    connect(BtnSimpanPdf, &QPushButton::clicked, this, &Triwayat::BtnSimpanPdfClick);
    connect(BtnCetak, &QPushButton::clicked, this, &Triwayat::BtnCetakClick);
    connect(BtnSalin, &QPushButton::clicked, this, &Triwayat::BtnSalinClick);
    connect(BtnCatat, &QPushButton::clicked, this, &Triwayat::BtnCatatClick);
    setTabOrder(BtnSalin, BtnCatat);
    setTabOrder(BtnCatat, BtnTutup);
    connect(BtnTutup, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // The trail belongs to the diagnosis window: it goes when that window is closed
    // (not when it is only minimised).
    if (parent)
        parent->installEventFilter(this);
    refresh();
}

bool Triwayat::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return dipo::Window::eventFilter(watched, event);
}

void Triwayat::sessionChanged()
{
    setStatus(QString());
    m_stale = true;
    if (isVisible())
        refresh();
}

void Triwayat::showEvent(QShowEvent *event)
{
    if (m_stale)
        refresh();
    dipo::Window::showEvent(event);
}

void Triwayat::refresh()
{
    m_trail->follow(m_session, m_questionsLeft);
    TrailView->moveCursor(QTextCursor::End);
    TrailView->ensureCursorVisible();
    // A report is a walk: nothing to keep before "Mulai".
    const bool walk = m_session.hasBegun();
    BtnSimpanPdf->setEnabled(walk);
    BtnCetak->setEnabled(walk);
    BtnSalin->setEnabled(walk);
    CheckLampiran->setVisible(report::hasAppendix(m_session));
    // The log keeps diagnoses that reached their end.
    BtnCatat->setEnabled(m_session.isConcluded());
    m_stale = false;
}

void Triwayat::setStatus(const QString &text)
{
    LabelStatus->setText(text);
    LabelStatus->setAccessibleName(text.isEmpty() ? texts::statusName : QString());
    if (!text.isEmpty())
        dipo::a11y::announce(this, text);
}

report::Stamp Triwayat::stampNow() const
{
    return report::Stamp { QDateTime::currentDateTime(), texts::programName,
        QStringLiteral(DIPO_VERSION) };
}

bool Triwayat::saveReport(const QString &path, const report::Stamp &stamp)
{
    setStatus(QString());
    const QString error
        = report::savePdf(report::build(m_session, stamp, CheckLampiran->isChecked()), path);
    if (!error.isEmpty()) {
        dipo::errorreport::show(error);
        return false;
    }
    dipo::files::rememberSaveFolder(path);
    setStatus(texts::saved.arg(QDir::toNativeSeparators(path)));
    return true;
}

void Triwayat::BtnSimpanPdfClick()
{
    const report::Stamp stamp = stampNow();
    const QString path = dipo::askSavePath(this, texts::saveDialogTitle, texts::pdfFilter,
        report::suggestedFileName(m_session, stamp.when));
    if (!path.isEmpty())
        saveReport(path, stamp);
}

void Triwayat::BtnCetakClick()
{
    // Printed to a file, the report is offered under the name Save offers.
    const auto outcome = dipo::document::printWithDialog(this,
        QFileInfo(report::suggestedFileName(m_session, QDateTime::currentDateTime()))
            .completeBaseName(),
        texts::printDialogTitle,
        [&] { return report::build(m_session, stampNow(), CheckLampiran->isChecked()); });
    if (outcome == dipo::document::PrintOutcome::Failed)
        dipo::errorreport::show(texts::printFailed);
    else if (outcome == dipo::document::PrintOutcome::Printed)
        setStatus(texts::printed);
}

void Triwayat::BtnSalinClick()
{
    QGuiApplication::clipboard()->setText(report::plainText(m_session, stampNow()));
    setStatus(texts::copied);
}

namespace {
Triwayat::SessionRecorder g_sessionRecorder;
} // namespace

void Triwayat::setSessionRecorder(SessionRecorder recorder)
{
    g_sessionRecorder = std::move(recorder);
}

void Triwayat::BtnCatatClick()
{
    if (!m_session.isConcluded())
        return;
    if (!g_sessionRecorder)
        return;
    const Kept kept = g_sessionRecorder(this, m_session);
    if (kept.job.logEntry > 0)
        m_session.setRecorded(kept.job);
    if (!kept.status.isEmpty())
        setStatus(kept.status);
}
