// SPDX-License-Identifier: GPL-3.0-or-later
#include "tuneup/tuneup.h"
#include "common/picturewidgets.h"

#include "common/keys.h"

#include "common/errorreport.h"
#include "common/logic/pictures.h"
#include "common/picturebox.h"
#include "common/radiogroup.h"
#include "common/recorder.h"
#include "common/richtextbox.h"
#include "tuneup/logic/proceduretable.h"
#include "tuneup/logic/tuneuptexts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>
#include <QtMath>

using dipo::tuneup::Procedure;
using dipo::tuneup::ProcedureTable;
namespace text = dipo::tuneup::text;

TTUNEUP *TUNEUP = nullptr;

namespace {

constexpr int kFirstGovernorGroup = 3;
constexpr qreal kHeadingIndent = 1;
constexpr qreal kBodyIndent = 10;
constexpr qreal kTutorialFontSize = 12;
constexpr int kTutorialLinesShown = 25;

// Tab stops in character columns of the explanation box's fixed-pitch font. The
// texts line up their tables with runs of blanks on the same grid: the steps ("1.\t")
// meet their continuation lines at 7, the table columns sit at 19 and 31.
constexpr int kFirstTabColumns[] = { 7, 19, 31 };
constexpr int kTabColumnsAfter = 12;
constexpr int kTabStopCount = 16;

template <typename T> T *named(T *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    return named(new QPushButton(caption, parent), name);
}

// A light veil over the background picture keeps the frames' captions readable.
void veil(QWidget *frame)
{
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QColor(242, 242, 246, 215));
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
}

dipo::RadioGroup *procedureGroup(int group, const char *name, QWidget *parent)
{
    const QStringList items = ProcedureTable::builtIn().captions(group);
    return named(new dipo::RadioGroup(text::groupTitles[group - 1], items, 1, parent), name);
}

} // namespace

TTUNEUP::TTUNEUP(QWidget *parent)
    : dipo::Window(QStringLiteral("TUNEUP"), text::caption, parent)
{
    setFullScreenGeometry();
    setBackground(QStringLiteral("tuneup_background.jpg"));
    buildControls();

    connect(BitBtn1, &QPushButton::clicked, this, &TTUNEUP::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TTUNEUP::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TTUNEUP::BitBtn3Click);
    connect(RadioGroup1, &dipo::RadioGroup::itemClicked, this, &TTUNEUP::RadioGroup1Click);
    connect(RadioGroup2, &dipo::RadioGroup::itemClicked, this, &TTUNEUP::RadioGroup2Click);
    connect(RadioGroup3, &dipo::RadioGroup::itemClicked, this, &TTUNEUP::RadioGroup3Click);
    connect(RadioGroup4, &dipo::RadioGroup::itemClicked, this, &TTUNEUP::RadioGroup4Click);
    connect(RadioGroup5, &dipo::RadioGroup::itemClicked, this, &TTUNEUP::RadioGroup5Click);
    connect(RadioGroup6, &dipo::RadioGroup::itemClicked, this, &TTUNEUP::RadioGroup6Click);
    connect(RadioGroup7, &dipo::RadioGroup::itemClicked, this, &TTUNEUP::RadioGroup7Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &TTUNEUP::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TTUNEUP::SpeedButton2Click);
    connect(Button3, &QPushButton::clicked, this, &TTUNEUP::Button3Click);
    connect(BtnCatatPekerjaan, &QPushButton::clicked, this, &TTUNEUP::BtnCatatPekerjaanClick);
    connect(Image2, &dipo::PictureBox::clicked, this, &TTUNEUP::showPictureLarge);
    connect(Image3, &dipo::PictureBox::clicked, this, &TTUNEUP::showPictureLarge);
    // The controls were made in reading order, which is Tab's; Esc does what CLOSE does.
    RichEdit1->setAccessibleName(text::stepsName);
    Memo1->setAccessibleName(text::introductionName);
    dipo::keys::showFocusFrame(Memo1);
    Memo1->setTabChangesFocus(true); // Tab leaves the introduction instead of writing in it
    dipo::keys::escapeClicks(this, Button3);
    BitBtn1->setFocus();

    FormCreate();
}

