// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/diagno.h"
#include "common/picturewidgets.h"

#include "common/accessibility.h"
#include "common/errorreport.h"
#include "common/keys.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "diagnosis/kbnotice.h"
#include "diagnosis/logic/diagnotexts.h"
#include "diagnosis/logic/kbfolder.h"
#include "diagnosis/logic/repairs.h"
#include "diagnosis/logic/riwayattexts.h"
#include "diagnosis/riwayat.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

Tdiagno *diagno = nullptr;

namespace texts = dipo::diagnosis::texts;
using dipo::diagnosis::Action;
using dipo::diagnosis::Answer;

namespace {

template <typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    QPushButton *result = named(new QPushButton(caption, parent), name);
    QFont font = result->font();
    font.setPointSize(12);
    font.setBold(true);
    result->setFont(font);
    result->setMinimumSize(130, 44);
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

dipo::PicturePanel *panel(const char *decoration, const char *name, QWidget *parent)
{
    return named(new dipo::PicturePanel(QLatin1String(decoration), parent), name);
}

} // namespace

// The built-in base, or an edited copy from the folder given by --kb or DIPO_KB_DIR.
// It is read when the window is first shown (or first used), so start-up does not pay for it.
Tdiagno::Tdiagno(QWidget *parent)
    : Tdiagno(dipo::diagnosis::KbLoad(), parent)
{
    m_knowledgeBaseUnread = true;
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
    QWidget *page = sheet();
    QWidget *titlePlate = panel("diagno_panel.jpg", "Panel1", page);
    Label1 = named(new QLabel(texts::title, titlePlate), "Label1");
    Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label1->font();
    titleFont.setPointSize(22);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    lightText(Label1);
    auto *titleLayout = new QVBoxLayout(titlePlate);
    titleLayout->setContentsMargins(8, 4, 8, 4);
    titleLayout->addWidget(Label1);

    QWidget *left = panel("diagno_panel.jpg", "Panel2", page);
    RadioGroup1 = named(
        new dipo::RadioGroup(texts::systemListTitle, texts::systemNames, 1, left), "RadioGroup1");
    QFont listFont = RadioGroup1->font();
    listFont.setPointSize(12);
    listFont.setBold(true);
    RadioGroup1->setFont(listFont);
    lightText(RadioGroup1);
    auto *picture = panel("diagno_mulai.jpg", "Image1", left);
    picture->setFit(dipo::PictureFit::Letterbox);
    picture->setFixedSize(160, 120);
    BitBtn8 = button(texts::mulai, "BitBtn8", left);
    BitBtn8->hide();
    BitBtn7 = button(texts::ulangi, "BitBtn7", left);
    createSessionControls(left);

    // The column of buttons beside the list: "Mulai" under the picture, "Ulangi" at
    // the foot.
    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(picture);
    buttons->addWidget(BitBtn8);
    buttons->addWidget(BitBtnKembali);
    buttons->addWidget(BitBtnRiwayat);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn7);
    auto *leftLayout = new QHBoxLayout(left);
    leftLayout->setContentsMargins(16, 16, 16, 16);
    leftLayout->setSpacing(16);
    leftLayout->addWidget(RadioGroup1, 1);
    leftLayout->addLayout(buttons);

    QWidget *right = panel("diagno_panel.jpg", "Panel3", page);
    Memo2 = named(new QPlainTextEdit(right), "Memo2");
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

    // Made before the result box, which is raised over the explanation and so stays last.
    createRepairList(right);
    // The result box lies over the explanation when it is shown.
    RichEdit1 = named(new dipo::RichTextBox(right), "RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setBold(true);
    RichEdit1->setFontSize(12);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->hide();
    auto *rightLayout = new QGridLayout(right);
    rightLayout->setContentsMargins(16, 16, 16, 16);
    rightLayout->addWidget(Memo2, 0, 0);
    rightLayout->addWidget(RichEdit1, 0, 0);
    rightLayout->addWidget(LabelPerbaikan, 1, 0);
    rightLayout->addWidget(ListPerbaikan, 2, 0);
    rightLayout->setRowStretch(0, 1);

    QWidget *strip = panel("diagno_panel.jpg", "Panel4", page);
    Label2 = named(new QLabel(texts::questionLabel, strip), "Label2");
    Label2->setFont(listFont);
    lightText(Label2);
    // Two lines high and wrapping, so that the longest question shows whole.
    RichEdit2 = named(new dipo::RichTextBox(strip), "RichEdit2");
    RichEdit2->setReadOnly(true);
    RichEdit2->setFontSize(13);
    RichEdit2->setLine(texts::promptFresh);
    RichEdit2->setFixedHeight(2 * QFontMetrics(RichEdit2->font()).lineSpacing() + 24);

    BITBTN1 = button(texts::ya, "BITBTN1", strip);
    BITBTN2 = button(texts::tidak, "BITBTN2", strip);
    auto *decoration = panel("diagno_strip.jpg", "Image2", strip);
    decoration->setMinimumSize(120, 56);
    decoration->setMaximumHeight(72);
    BitBtn3 = button(texts::infoKu, "BitBtn3", strip);
    BitBtn4 = button(texts::tutup, "BitBtn4", strip);
    auto *answers = new QHBoxLayout;
    answers->setSpacing(16);
    answers->addWidget(BITBTN1);
    answers->addWidget(BITBTN2);
    answers->addWidget(decoration, 1);
    answers->addWidget(BitBtn3);
    answers->addWidget(BitBtn4);
    auto *stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(16, 10, 16, 12);
    stripLayout->setSpacing(6);
    stripLayout->addWidget(Label2);
    stripLayout->addWidget(RichEdit2);
    stripLayout->addSpacing(6);
    stripLayout->addLayout(answers);

    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(16, 8, 16, 0);
    grid->setSpacing(10);
    grid->addWidget(titlePlate, 0, 0, 1, 2);
    grid->addWidget(left, 1, 0);
    grid->addWidget(right, 1, 1);
    grid->setRowStretch(1, 1);
    // The question and its answers stay in view on a low screen, under the page.
    setFixedStrip(strip, QMargins(16, 10, 16, 10));
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
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
    connectKeys();
}

