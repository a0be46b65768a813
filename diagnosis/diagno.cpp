#include "diagnosis/diagno.h"

#include "common/errorreport.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "diagnosis/diagnotexts.h"
#include "diagnosis/kbfolder.h"
#include "diagnosis/kbnotice.h"
#include "diagnosis/riwayat.h"
#include "diagnosis/riwayattexts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

Tdiagno *diagno = nullptr;

namespace texts = dipo::diagnosis::texts;
using dipo::diagnosis::Action;
using dipo::diagnosis::Answer;

namespace {

template <typename Control>
Control *named(Control *control, const char *name, const QRect &geometry)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

QPushButton *button(
    const QString &caption, const char *name, const QRect &geometry, QWidget *parent)
{
    QPushButton *result = named(new QPushButton(caption, parent), name, geometry);
    QFont font = result->font();
    font.setPointSize(12);
    font.setBold(true);
    result->setFont(font);
    return result;
}

// Captions that stand on the dark panels.
void lightText(QWidget *widget)
{
    QPalette colours = widget->palette();
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::ButtonText }) {
        colours.setColor(QPalette::Active, role, Qt::white);
        colours.setColor(QPalette::Inactive, role, Qt::white);
        colours.setColor(QPalette::Disabled, role, QColor(190, 200, 215));
    }
    widget->setPalette(colours);
}

dipo::PicturePanel *panel(
    const char *decoration, const char *name, const QRect &geometry, QWidget *parent)
{
    return named(new dipo::PicturePanel(QLatin1String(decoration), parent), name, geometry);
}

} // namespace

// The built-in base, or an edited copy from the folder given by --kb or DIPO_KB_DIR.
Tdiagno::Tdiagno(QWidget *parent)
    : Tdiagno(dipo::diagnosis::chosenKnowledgeBase().load, parent)
{
    dipo::diagnosis::tellOnFirstShow(this, dipo::diagnosis::chosenKnowledgeBase());
}

Tdiagno::Tdiagno(const dipo::diagnosis::KbLoad &knowledgeBase, QWidget *parent)
    : dipo::Window(QStringLiteral("diagno"), texts::caption, parent)
    , m_knowledgeBase(knowledgeBase)
{
    setFullScreenGeometry();
    setBackground(QStringLiteral("diagno_background.jpg"));
    createControls();
    connectHandlers();
    FormCreate();
}