void TTUNEUP::buildControls()
{
    // The content is taller than most screens; the window's page scrolls.
    QWidget *content = sheet();
    ScrollBox = scrollBox();

    auto *plate
        = named(new dipo::PicturePanel(QStringLiteral("tuneup_panel.jpg"), content), "TitlePlate");
    plate->setFrameShape(QFrame::Panel);
    plate->setFrameShadow(QFrame::Raised);
    Label1 = named(new QLabel(text::title, plate), "Label1");
    Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label1->font();
    titleFont.setPointSize(20);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    auto *plateLayout = new QVBoxLayout(plate);
    plateLayout->setContentsMargins(8, 8, 8, 8);
    plateLayout->addWidget(Label1);

    GroupBox1 = named(new QGroupBox(text::tutorialFrame, content), "GroupBox1");
    veil(GroupBox1);
    BitBtn1 = button(text::valveButton, "BitBtn1", GroupBox1);
    BitBtn2 = button(text::governorButton, "BitBtn2", GroupBox1);
    BitBtn3 = button(text::injectorButton, "BitBtn3", GroupBox1);
    auto *categories = new QHBoxLayout;
    categories->setSpacing(16);
    for (QPushButton *category : { BitBtn1, BitBtn2, BitBtn3 }) {
        category->setMinimumHeight(40);
        categories->addWidget(category, 1);
    }

    GroupBox3 = named(new QGroupBox(text::governorFrame, GroupBox1), "GroupBox3");
    RadioGroup3 = procedureGroup(3, "RadioGroup3", GroupBox3);
    RadioGroup5 = procedureGroup(5, "RadioGroup5", GroupBox3);
    RadioGroup4 = procedureGroup(4, "RadioGroup4", GroupBox3);
    GroupBox4 = named(new QGroupBox(text::limitingSpeedFrame, GroupBox3), "GroupBox4");
    RadioGroup6 = procedureGroup(6, "RadioGroup6", GroupBox4);
    RadioGroup7 = procedureGroup(7, "RadioGroup7", GroupBox4);
    // the governor items are long: a smaller type and narrow margins keep them whole
    QFont itemFont = GroupBox3->font();
    itemFont.setPointSizeF(8);
    for (dipo::RadioGroup *group :
        { RadioGroup3, RadioGroup4, RadioGroup5, RadioGroup6, RadioGroup7 }) {
        group->setFont(itemFont);
        group->layout()->setContentsMargins(6, 2, 4, 2);
        group->layout()->setSpacing(0);
    }
    auto *limitingSpeed = new QVBoxLayout(GroupBox4);
    limitingSpeed->setContentsMargins(5, 4, 5, 5);
    limitingSpeed->addWidget(RadioGroup6);
    limitingSpeed->addWidget(RadioGroup7, 1);
    auto *middle = new QVBoxLayout;
    middle->addWidget(RadioGroup5, 1);
    middle->addWidget(RadioGroup4, 1);
    m_governors = new QGridLayout(GroupBox3);
    m_governors->setContentsMargins(8, 4, 8, 8);
    m_governors->setSpacing(6);
    m_governors->addWidget(RadioGroup3, 0, 0);
    m_governors->addLayout(middle, 0, 1);
    m_governors->setColumnStretch(0, 1);
    m_governors->setColumnStretch(1, 1);
    arrangeGovernors(false);

    RadioGroup1 = procedureGroup(1, "RadioGroup1", GroupBox1);
    RadioGroup2 = procedureGroup(2, "RadioGroup2", GroupBox1);
    m_groups = { RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4, RadioGroup5, RadioGroup6,
        RadioGroup7 };
    nameRepeatedItems();

    RichEdit2 = named(new dipo::RichTextBox(GroupBox1), "RichEdit2");
    RichEdit2->setReadOnly(true);
    RichEdit2->setEnabled(false);
    RichEdit2->setMinimumHeight(72);
    SpeedButton1 = button(text::resetButton, "SpeedButton1", GroupBox1);
    SpeedButton2 = button(text::processButton, "SpeedButton2", GroupBox1);
    auto *actions = new QVBoxLayout;
    actions->addWidget(RichEdit2, 1);
    actions->addWidget(SpeedButton1);
    actions->addWidget(SpeedButton2);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(12);
    bottom->addWidget(RadioGroup1, 4);
    bottom->addWidget(RadioGroup2, 3);
    bottom->addLayout(actions, 3);

    auto *tutorial = new QVBoxLayout(GroupBox1);
    tutorial->setContentsMargins(12, 8, 12, 10);
    tutorial->setSpacing(8);
    tutorial->addLayout(categories);
    tutorial->addWidget(GroupBox3);
    tutorial->addLayout(bottom);

    GroupBox2 = named(new QGroupBox(content), "GroupBox2");
    veil(GroupBox2);
    RichEdit1 = named(new dipo::RichTextBox(GroupBox2), "RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Room for a tutorial's first 25 lines and more.
    QFont tutorialFont = RichEdit1->font();
    tutorialFont.setPointSizeF(kTutorialFontSize);
    RichEdit1->setMinimumHeight(
        qCeil(QFontMetricsF(tutorialFont, RichEdit1).lineSpacing() * (kTutorialLinesShown + 1))
        + 2 * RichEdit1->frameWidth() + 2 * qCeil(RichEdit1->document()->documentMargin()));
    Memo1 = named(new QPlainTextEdit(GroupBox2), "Memo1");
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Image2 = named(new dipo::PictureBox(GroupBox2), "Image2");
    Image2->setDecoration(QStringLiteral("tuneup_default.jpg"));
    Image3 = named(new dipo::PictureBox(GroupBox2), "Image3");
    Button3 = button(text::closeButton, "Button3", GroupBox2);
    Button3->setMinimumHeight(40);
    KartuKerja = new dipo::WorkCardButtons(GroupBox2);
    KartuKerja->setObjectName(QStringLiteral("KartuKerja"));
    auto *picture = new QGridLayout;
    picture->setVerticalSpacing(10);
    for (dipo::PictureBox *box : { Image2, Image3 }) {
        // 4:3, as the pictures are drawn; the component's picture over the default one
        box->setFrameAspect(4.0 / 3.0);
        box->setMinimumSize(320, 240);
        box->setCursor(Qt::PointingHandCursor);
        box->setToolTip(text::enlargePicture);
        picture->addWidget(box, 0, 0);
    }
    // Named apart: the tune-up picture shown at first, and the chosen procedure's.
    Image2->setActsAsButton(QStringLiteral("Perbesar gambar tune-up"));
    Image3->setActsAsButton(QStringLiteral("Perbesar gambar prosedur"));
    picture->addWidget(Button3, 1, 0);
    BtnCatatPekerjaan = button(dipo::recorder::catatPekerjaan, "BtnCatatPekerjaan", GroupBox2);
    BtnCatatPekerjaan->hide(); // until PROSES shows a procedure
    picture->addWidget(BtnCatatPekerjaan, 2, 0);
    picture->addWidget(KartuKerja, 3, 0);
    picture->setRowStretch(4, 1);
    auto *explanation = new QGridLayout(GroupBox2);
    explanation->setContentsMargins(10, 10, 10, 10);
    explanation->setHorizontalSpacing(10);
    explanation->addWidget(RichEdit1, 0, 0);
    explanation->addWidget(Memo1, 0, 0);
    explanation->addLayout(picture, 0, 1);
    explanation->setColumnStretch(0, 3);
    explanation->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(plate);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2, 1);
}