// Y and T answer while YA and TIDAK are enabled; Esc does what "Tutup" does. The
// captions gain no mnemonic.
void Tdiagno::connectKeys()
{
    const std::pair<Qt::Key, QPushButton *> answerKeys[]
        = { { Qt::Key_Y, BITBTN1 }, { Qt::Key_T, BITBTN2 } };
    for (const auto &[key, answerButton] : answerKeys) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, answerButton, &QPushButton::click);
    }
    dipo::keys::escapeClicks(this, BitBtn4);

    Label2->setBuddy(RichEdit2);
    RichEdit2->setAccessibleName(dipo::keys::nameFromCaption(texts::questionLabel));
    RichEdit1->setAccessibleName(dipo::keys::nameFromCaption(texts::resultTitle));
    Memo2->setAccessibleName(QStringLiteral("Penjelasan"));
    BITBTN1->setAccessibleDescription(QStringLiteral("Y"));
    BITBTN2->setAccessibleDescription(QStringLiteral("T"));

    // The system list, the buttons beside it, the result; then the question and its
    // answers.
    QList<QWidget *> order;
    for (int i = 0; i < RadioGroup1->count(); ++i)
        order << RadioGroup1->item(i);
    order << BitBtn8 << BitBtnKembali << BitBtnRiwayat << BitBtn7 << RichEdit1 << ListPerbaikan
          << RichEdit2 << BITBTN1 << BITBTN2 << BitBtn3 << BitBtn4;
    dipo::keys::setReadingOrder(order);
    RadioGroup1->item(0)->setFocus();
}

void Tdiagno::FormCreate()
{
    BITBTN1->setEnabled(false);
    BITBTN2->setEnabled(false);
    if (!m_knowledgeBaseUnread && !m_knowledgeBase.ok())
        refuseBrokenBase();
}

void Tdiagno::refuseBrokenBase()
{
    // Without its knowledge base the window stays as it is: no system can be chosen.
    RadioGroup1->setEnabled(false);
    dipo::errorreport::show(m_knowledgeBase.errors().join(QLatin1Char('\n')));
}

const dipo::diagnosis::KbLoad &Tdiagno::knowledgeBase()
{
    if (m_knowledgeBaseUnread)
        readKnowledgeBase(false);
    return m_knowledgeBase;
}

void Tdiagno::readKnowledgeBase(bool showingNow)
{
    m_knowledgeBaseUnread = false;
    const dipo::diagnosis::KbChoice &choice = dipo::diagnosis::chosenKnowledgeBase();
    m_knowledgeBase = choice.load;
    m_questionsLeft = dipo::diagnosis::questionsLeft(m_knowledgeBase.knowledgeBase);
    if (!showingNow) {
        if (!m_knowledgeBase.ok())
            refuseBrokenBase();
        dipo::diagnosis::tellOnFirstShow(this, choice);
        return;
    }
    // The window is being shown: the boxes come just after, standing over it.
    if (!m_knowledgeBase.ok()) {
        RadioGroup1->setEnabled(false);
        QTimer::singleShot(0, this, [this] { refuseBrokenBase(); });
    }
    if (choice.fellBack())
        QTimer::singleShot(0, this, [message = dipo::diagnosis::fallbackMessage(choice)] {
            dipo::errorreport::show(message);
        });
}

