#include "tuneup/tuneup.h"

#include "common/errorreport.h"
#include "common/picturebox.h"
#include "common/pictures.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "tuneup/proceduretable.h"
#include "tuneup/tuneuptexts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

using dipo::tuneup::Procedure;
using dipo::tuneup::ProcedureTable;
namespace text = dipo::tuneup::text;

TTUNEUP *TUNEUP = nullptr;

namespace {

constexpr int kFirstGovernorGroup = 3;
constexpr qreal kHeadingIndent = 1;
constexpr qreal kBodyIndent = 10;
constexpr qreal kTutorialFontSize = 12;

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

    FormCreate();
}

void TTUNEUP::buildControls()
{
    // The content is taller than the screen; it scrolls as one sheet.
    auto *content
        = named(new dipo::PicturePanel(QStringLiteral("tuneup_background.jpg")), "Content");
    content->setFixedSize(1000, 1176);
    ScrollBox = named(new QScrollArea(this), "ScrollBox");
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox->setWidget(content);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox);

    auto *plate
        = named(new dipo::PicturePanel(QStringLiteral("tuneup_panel.jpg"), content), "TitlePlate");
    plate->setGeometry(12, 10, 976, 60);
    plate->setFrameShape(QFrame::Panel);
    plate->setFrameShadow(QFrame::Raised);
    Label1 = named(new QLabel(text::title, plate), "Label1");
    Label1->setGeometry(0, 0, 976, 60);
    Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label1->font();
    titleFont.setPointSize(20);
    titleFont.setBold(true);
    Label1->setFont(titleFont);

    GroupBox1 = named(new QGroupBox(text::tutorialFrame, content), "GroupBox1");
    GroupBox1->setGeometry(12, 80, 976, 566);
    veil(GroupBox1);
    BitBtn1 = button(text::valveButton, "BitBtn1", GroupBox1);
    BitBtn1->setGeometry(16, 28, 304, 40);
    BitBtn2 = button(text::governorButton, "BitBtn2", GroupBox1);
    BitBtn2->setGeometry(336, 28, 304, 40);
    BitBtn3 = button(text::injectorButton, "BitBtn3", GroupBox1);
    BitBtn3->setGeometry(656, 28, 304, 40);

    GroupBox3 = named(new QGroupBox(text::governorFrame, GroupBox1), "GroupBox3");
    GroupBox3->setGeometry(12, 80, 952, 300);
    RadioGroup3 = procedureGroup(3, "RadioGroup3", GroupBox3);
    RadioGroup3->setGeometry(8, 24, 310, 266);
    RadioGroup5 = procedureGroup(5, "RadioGroup5", GroupBox3);
    RadioGroup5->setGeometry(324, 24, 306, 150);
    RadioGroup4 = procedureGroup(4, "RadioGroup4", GroupBox3);
    RadioGroup4->setGeometry(324, 180, 306, 110);
    GroupBox4 = named(new QGroupBox(text::limitingSpeedFrame, GroupBox3), "GroupBox4");
    GroupBox4->setGeometry(636, 20, 310, 274);
    RadioGroup6 = procedureGroup(6, "RadioGroup6", GroupBox4);
    RadioGroup6->setGeometry(5, 20, 300, 100);
    RadioGroup7 = procedureGroup(7, "RadioGroup7", GroupBox4);
    RadioGroup7->setGeometry(5, 124, 300, 144);
    // the governor items are long: a smaller type and narrow margins keep them whole
    QFont itemFont = GroupBox3->font();
    itemFont.setPointSizeF(8);
    for (dipo::RadioGroup *group :
        { RadioGroup3, RadioGroup4, RadioGroup5, RadioGroup6, RadioGroup7 }) {
        group->setFont(itemFont);
        group->layout()->setContentsMargins(6, 2, 4, 2);
        group->layout()->setSpacing(0);
    }

    RadioGroup1 = procedureGroup(1, "RadioGroup1", GroupBox1);
    RadioGroup1->setGeometry(16, 392, 400, 100);
    RadioGroup2 = procedureGroup(2, "RadioGroup2", GroupBox1);
    RadioGroup2->setGeometry(428, 392, 240, 100);
    m_groups = { RadioGroup1, RadioGroup2, RadioGroup3, RadioGroup4, RadioGroup5, RadioGroup6,
        RadioGroup7 };

    RichEdit2 = named(new dipo::RichTextBox(GroupBox1), "RichEdit2");
    RichEdit2->setGeometry(680, 388, 280, 96);
    RichEdit2->setReadOnly(true);
    RichEdit2->setEnabled(false);
    SpeedButton1 = button(text::resetButton, "SpeedButton1", GroupBox1);
    SpeedButton1->setGeometry(680, 490, 280, 30);
    SpeedButton2 = button(text::processButton, "SpeedButton2", GroupBox1);
    SpeedButton2->setGeometry(680, 524, 280, 30);

    GroupBox2 = named(new QGroupBox(content), "GroupBox2");
    GroupBox2->setGeometry(12, 654, 976, 510);
    veil(GroupBox2);
    RichEdit1 = named(new dipo::RichTextBox(GroupBox2), "RichEdit1");
    RichEdit1->setGeometry(10, 10, 730, 490);
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memo1 = named(new QPlainTextEdit(GroupBox2), "Memo1");
    Memo1->setGeometry(RichEdit1->geometry());
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Image2 = named(new dipo::PictureBox(GroupBox2), "Image2");
    Image2->setGeometry(750, 10, 216, 440);
    Image2->setPicture(dipo::pictures::decoration(QStringLiteral("tuneup_default.jpg")));
    Image3 = named(new dipo::PictureBox(GroupBox2), "Image3");
    Image3->setGeometry(Image2->geometry());
    Button3 = button(text::closeButton, "Button3", GroupBox2);
    Button3->setGeometry(750, 460, 216, 40);
}

void TTUNEUP::FormCreate()
{
    for (dipo::RadioGroup *group : m_groups)
        group->setEnabled(false);
    const QStringList prompt = text::startPrompt;
    RichEdit2->setLine(prompt.at(0));
    RichEdit2->appendLine(prompt.at(1));
    Memo1->setPlainText(text::introduction.join(QLatin1Char('\n')));
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
        Image3->hide();
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
        Memo1->show();
        Image3->hide();
    });
}

void TTUNEUP::SpeedButton2Click()
{
    dipo::errorreport::guard([&] {
        Memo1->hide();
        // A failed picture ends the handler here, so later groups are not looked at.
        const ProcedureTable &table = ProcedureTable::builtIn();
        for (int g = 1; g <= ProcedureTable::groupCount; ++g)
            if (const Procedure *procedure = table.find(g, radioGroup(g)->itemIndex()))
                writeTutorial(*procedure);
    });
}

void TTUNEUP::writeTutorial(const Procedure &procedure)
{
    RichEdit1->clearLines();
    RichEdit1->setFirstLineIndent(kHeadingIndent);
    RichEdit1->setFontSize(kTutorialFontSize);
    RichEdit1->appendLine(procedure.heading);
    RichEdit1->setFirstLineIndent(kBodyIndent);
    for (const QString &line : procedure.body)
        RichEdit1->appendLine(line);
    setTabStops();
    if (procedure.hasPicture()) {
        Image3->loadPicture(procedure.picturePath());
        Image3->show();
    }
}

void TTUNEUP::Button3Click()
{
    dipo::errorreport::guard([&] { close(); });
}
