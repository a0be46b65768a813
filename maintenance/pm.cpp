#include "maintenance/pm.h"

#include "common/errorreport.h"
#include "common/pictures.h"

#include <QKeyEvent>

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

template <typename T> T *named(T *control, const QString &name)
{
    control->setObjectName(name);
    return control;
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
        new dipo::PicturePanel(QStringLiteral("pm_panel.jpg"), this), QStringLiteral("Panel1"));
    titlePlate->setFrameStyle(QFrame::Panel | QFrame::Raised);
    titlePlate->setGeometry(8, 8, 1008, 46);
    Label1 = named(new QLabel(texts.title, titlePlate), QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label1->font();
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    QPalette titlePalette = Label1->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::white); // the plate is dark
    Label1->setPalette(titlePalette);
    Label1->setGeometry(titlePlate->rect());

    GroupBox1 = named(new QGroupBox(texts.groupTitle, this), QStringLiteral("GroupBox1"));
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

    GroupBox2 = named(new QGroupBox(this), QStringLiteral("GroupBox2"));
    RichEdit1 = named(new dipo::RichTextBox(GroupBox2), QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (const QString &line : m_table.startIntroduction())
        RichEdit1->appendLine(line);
    Image2 = named(new dipo::PictureBox(GroupBox2), QStringLiteral("Image2"));
    Image2->setPicture(dipo::pictures::decoration(QStringLiteral("pm_decoration.jpg")));
    Image3 = named(new dipo::PictureBox(GroupBox2), QStringLiteral("Image3")); // above Image2
    BitBtn3 = named(new QPushButton(texts.closeButton, GroupBox2), QStringLiteral("BitBtn3"));
}

void TPM::placeControls()
{
    GroupBox1->setGeometry(8, 60, 1008, 322);
    constexpr int columnWidth = 246;
    constexpr int rowHeight = 24;
    for (int column = 0; column < 4; ++column) {
        for (int n = kColumnStarts[column]; n < kColumnStarts[column + 1]; ++n) {
            const int row = n - kColumnStarts[column];
            radioButton(n)->setGeometry(
                16 + column * columnWidth, 26 + row * rowHeight, columnWidth - 8, rowHeight - 2);
        }
    }
    const int stripTop = 26 + 9 * rowHeight + 6;
    GroupBox1->findChild<dipo::PicturePanel *>(QStringLiteral("Image1"))
        ->setGeometry(16, stripTop, 620, 66);
    BitBtn2->setGeometry(644, stripTop, 104, 30);
    BitBtn1->setGeometry(644, stripTop + 36, 104, 30);
    const int promptTop = 26 + 6 * rowHeight + 6;
    RichEdit2->setGeometry(
        16 + 3 * columnWidth, promptTop, columnWidth - 10, stripTop + 66 - promptTop);

    GroupBox2->setGeometry(8, 390, 1008, 370);
    RichEdit1->setGeometry(10, 14, 600, 346);
    Image2->setGeometry(622, 14, 376, 282); // 4:3, as the pictures are drawn
    Image3->setGeometry(Image2->geometry());
    BitBtn3->setGeometry(622 + (376 - 120) / 2, 310, 120, 36);

    // Tab and arrow keys go through the components in their order.
    QWidget *previous = radioButton(1);
    for (int n = 2; n <= dipo::maintenance::kComponentCount; ++n) {
        setTabOrder(previous, radioButton(n));
        previous = radioButton(n);
    }
    setTabOrder(previous, BitBtn2);
    setTabOrder(BitBtn2, BitBtn1);
    setTabOrder(BitBtn1, BitBtn3);
}

void TPM::connectHandlers()
{
    connect(&m_components, &dipo::RadioSet::chosen, this,
        [this](int index) { (this->*kComponentHandlers.at(std::size_t(index)))(); });
    connect(BitBtn1, &QPushButton::clicked, this, &TPM::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TPM::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TPM::BitBtn3Click);
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
        // Last, so that a missing picture leaves everything above in place.
        if (entry->hasPicture())
            Image3->loadPicture(m_table.picturePath(*entry));
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
        Image3->loadPicture(m_table.repeatPicture());
    });
}

// CLOSE: only hides; the window comes back as it was left.
void TPM::BitBtn3Click()
{
    close();
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