// The three governor columns side by side; on a narrow page (960 pixels wide) the
// limiting-speed frame goes under the other two, so the page never scrolls sideways.
void TTUNEUP::arrangeGovernors(bool narrow)
{
    if (m_governorsNarrow == narrow && m_governors->indexOf(GroupBox4) >= 0)
        return;
    m_governorsNarrow = narrow;
    m_governors->removeWidget(GroupBox4);
    if (narrow) {
        m_governors->addWidget(GroupBox4, 1, 0, 1, 2);
        m_governors->setColumnStretch(2, 0);
    } else {
        m_governors->addWidget(GroupBox4, 0, 2);
        m_governors->setColumnStretch(2, 1);
    }
}

void TTUNEUP::resizeEvent(QResizeEvent *event)
{
    // The width the page needs with the columns side by side, against the width it has
    // (less a vertical scroll bar).
    if (m_wideWidth == 0 && !m_governorsNarrow)
        m_wideWidth = sheet()->minimumSizeHint().width();
    const int room = event->size().width() - scrollBox()->verticalScrollBar()->sizeHint().width();
    arrangeGovernors(room < m_wideWidth);
    dipo::Window::resizeEvent(event);
}

void TTUNEUP::showPictureLarge()
{
    const dipo::PictureBox *shown = Image3->isVisible() && Image3->hasPicture() ? Image3 : Image2;
    if (!shown->hasPicture())
        return;
    dipo::PictureViewer::showFor(
        this, text::pictureViewerCaption, shown->picture(), shown->shows());
}