void Tdiagno::showEvent(QShowEvent *event)
{
    if (m_knowledgeBaseUnread)
        readKnowledgeBase(true);
    dipo::Window::showEvent(event);
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
    RichEdit2->setLine(knowledgeBase().knowledgeBase.startQuestion(RadioGroup1->itemIndex()));
    RadioGroup1->setEnabled(false);
    BitBtn7->show();
    m_session.begin(knowledgeBase().knowledgeBase.startQuestion(RadioGroup1->itemIndex()));
    sessionChanged();
    // The first answer is one key away.
    BITBTN1->setFocus();
    dipo::a11y::announce(this, RichEdit2->firstLine());
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
    const Action action = knowledgeBase().knowledgeBase.answer(answer, RichEdit2->firstLine());
    switch (action.kind) {
    case Action::Kind::Ask:
        RichEdit2->setLine(action.question);
        dipo::a11y::announce(this, action.question);
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
    // The walk is over: the next step is another one.
    BitBtn7->setFocus();
    dipo::a11y::announce(this, conclusion.lines.join(QLatin1Char(' ')));
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
    // Counted again when the window reads its base (the trail window keeps a reference).
    m_questionsLeft = dipo::diagnosis::questionsLeft(m_knowledgeBase.knowledgeBase);
    BitBtnKembali = button(texts::kembali, "BitBtnKembali", panel);
    BitBtnKembali->setToolTip(texts::kembaliTip);
    BitBtnRiwayat = button(texts::riwayat, "BitBtnRiwayat", panel);
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
    showRepairs();
}

namespace {
Tdiagno::RepairOpener g_repairOpener;
} // namespace

void Tdiagno::setRepairOpener(RepairOpener opener)
{
    g_repairOpener = std::move(opener);
}

// Under the result box: a list of the procedures, each by its own caption; it stays only
// as long as the fault it belongs to is shown.
void Tdiagno::createRepairList(QWidget *panel)
{
    LabelPerbaikan = named(new QLabel(texts::repairsLabel, panel), "LabelPerbaikan");
    QFont font = LabelPerbaikan->font();
    font.setPointSize(12);
    font.setBold(true);
    LabelPerbaikan->setFont(font);
    lightText(LabelPerbaikan);
    ListPerbaikan = named(new QListWidget(panel), "ListPerbaikan");
    font.setBold(false);
    ListPerbaikan->setFont(font);
    ListPerbaikan->setAccessibleName(texts::repairsLabel);
    ListPerbaikan->setAccessibleDescription(texts::repairsHint);
    ListPerbaikan->setToolTip(texts::repairsHint);
    ListPerbaikan->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    ListPerbaikan->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ListPerbaikan->installEventFilter(this);
    LabelPerbaikan->setBuddy(ListPerbaikan);
    LabelPerbaikan->hide();
    ListPerbaikan->hide();
    connect(ListPerbaikan, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        // The window the link opens may come up under the pointer: a double click's second
        // click must not act in it.
        dipo::keys::ignoreRestOfDoubleClick();
        ListPerbaikanActivated(item);
    });
}

void Tdiagno::showRepairs()
{
    if (!ListPerbaikan)
        return; // not made yet
    const bool shown = m_session.isConcluded() && !m_session.conclusion().notice
        && !m_session.conclusion().repairs.isEmpty();
    ListPerbaikan->clear();
    if (shown) {
        for (const dipo::diagnosis::Repair &repair : m_session.conclusion().repairs) {
            auto *item
                = new QListWidgetItem(dipo::diagnosis::repairs::caption(repair), ListPerbaikan);
            item->setData(Qt::UserRole, int(repair.kind));
            item->setData(Qt::UserRole + 1, repair.key);
        }
        ListPerbaikan->setCurrentRow(0);
        // At most four rows high, so that the result box keeps its room.
        const int rows = std::min(int(ListPerbaikan->count()), 4);
        ListPerbaikan->setFixedHeight(
            rows * ListPerbaikan->sizeHintForRow(0) + 2 * ListPerbaikan->frameWidth() + 4);
    }
    LabelPerbaikan->setVisible(shown);
    ListPerbaikan->setVisible(shown);
}

void Tdiagno::ListPerbaikanActivated(QListWidgetItem *item)
{
    if (!item || !g_repairOpener)
        return;
    g_repairOpener(
        dipo::diagnosis::Repair { dipo::diagnosis::Repair::Kind(item->data(Qt::UserRole).toInt()),
            item->data(Qt::UserRole + 1).toString() });
}

// Enter and Space open the entry with the focus, as a click does.
bool Tdiagno::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListPerbaikan && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            ListPerbaikanActivated(ListPerbaikan->currentItem());
            return true;
        }
    }
    return dipo::Window::eventFilter(watched, event);
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
    dipo::a11y::announce(this, undone.step.question);
}

void Tdiagno::BitBtnRiwayatClick()
{
    riwayat->showWindow();
}
