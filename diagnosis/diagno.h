// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/window.h"
#include "diagnosis/logic/kbloader.h"
#include "diagnosis/logic/session.h"

#include <functional>

class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QLabel;
class Triwayat;

namespace dipo {
class RadioGroup;
class RichTextBox;
} // namespace dipo

// The fault diagnosis window. All state of a diagnosis is what its controls show: the
// question box's text is looked up again on every answer.
class Tdiagno : public dipo::Window
{
    Q_OBJECT

public:
    explicit Tdiagno(QWidget *parent = nullptr);
    // With another knowledge base than the compiled-in one (a broken one, in the tests).
    explicit Tdiagno(const dipo::diagnosis::KbLoad &knowledgeBase, QWidget *parent = nullptr);

    // The walk as the user answered it.
    const dipo::diagnosis::Session &session() const { return m_session; }
    const dipo::diagnosis::QuestionsLeft &questionsLeft() const { return m_questionsLeft; }

    // What activating a repair link does: the start-up shows the link's window with its
    // procedure. Without one the list shows, but opens nothing.
    using RepairOpener = std::function<void(const dipo::diagnosis::Repair &)>;
    static void setRepairOpener(RepairOpener opener);

public slots:
    void FormCreate();
    void RadioGroup1Click(int index);
    void BitBtn8Click();
    void BITBTN1Click();
    void BITBTN2Click();
    void BitBtn7Click();
    void BitBtn4Click();
    void BitBtnKembaliClick();
    void BitBtnRiwayatClick();
    void ListPerbaikanActivated(QListWidgetItem *item);

private:
    void createControls();
    void connectHandlers();
    void connectKeys();
    void answer(dipo::diagnosis::Answer answer);
    void showConclusion(const dipo::diagnosis::Conclusion &conclusion);
    void createSessionControls(QWidget *panel);
    void sessionChanged();
    void createRepairList(QWidget *panel);
    void showRepairs();
    // The knowledge base, read from the chosen folder (or the built-in one) on first
    // use or when the window is first shown, not when the window is made.
    const dipo::diagnosis::KbLoad &knowledgeBase();
    void readKnowledgeBase(bool showingNow);
    void refuseBrokenBase();

protected:
    void showEvent(QShowEvent *event) override;

private:
    dipo::diagnosis::KbLoad m_knowledgeBase;
    bool m_knowledgeBaseUnread = false;

    dipo::RadioGroup *RadioGroup1;
    QPushButton *BitBtn8;
    QPushButton *BitBtn7;
    QLabel *Label2;
    dipo::RichTextBox *RichEdit2;
    QPushButton *BITBTN1;
    QPushButton *BITBTN2;
    QPushButton *BitBtn3;
    QPushButton *BitBtn4;
    dipo::RichTextBox *RichEdit1;
    QPlainTextEdit *Memo2;
    QLabel *Label1;

    // The walk as answered, for the back step and the trail window.
    dipo::diagnosis::Session m_session;
    dipo::diagnosis::QuestionsLeft m_questionsLeft;
    qreal m_resultFontSizeBeforeConclusion = 12;
    QPushButton *BitBtnKembali;
    QPushButton *BitBtnRiwayat;
    Triwayat *riwayat;
    // After a fault that names the procedures mending it.
    QLabel *LabelPerbaikan = nullptr;
    QListWidget *ListPerbaikan = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern Tdiagno *diagno;
