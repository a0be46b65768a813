// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/pm.h"
#include "common/picturewidgets.h"

#include "common/keys.h"

#include "common/errorreport.h"
#include "common/logic/pictures.h"
#include "common/logic/viewertexts.h"
#include "common/picturebox.h"
#include "common/recorder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

TPM *PM = nullptr;

namespace {

using ComponentHandler = void (TPM::*)();
constexpr std::array<ComponentHandler, dipo::maintenance::kComponentCount> kComponentHandlers = {
    &TPM::RadioButton1Click,
    &TPM::RadioButton2Click,
    &TPM::RadioButton3Click,
    &TPM::RadioButton4Click,
    &TPM::RadioButton5Click,
    &TPM::RadioButton6Click,
    &TPM::RadioButton7Click,
    &TPM::RadioButton8Click,
    &TPM::RadioButton9Click,
    &TPM::RadioButton10Click,
    &TPM::RadioButton11Click,
    &TPM::RadioButton12Click,
    &TPM::RadioButton13Click,
    &TPM::RadioButton14Click,
    &TPM::RadioButton15Click,
    &TPM::RadioButton16Click,
    &TPM::RadioButton17Click,
    &TPM::RadioButton18Click,
    &TPM::RadioButton19Click,
    &TPM::RadioButton20Click,
    &TPM::RadioButton21Click,
    &TPM::RadioButton22Click,
    &TPM::RadioButton23Click,
    &TPM::RadioButton24Click,
    &TPM::RadioButton25Click,
    &TPM::RadioButton26Click,
    &TPM::RadioButton27Click,
    &TPM::RadioButton28Click,
    &TPM::RadioButton29Click,
    &TPM::RadioButton30Click,
};

// The first component of each of the four columns of GroupBox1.
constexpr std::array<int, 5> kColumnStarts = { 1, 10, 18, 25, 31 };

constexpr qreal kIndentPoints = 1; // 20 twips
// What the guide's picture shows before a component is chosen, for a screen reader.
const QString kGuidePicture = QStringLiteral("Gambar panduan perawatan");

template <typename T> T *named(T *control, const QString &name)
{
    control->setObjectName(name);
    return control;
}

QWidget *titlePlateOf(QWidget *window)
{
    return window->findChild<QWidget *>(QStringLiteral("Panel1"));
}

} // namespace

TPM::TPM(QWidget *parent)
    : dipo::Window(QStringLiteral("PM"), QStringLiteral("PM"), parent)
    , m_table(dipo::maintenance::Table::builtIn())
{
    setFullScreenGeometry();
    setBackground(QStringLiteral("pm_background.jpg"));
    createControls();
    placeControls();
    connectHandlers();
}