void Tdiagno::createControls()
{
    QWidget *titlePlate = panel("diagno_panel.jpg", "Panel1", QRect(20, 10, 984, 60), this);
    Label1 = named(new QLabel(texts::title, titlePlate), "Label1", QRect(0, 0, 984, 60));
    Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label1->font();
    titleFont.setPointSize(22);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    lightText(Label1);

    QWidget *left = panel("diagno_panel.jpg", "Panel2", QRect(20, 84, 480, 440), this);
    RadioGroup1 = named(new dipo::RadioGroup(texts::systemListTitle, texts::systemNames, 1, left),
        "RadioGroup1", QRect(16, 16, 290, 408));
    QFont listFont = RadioGroup1->font();
    listFont.setPointSize(12);
    listFont.setBold(true);
    RadioGroup1->setFont(listFont);
    lightText(RadioGroup1);
    panel("diagno_mulai.jpg", "Image1", QRect(322, 16, 142, 190), left);
    BitBtn8 = button(texts::mulai, "BitBtn8", QRect(322, 220, 142, 44), left);
    BitBtn8->hide();
    BitBtn7 = button(texts::ulangi, "BitBtn7", QRect(322, 380, 142, 44), left);
    createSessionControls(left);

    QWidget *right = panel("diagno_panel.jpg", "Panel3", QRect(520, 84, 484, 440), this);
    const QRect explanationArea(16, 16, 452, 408);
    Memo2 = named(new QPlainTextEdit(right), "Memo2", explanationArea);
    Memo2->setPlainText(texts::explanation.join(QLatin1Char('\n')));
    Memo2->setReadOnly(true);
    Memo2->setEnabled(false);
    QFont explanationFont = Memo2->font();
    explanationFont.setPointSize(12);
    Memo2->setFont(explanationFont);
    // Disabled, but meant to be read: keep its text dark.
    QPalette explanationColours = Memo2->palette();
    explanationColours.setColor(QPalette::Disabled, QPalette::Text,
        explanationColours.color(QPalette::Active, QPalette::Text));
    Memo2->setPalette(explanationColours);

    RichEdit1 = named(new dipo::RichTextBox(right), "RichEdit1", explanationArea);
    RichEdit1->setReadOnly(true);
    RichEdit1->setBold(true);
    RichEdit1->setFontSize(12);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->hide();

    QWidget *strip = panel("diagno_panel.jpg", "Panel4", QRect(20, 538, 984, 216), this);
    Label2 = named(new QLabel(texts::questionLabel, strip), "Label2", QRect(16, 12, 300, 24));
    Label2->setFont(listFont);
    lightText(Label2);
    // Two lines high and wrapping, so that the longest question shows whole.
    RichEdit2 = named(new dipo::RichTextBox(strip), "RichEdit2", QRect(16, 40, 952, 80));
    RichEdit2->setReadOnly(true);
    RichEdit2->setFontSize(13);
    RichEdit2->setLine(texts::promptFresh);

    BITBTN1 = button(texts::ya, "BITBTN1", QRect(16, 142, 130, 56), strip);
    BITBTN2 = button(texts::tidak, "BITBTN2", QRect(162, 142, 130, 56), strip);
    panel("diagno_strip.jpg", "Image2", QRect(308, 134, 368, 72), strip);
    BitBtn3 = button(texts::infoKu, "BitBtn3", QRect(692, 142, 130, 56), strip);
    BitBtn4 = button(texts::tutup, "BitBtn4", QRect(838, 142, 130, 56), strip);
}

void Tdiagno::connectHandlers()
{
    connect(RadioGroup1, &dipo::RadioGroup::itemClicked, this, &Tdiagno::RadioGroup1Click);
    connect(BitBtn8, &QPushButton::clicked, this, &Tdiagno::BitBtn8Click);
    connect(BITBTN1, &QPushButton::clicked, this, &Tdiagno::BITBTN1Click);
    connect(BITBTN2, &QPushButton::clicked, this, &Tdiagno::BITBTN2Click);
    connect(BitBtn7, &QPushButton::clicked, this, &Tdiagno::BitBtn7Click);
    connect(BitBtn4, &QPushButton::clicked, this, &Tdiagno::BitBtn4Click);
    // "Info ku" has no handler.
}

void Tdiagno::FormCreate()
{
    BITBTN1->setEnabled(false);
    BITBTN2->setEnabled(false);
    // Without its knowledge base the window stays as it is: no system can be chosen.
    if (!m_knowledgeBase.ok()) {
        RadioGroup1->setEnabled(false);
        dipo::errorreport::show(m_knowledgeBase.errors.join(QLatin1Char('\n')));
    }
}

void Tdiagno::RadioGroup1Click(int index)
{
    BitBtn8->show();
    RichEdit2->setLine(QString());
    BitBtn8->setEnabled(true);
    RichEdit1->clearLines();
    BitBtn7->show();
    BITBTN1->setEnabled(false);
    BITBTN2->setEnabled(false);
    RichEdit2->setLine(texts::promptChosen);
    m_session.reset(index, texts::systemNames.value(index));
    sessionChanged();
}

void Tdiagno::BitBtn8Click()
{
    BITBTN1->setEnabled(true);
    BITBTN2->setEnabled(true);
    BITBTN1->show();
    BITBTN2->show();
    BitBtn8->setEnabled(false);
    BitBtn8->hide();
    RichEdit2->setLine(m_knowledgeBase.knowledgeBase.startQuestion(RadioGroup1->itemIndex()));
    RadioGroup1->setEnabled(false);
    BitBtn7->show();
    m_session.begin(m_knowledgeBase.knowledgeBase.startQuestion(RadioGroup1->itemIndex()));
    sessionChanged();
}

