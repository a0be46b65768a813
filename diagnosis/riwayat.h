// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "common/window.h"
#include "diagnosis/logic/report.h"
#include "diagnosis/logic/session.h"
#include "diagnosis/trailfollower.h"

#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTextBrowser;

// The trail of a diagnosis, beside the diagnosis window: what was answered, what is
// asked now, how far the walk can still go, and the report to keep. Non-modal; it
// follows the session as the user answers or steps back.
class Triwayat : public dipo::Window
{
    Q_OBJECT

public:
    // What the log kept of a walk: its entry, locomotive and technician (no entry when
    // nothing was kept), and what the window then says.
    struct Kept
    {
        dipo::document::Job job;
        QString status;
    };
    // Keeps a concluded walk in the workshop log; the shell hands the log in at start-up.
    // What was kept goes with the session, onto the report printed of it.
    using SessionRecorder
        = std::function<Kept(QWidget *from, const dipo::diagnosis::Session &session)>;
    static void setSessionRecorder(SessionRecorder recorder);

    Triwayat(dipo::diagnosis::Session &session, const dipo::diagnosis::QuestionsLeft &questionsLeft,
        QWidget *parent = nullptr);

    // The session changed: the view follows (at once when shown, else when next shown).
    void sessionChanged();

    // The report as it would be saved now.
    dipo::diagnosis::report::Stamp stampNow() const;
    // Saves the report to this path; a failure goes to the error report. The save
    // dialog only supplies the path.
    bool saveReport(const QString &path, const dipo::diagnosis::report::Stamp &stamp);

public slots:
    void BtnSimpanPdfClick();
    void BtnCetakClick();
    void BtnSalinClick();
    void BtnCatatClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void setStatus(const QString &text);

    dipo::diagnosis::Session &m_session;
    const dipo::diagnosis::QuestionsLeft &m_questionsLeft;
    bool m_stale = true;
    std::optional<dipo::diagnosis::TrailFollower> m_trail;

    QTextBrowser *TrailView;
    QLabel *LabelStatus;
    QPushButton *BtnSimpanPdf;
    QPushButton *BtnCetak;
    QPushButton *BtnSalin;
    QPushButton *BtnCatat;
    QPushButton *BtnTutup;
    // Whether the saved or printed report carries the linked procedures in full.
    QCheckBox *CheckLampiran;
};