void TPM::createControls()
{
    const dipo::maintenance::FixedTexts &texts = m_table.texts();

    auto *titlePlate = named(
        new dipo::PicturePanel(QStringLiteral("pm_panel.jpg"), sheet()), QStringLiteral("Panel1"));
    titlePlate->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = named(new QLabel(texts.title, titlePlate), QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label1->font();
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    QPalette titlePalette = Label1->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::white); // the plate is dark
    Label1->setPalette(titlePalette);
    auto *titleLayout = new QVBoxLayout(titlePlate);
    titleLayout->setContentsMargins(6, 4, 6, 4);
    titleLayout->addWidget(Label1);

    GroupBox1 = named(new QGroupBox(texts.groupTitle, sheet()), QStringLiteral("GroupBox1"));
    for (int n = 1; n <= dipo::maintenance::kComponentCount; ++n) {
        auto *button = named(new QRadioButton(m_table.entry(n)->button, GroupBox1),
            QStringLiteral("RadioButton%1").arg(n));
        button->installEventFilter(this);
        RadioButton[n - 1] = button;
        m_components.addButton(button);
    }
    // The strip under the columns is decoration.
    named(
        new dipo::PicturePanel(QStringLiteral("pm_panel.jpg"), GroupBox1), QStringLiteral("Image1"))
        ->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    BitBtn2 = named(new QPushButton(texts.repeatButton, GroupBox1), QStringLiteral("BitBtn2"));
    BitBtn2->setEnabled(false);
    BitBtn1 = named(new QPushButton(texts.processButton, GroupBox1), QStringLiteral("BitBtn1"));
    BitBtn1->setEnabled(false);

    RichEdit2 = named(new dipo::RichTextBox(GroupBox1), QStringLiteral("RichEdit2"));
    RichEdit2->setReadOnly(true);
    RichEdit2->setEnabled(false);
    // Disabled only so that it never takes focus: its text stays as readable as ever.
    QPalette promptPalette = RichEdit2->palette();
    for (const QPalette::ColorRole role : { QPalette::Text, QPalette::Base })
        promptPalette.setColor(
            QPalette::Disabled, role, promptPalette.color(QPalette::Active, role));
    RichEdit2->setPalette(promptPalette);
    for (const QString &line : texts.startPrompt)
        RichEdit2->appendLine(line);

    GroupBox2 = named(new QGroupBox(sheet()), QStringLiteral("GroupBox2"));
    RichEdit1 = named(new dipo::RichTextBox(GroupBox2), QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (const QString &line : m_table.startIntroduction())
        RichEdit1->appendLine(line);
    Image2 = named(new dipo::PictureBox(GroupBox2), QStringLiteral("Image2"));
    Image2->setDecoration(QStringLiteral("pm_decoration.jpg"));
    Image3 = named(new dipo::PictureBox(GroupBox2), QStringLiteral("Image3")); // above Image2
    // Over the default picture, it takes the clicks that enlarge whichever is shown.
    Image3->setActsAsButton(QStringLiteral("Perbesar gambar komponen"));
    Image3->setToolTip(dipo::viewer_texts::enlargeHint);
    Image3->setCursor(Qt::PointingHandCursor);
    Image3->setShows(kGuidePicture);
    BitBtn3 = named(new QPushButton(texts.closeButton, GroupBox2), QStringLiteral("BitBtn3"));
    KartuKerja = named(new dipo::WorkCardButtons(GroupBox2), QStringLiteral("KartuKerja"));
    BtnCatatPekerjaan = named(new QPushButton(dipo::recorder::catatPekerjaan, GroupBox2),
        QStringLiteral("BtnCatatPekerjaan"));
    BtnCatatPekerjaan->hide(); // until PROSES shows a component's instructions
}

void TPM::placeControls()
{
    // Four columns of components; under them the strip with ULANGI above PROSES at its
    // right; the prompt below the fourth column.
    auto *choice = new QGridLayout(GroupBox1);
    choice->setContentsMargins(12, 8, 12, 10);
    choice->setHorizontalSpacing(12);
    choice->setVerticalSpacing(2);
    for (int column = 0; column < 4; ++column) {
        for (int n = kColumnStarts[column]; n < kColumnStarts[column + 1]; ++n)
            choice->addWidget(radioButton(n), n - kColumnStarts[column], column);
        choice->setColumnStretch(column, 1);
    }
    constexpr int stripRow = 9;
    auto *strip = GroupBox1->findChild<dipo::PicturePanel *>(QStringLiteral("Image1"));
    strip->setMinimumHeight(66);
    choice->addWidget(strip, stripRow, 0, 2, 2);
    BitBtn2->setMinimumSize(104, 30);
    BitBtn1->setMinimumSize(104, 30);
    choice->addWidget(BitBtn2, stripRow, 2, Qt::AlignLeft);
    choice->addWidget(BitBtn1, stripRow + 1, 2, Qt::AlignLeft);
    choice->addWidget(RichEdit2, 6, 3, stripRow + 2 - 6, 1);
    RichEdit2->setMinimumHeight(90);
    choice->setRowMinimumHeight(stripRow - 1, 6);

    // The explanation on the left; the picture (drawn at 4:3, shown whole) with the
    // component's picture over the default one, and CLOSE under it on the right.
    auto *pictures = new QGridLayout;
    for (dipo::PictureBox *box : { Image2, Image3 }) {
        box->setMinimumSize(320, 240);
        pictures->addWidget(box, 0, 0);
    }
    BitBtn3->setMinimumSize(120, 36);
    pictures->addWidget(BitBtn3, 1, 0, Qt::AlignHCenter);
    pictures->addWidget(KartuKerja, 2, 0, Qt::AlignHCenter);
    pictures->setRowStretch(0, 1);
    auto *explanation = new QHBoxLayout(GroupBox2);
    explanation->setContentsMargins(10, 10, 10, 10);
    explanation->setSpacing(12);
    auto *text = new QVBoxLayout;
    text->addWidget(RichEdit1, 1);
    text->addWidget(BtnCatatPekerjaan, 0, Qt::AlignLeft);
    explanation->addLayout(text, 3);
    explanation->addLayout(pictures, 2);

    auto *layout = new QVBoxLayout(sheet());
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(titlePlateOf(this));
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2, 1);

    // Tab and arrow keys go through the components in their order.
    QWidget *previous = radioButton(1);
    for (int n = 2; n <= dipo::maintenance::kComponentCount; ++n) {
        setTabOrder(previous, radioButton(n));
        previous = radioButton(n);
    }
    setTabOrder(previous, BitBtn2);
    setTabOrder(BitBtn2, BitBtn1);
    setTabOrder(BitBtn1, BitBtn3);
    setTabOrder(BitBtn3, RichEdit1);
    setTabOrder(RichEdit1, BtnCatatPekerjaan);
    setTabOrder(BtnCatatPekerjaan, Image3);
    RichEdit1->setAccessibleName(QStringLiteral("Penjelasan"));
    // Esc does what CLOSE does.
    dipo::keys::escapeClicks(this, BitBtn3);
    radioButton(1)->setFocus();
}

void TPM::connectHandlers()
{
    connect(&m_components, &dipo::RadioSet::chosen, this,
        [this](int index) { (this->*kComponentHandlers.at(std::size_t(index)))(); });
    connect(BitBtn1, &QPushButton::clicked, this, &TPM::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TPM::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TPM::BitBtn3Click);
    connect(BtnCatatPekerjaan, &QPushButton::clicked, this, &TPM::BtnCatatPekerjaanClick);
    connect(Image3, &dipo::PictureBox::clicked, this, &TPM::showPictureLarge);
}