void TTUNEUP::FormCreate()
{
    for (dipo::RadioGroup *group : m_groups)
        group->setEnabled(false);
    const QStringList prompt = text::startPrompt;
    RichEdit2->setLine(prompt.at(0));
    RichEdit2->appendLine(prompt.at(1));
    Memo1->setPlainText(text::introduction.join(QLatin1Char('\n')));
    RichEdit1->setFocusPolicy(Qt::NoFocus); // under the introduction
}

void TTUNEUP::writePrompt(const QString &prompt)
{
    RichEdit2->clearLines();
    RichEdit2->setLine(prompt);
}

void TTUNEUP::clearSelections()
{
    for (dipo::RadioGroup *group : m_groups)
        group->setItemIndex(-1);
}

void TTUNEUP::setTabStops()
{
    // The layout takes its tab stops from each paragraph, so every line gets them.
    QFont font = RichEdit1->font();
    font.setPointSizeF(kTutorialFontSize);
    const qreal column = QFontMetricsF(font, RichEdit1).horizontalAdvance(QLatin1Char(' '));
    QList<QTextOption::Tab> stops;
    for (int columns : kFirstTabColumns)
        stops << QTextOption::Tab(columns * column, QTextOption::LeftTab);
    while (stops.size() < kTabStopCount)
        stops << QTextOption::Tab(
            stops.last().position + kTabColumnsAfter * column, QTextOption::LeftTab);
    QTextBlockFormat format;
    format.setTabPositions(stops);
    QTextCursor all(RichEdit1->document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(format);
}

void TTUNEUP::BitBtn1Click()
{
    dipo::errorreport::guard([&] {
        RadioGroup1->setEnabled(true);
        BitBtn2->setEnabled(false);
        BitBtn3->setEnabled(false);
        writePrompt(text::valvePrompt);
    });
}

void TTUNEUP::BitBtn2Click()
{
    dipo::errorreport::guard([&] {
        for (int g = kFirstGovernorGroup; g <= ProcedureTable::groupCount; ++g)
            radioGroup(g)->setEnabled(true);
        BitBtn1->setEnabled(false);
        BitBtn3->setEnabled(false);
        writePrompt(text::governorPrompt);
        clearSelections();
        RichEdit1->clearLines();
        KartuKerja->clearCard();
        Image3->hide();
        Image2->setFocusPolicy(Qt::StrongFocus); // the picture shown takes the focus
    });
}

void TTUNEUP::BitBtn3Click()
{
    dipo::errorreport::guard([&] {
        RadioGroup2->setEnabled(true);
        BitBtn2->setEnabled(false);
        BitBtn1->setEnabled(false);
        writePrompt(text::injectorPrompt);
    });
}

void TTUNEUP::governorItemPicked(int picked)
{
    dipo::errorreport::guard([&] {
        for (int g = kFirstGovernorGroup; g <= ProcedureTable::groupCount; ++g)
            if (g != picked)
                radioGroup(g)->setEnabled(false);
        writePrompt(text::itemPickedPrompt);
    });
}

void TTUNEUP::RadioGroup1Click()
{
    dipo::errorreport::guard([&] { writePrompt(text::itemPickedPrompt); });
}

void TTUNEUP::RadioGroup2Click()
{
    dipo::errorreport::guard([&] { writePrompt(text::itemPickedPrompt); });
}

void TTUNEUP::RadioGroup3Click()
{
    governorItemPicked(3);
}
void TTUNEUP::RadioGroup4Click()
{
    governorItemPicked(4);
}
void TTUNEUP::RadioGroup5Click()
{
    governorItemPicked(5);
}
void TTUNEUP::RadioGroup6Click()
{
    governorItemPicked(6);
}
void TTUNEUP::RadioGroup7Click()
{
    governorItemPicked(7);
}

void TTUNEUP::SpeedButton1Click()
{
    dipo::errorreport::guard([&] {
        clearSelections();
        // Each test sees what the one before it changed.
        if (BitBtn1->isEnabled()) {
            BitBtn2->setEnabled(true);
            BitBtn3->setEnabled(true);
            RadioGroup1->setEnabled(false);
        }
        if (BitBtn2->isEnabled()) {
            BitBtn1->setEnabled(true);
            BitBtn3->setEnabled(true);
            for (int g = kFirstGovernorGroup; g <= ProcedureTable::groupCount; ++g)
                radioGroup(g)->setEnabled(false);
        }
        if (BitBtn3->isEnabled()) {
            BitBtn1->setEnabled(true);
            BitBtn2->setEnabled(true);
            RadioGroup2->setEnabled(false);
        }
        writePrompt(text::resetPrompt);
        RichEdit1->clearLines();
        KartuKerja->clearCard();
        BtnCatatPekerjaan->hide();
        Memo1->show();
        RichEdit1->setFocusPolicy(Qt::NoFocus); // under the introduction
        Image3->hide();
        Image2->setFocusPolicy(Qt::StrongFocus); // the picture shown takes the focus
    });
}

void TTUNEUP::SpeedButton2Click()
{
    dipo::errorreport::guard([&] {
        Memo1->hide();
        RichEdit1->setFocusPolicy(Qt::StrongFocus);
        // A failed picture ends the handler here, so later groups are not looked at.
        const ProcedureTable &table = ProcedureTable::builtIn();
        for (int g = 1; g <= ProcedureTable::groupCount; ++g)
            if (const Procedure *procedure = table.find(g, radioGroup(g)->itemIndex()))
                writeTutorial(*procedure);
    });
}

void TTUNEUP::writeTutorial(const Procedure &procedure)
{
    // The tutorial comes into view, whatever part of the page was shown.
    ScrollBox->ensureWidgetVisible(GroupBox2, 0, 0);
    RichEdit1->clearLines();
    RichEdit1->setFirstLineIndent(kHeadingIndent);
    RichEdit1->setFontSize(kTutorialFontSize);
    RichEdit1->appendLine(procedure.heading);
    m_shownProcedure = procedure.heading;
    BtnCatatPekerjaan->show();
    RichEdit1->setFirstLineIndent(kBodyIndent);
    for (const QString &line : procedure.body)
        RichEdit1->appendLine(line);
    setTabStops();
    KartuKerja->setCard({ procedure.caption, procedure.heading, procedure.body,
        procedure.hasPicture() ? procedure.picturePath() : QString() });
    if (procedure.hasPicture()) {
        Image3->loadPicture(procedure.picturePath());
        Image3->setShows(procedure.caption.trimmed());
        Image3->show();
        Image2->setFocusPolicy(Qt::NoFocus);
    }
}

void TTUNEUP::showProcedure(const QString &id)
{
    const Procedure *procedure = nullptr;
    for (const Procedure &candidate : ProcedureTable::builtIn().procedures())
        if (candidate.id == id)
            procedure = &candidate;
    if (!procedure)
        return;
    showWindow();
    dipo::RadioGroup *group = radioGroup(procedure->group);
    if (!group->isEnabled()) {
        QPushButton *kind = procedure->group == 1 ? BitBtn1
            : procedure->group == 2               ? BitBtn3
                                                  : BitBtn2;
        if (!kind->isEnabled())
            SpeedButton1->click();
        kind->click();
    }
    if (group->itemIndex() != procedure->item)
        group->item(procedure->item)->click();
    SpeedButton2->click();
}

void TTUNEUP::BtnCatatPekerjaanClick()
{
    KartuKerja->showStatus(dipo::recorder::recordJob(
        this, dipo::recorder::tuneupSystem, m_shownProcedure.simplified()));
}

void TTUNEUP::Button3Click()
{
    dipo::errorreport::guard([&] { close(); });
}

// A procedure caption that stands in more than one group ("1. Menyetel governor gap") is
// named with its group for a screen reader; the caption on screen stays.
void TTUNEUP::nameRepeatedItems()
{
    QHash<QString, int> uses;
    for (const dipo::RadioGroup *group : std::as_const(m_groups))
        for (int i = 0; i < group->count(); ++i)
            ++uses[group->item(i)->text().simplified()];
    for (dipo::RadioGroup *group : std::as_const(m_groups)) {
        for (int i = 0; i < group->count(); ++i) {
            QRadioButton *item = group->item(i);
            if (uses.value(item->text().simplified()) > 1)
                item->setAccessibleName(
                    item->text().simplified() + QStringLiteral(", ") + group->title().simplified());
        }
    }
}