void Tdiagno::BITBTN1Click()
{
    answer(Answer::Ya);
}

void Tdiagno::BITBTN2Click()
{
    answer(Answer::Tidak);
}

void Tdiagno::answer(Answer answer)
{
    const Action action = m_knowledgeBase.knowledgeBase.answer(answer, RichEdit2->firstLine());
    switch (action.kind) {
    case Action::Kind::Ask:
        RichEdit2->setLine(action.question);
        break;
    case Action::Kind::Conclude:
        m_resultFontSizeBeforeConclusion = RichEdit1->fontSize();
        showConclusion(action.conclusion);
        break;
    case Action::Kind::Nothing:
        return;
    }
    m_session.record(answer, action);
    sessionChanged();
}

void Tdiagno::showConclusion(const dipo::diagnosis::Conclusion &conclusion)
{
    RichEdit2->setLine(texts::promptConcluded);
    RichEdit1->show();
    RichEdit1->raise();
    BITBTN1->setEnabled(false);
    BITBTN2->setEnabled(false);
    RichEdit1->setFontSize(conclusion.fontSize);
    RichEdit1->setFirstLineIndent(2);
    RichEdit1->appendLine(texts::resultTitle);
    RichEdit1->setFirstLineIndent(12);
    RichEdit1->appendLine(QString());
    RichEdit1->setFirstLineIndent(12);
    for (const QString &line : conclusion.lines)
        RichEdit1->appendLine(line);
}

void Tdiagno::BitBtn7Click()
{
    if (RadioGroup1->itemIndex() != -1) {
        RadioGroup1->setItemIndex(-1);
        RadioGroup1->setEnabled(true);
        RichEdit1->hide();
    }
    BitBtn8->hide();
    BitBtn7->show();
    RichEdit2->setLine(texts::promptReset);
    m_session.reset();
    sessionChanged();
}

void Tdiagno::BitBtn4Click()
{
    close();
}

// The back step and the trail window, beside the window's own controls.
void Tdiagno::createSessionControls(QWidget *panel)
{
    m_questionsLeft = dipo::diagnosis::questionsLeft(m_knowledgeBase.knowledgeBase);
    BitBtnKembali = button(texts::kembali, "BitBtnKembali", QRect(322, 273, 142, 44), panel);
    BitBtnKembali->setToolTip(texts::kembaliTip);
    BitBtnRiwayat = button(texts::riwayat, "BitBtnRiwayat", QRect(322, 327, 142, 44), panel);
    BitBtnRiwayat->setToolTip(texts::riwayatTip);
    riwayat = new Triwayat(m_session, m_questionsLeft, this);

    connect(BitBtnKembali, &QPushButton::clicked, this, &Tdiagno::BitBtnKembaliClick);
    connect(BitBtnRiwayat, &QPushButton::clicked, this, &Tdiagno::BitBtnRiwayatClick);
    // Shortcuts, so that the caption gains no mnemonic; a disabled button ignores them.
    for (const QKeySequence &keys :
        { QKeySequence(Qt::Key_Backspace), QKeySequence(Qt::ALT | Qt::Key_K) }) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, BitBtnKembali, &QPushButton::click);
    }
    sessionChanged();
}

void Tdiagno::sessionChanged()
{
    BitBtnKembali->setEnabled(m_session.canStepBack());
    riwayat->sessionChanged();
}

// Takes back the last answer: its question is asked again, and a conclusion it
// reached is withdrawn.
void Tdiagno::BitBtnKembaliClick()
{
    if (!m_session.canStepBack())
        return;
    const dipo::diagnosis::Session::Undone undone = m_session.stepBack();
    if (undone.hadConcluded) {
        RichEdit1->hide();
        RichEdit1->clearLines();
        RichEdit1->setFontSize(m_resultFontSizeBeforeConclusion);
    }
    RichEdit2->setLine(undone.step.question);
    BITBTN1->setEnabled(true);
    BITBTN2->setEnabled(true);
    sessionChanged();
}

void Tdiagno::BitBtnRiwayatClick()
{
    riwayat->showWindow();
}