void TPM::showPictureLarge()
{
    const dipo::PictureBox *shown = Image3->hasPicture() ? Image3 : Image2;
    if (shown->hasPicture())
        dipo::PictureViewer::showFor(
            this, dipo::viewer_texts::caption, shown->picture(), shown->shows());
}

void TPM::chooseComponent(int component)
{
    RichEdit2->setLine(m_table.chosenPrompt(component));
    BitBtn2->setEnabled(true);
    BitBtn1->setEnabled(true);
    for (int n = 1; n <= dipo::maintenance::kComponentCount; ++n) {
        if (n != component)
            radioButton(n)->setEnabled(false);
    }
}

void TPM::showComponent(int component)
{
    if (!m_table.entry(component))
        return;
    showWindow();
    const bool chosen = m_components.checkedIndex() + 1 == component;
    bool othersLocked = false;
    for (int n = 1; n <= dipo::maintenance::kComponentCount; ++n)
        othersLocked = othersLocked || (n != component && !radioButton(n)->isEnabled());
    if (chosen && othersLocked && !BitBtn1->isEnabled())
        return; // its instructions are shown
    if (othersLocked && !chosen)
        BitBtn2->click();
    if (!chosen)
        radioButton(component)->click();
    else if (!othersLocked)
        (this
                ->*kComponentHandlers.at(
                    std::size_t(component - 1)))(); // still marked: a click does nothing
    BitBtn1->click();
}

// PROSES
void TPM::BitBtn1Click()
{
    dipo::errorreport::guard([this] {
        const dipo::maintenance::Entry *entry = m_table.entry(m_components.checkedIndex() + 1);
        if (!entry)
            return;
        RichEdit2->clearLines();
        RichEdit1->clearLines();
        RichEdit2->setLine(entry->heading);
        RichEdit1->setFirstLineIndent(kIndentPoints);
        for (const QString &line : entry->lines)
            RichEdit1->appendLine(line);
        BitBtn1->setEnabled(false);
        KartuKerja->setCard({ entry->button, entry->heading, entry->lines,
            entry->hasPicture() ? m_table.picturePath(*entry) : QString() });
        BtnCatatPekerjaan->show();
        // The instructions just shown are where the eyes and a screen reader go.
        RichEdit1->setFocus(Qt::OtherFocusReason);
        // Last, so that a missing picture leaves everything above in place.
        if (entry->hasPicture()) {
            Image3->loadPicture(m_table.picturePath(*entry));
            Image3->setShows(entry->button.trimmed());
        }
    });
}

// ULANGI
void TPM::BitBtn2Click()
{
    dipo::errorreport::guard([this] {
        RichEdit2->clearLines();
        for (QRadioButton *button : RadioButton)
            button->setEnabled(true);
        RichEdit2->setLine(m_table.texts().repeatPrompt);
        RichEdit1->clearLines();
        RichEdit1->setFirstLineIndent(kIndentPoints);
        for (const QString &line : m_table.repeatIntroduction())
            RichEdit1->appendLine(line);
        BitBtn1->setEnabled(false);
        BitBtn2->setEnabled(false);
        KartuKerja->clearCard();
        BtnCatatPekerjaan->hide();
        // The next choice is a component.
        radioButton(1)->setFocus(Qt::OtherFocusReason);
        Image3->loadPicture(m_table.repeatPicture());
        Image3->setShows(kGuidePicture);
    });
}

// CLOSE: only hides; the window comes back as it was left.
void TPM::BitBtn3Click()
{
    close();
}

void TPM::BtnCatatPekerjaanClick()
{
    const int chosen = m_components.checkedIndex() + 1;
    if (chosen < 1)
        return;
    KartuKerja->showStatus(dipo::recorder::recordJob(
        this, dipo::recorder::maintenanceSystem, radioButton(chosen)->text().simplified()));
}

bool TPM::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int index = int(m_components.buttons().indexOf(static_cast<QRadioButton *>(watched)));
        if (index >= 0) {
            switch (static_cast<QKeyEvent *>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Left:
                moveWithinGroup(index, -1);
                return true;
            case Qt::Key_Down:
            case Qt::Key_Right:
                moveWithinGroup(index, +1);
                return true;
            default:
                break;
            }
        }
    }
    return dipo::Window::eventFilter(watched, event);
}

// The arrow keys step through the enabled components in their order, wrapping round,
// and mark the one they reach, as the desktop's radio groups do (the toolkit's own
// choice goes by screen position, which would jump between the columns).
bool TPM::moveWithinGroup(int fromIndex, int step)
{
    const int count = int(RadioButton.size());
    for (int i = 1; i < count; ++i) {
        QRadioButton *candidate
            = RadioButton.at(std::size_t((fromIndex + step * i + count) % count));
        if (candidate->isEnabled()) {
            candidate->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            candidate->click();
            return true;
        }
    }
    return false;
}
