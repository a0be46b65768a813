#pragma once

#include "common/window.h"
#include "diagnosis/kbloader.h"

class QPlainTextEdit;
class QPushButton;
class QLabel;

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

public slots:
    void FormCreate();
    void RadioGroup1Click(int index);
    void BitBtn8Click();
    void BITBTN1Click();
    void BITBTN2Click();
    void BitBtn7Click();
    void BitBtn4Click();

private:
    void createControls();
    void connectHandlers();
    void answer(dipo::diagnosis::Answer answer);
    void showConclusion(const dipo::diagnosis::Conclusion &conclusion);

    dipo::diagnosis::KbLoad m_knowledgeBase;

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
};

extern Tdiagno *diagno;
