// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/awal_menu.h"
#include "common/picturewidgets.h"

#include "common/keys.h"
#include "common/richtextbox.h"
#include "shell/info.h"
#include "shell/menu1.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QProxyStyle>

Tawal_menu *awal_menu = nullptr;

namespace {

// Each is 12 characters; they differ only in which letter of the first word is the
// capital.
const QString kPasswords[] = {
    QStringLiteral("kEra langsir"),
    QStringLiteral("keRa langsir"),
    QStringLiteral("kerA langsir"),
};

const char *const kHelpLines[] = {
    "   Wellcoming at exspert system",
    "",
    " Sistem ini adalah sistem simulasi ",
    " dari analisa kinerja sistem suatu ",
    " lokomotif.",
    " Untuk memulai penggunaan ",
    " sistem simulasi ini, anda ",
    " diharuskan memasukkan",
    " password terlebih dahulu pada ",
    " kolom isian dibawah. Setelah ",
    " pemasukan password diisi ",
    " dengan benar, selanjutnya ",
    " anda tekan tombol PROSES guna ",
    " masuk ke program menu utama.",
    " Jika anda ingin mengakhiri ",
    " program, silahkan tekan  ",
    " tombol CLOSE diatas.",
    "",
};

// The password field masks what is typed with "*" on every style. (A style sheet's
// password character is read too early to take effect.)
class PasswordMaskStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

const QString kButtonStyle = QStringLiteral(
    "QLabel { background: #3a4a5c; color: #f0f0f0; border: 2px outset #6d7f93;"
    " border-radius: 3px; font-weight: bold; }");

} // namespace

Tawal_menu::Tawal_menu(QWidget *parent)
    : dipo::Window(QStringLiteral("awal_menu"), QStringLiteral("awal_menu"), parent)
{
    setFullScreenGeometry();
    setBackground(QStringLiteral("start_background.jpg"));

    // The dark panel; its picture carries the "CLOSE" mark at its top right, so it keeps
    // the picture's 4:3 at a fixed size and the close area stays on the mark.
    m_panel = new dipo::PicturePanel(QStringLiteral("start_panel.jpg"), sheet());
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFixedSize(640, 480);
    m_panel->setStyleSheet(QStringLiteral("#Panel1 { background: #1d2733; }"));

    Label1 = new QLabel(QStringLiteral("Password"), m_panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: #f0f0f0; font-weight: bold;"));

    Edit1 = new QLineEdit(m_panel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    auto *maskStyle = new PasswordMaskStyle;
    maskStyle->setParent(this); // outlives the field, which is deleted first
    Edit1->setStyle(maskStyle);
    Edit1->setEchoMode(QLineEdit::Password);

    Panel2 = new dipo::ClickLabel(QStringLiteral("PROSES"), m_panel);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setMinimumSize(110, 30);
    Panel2->setStyleSheet(kButtonStyle);

    Label3 = new dipo::ClickLabel(QStringLiteral(" =  Help  = "), m_panel);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setStyleSheet(QStringLiteral("color: #9fd3ff; text-decoration: underline;"));

    RichEdit1 = new dipo::RichTextBox(m_panel);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    for (const char *line : kHelpLines)
        RichEdit1->appendLine(QString::fromLatin1(line));
    RichEdit1->setVisible(false);

    Panel3 = new dipo::ClickLabel(QStringLiteral("HIDE"), m_panel);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setAlignment(Qt::AlignCenter);
    Panel3->setMinimumSize(80, 24);
    Panel3->setStyleSheet(kButtonStyle);
    Panel3->setVisible(false);

    Label2 = new dipo::ClickLabel(QStringLiteral("About Me"), m_panel);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setMinimumSize(100, 30);
    Label2->setStyleSheet(QStringLiteral(
        "QLabel { background: #167a7a; color: white; border-radius: 12px; font-weight: bold; }"));

    // A transparent click area over the "About Me" plate, for the mouse: the keyboard
    // uses the plate itself.
    Image3 = new dipo::ClickLabel(QString(), m_panel);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setFocusPolicy(Qt::NoFocus);
    Image3->setAccessibleName(QStringLiteral("Tentang program"));
    Label2->setAccessibleDescription(QStringLiteral("Tentang program"));

    // A transparent click area over the panel picture's "CLOSE" mark.
    Image2 = new dipo::ClickLabel(QString(), m_panel);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFixedSize(104, 38);
    Image2->setToolTip(QStringLiteral("CLOSE"));
    Image2->setAccessibleName(QStringLiteral("Keluar"));

    // Shown after a refused password, until the user types again.
    PasswordHint = new QLabel(QStringLiteral("Password salah"), m_panel);
    PasswordHint->setObjectName(QStringLiteral("PasswordHint"));
    PasswordHint->setStyleSheet(QStringLiteral("color: #ffb0a0; font-weight: bold;"));
    PasswordHint->setAccessibleName(PasswordHint->text());
    PasswordHint->setVisible(false);

    // For the keyboard and the screen reader.
    Label1->setBuddy(Edit1);
    Edit1->setAccessibleName(QStringLiteral("Password"));
    RichEdit1->setAccessibleName(QStringLiteral("Help"));

    // The help and its HIDE keep their room while hidden, so nothing moves.
    for (QWidget *help : { static_cast<QWidget *>(RichEdit1), static_cast<QWidget *>(Panel3),
             static_cast<QWidget *>(PasswordHint) }) {
        QSizePolicy policy = help->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        help->setSizePolicy(policy);
    }

    // The close mark of the picture lies 19 pixels in from the right and 17 from the top.
    auto *grid = new QGridLayout(m_panel);
    grid->setContentsMargins(40, 17, 19, 30);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);
    grid->addWidget(Panel3, 0, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(Image2, 0, 2, 1, 2, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(RichEdit1, 1, 0, 1, 2);
    grid->addWidget(Label1, 2, 0);
    grid->addWidget(Edit1, 2, 1);
    grid->addWidget(Panel2, 2, 2);
    grid->addWidget(Label3, 3, 0);
    grid->addWidget(PasswordHint, 3, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(Label2, 3, 2);
    grid->addWidget(Image3, 3, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(3, 30);
    grid->setRowStretch(1, 1);
    Image3->raise();

    auto *centre = new QGridLayout(sheet());
    centre->addWidget(m_panel, 0, 0, Qt::AlignCenter);

    connect(Panel2, &dipo::ClickLabel::clicked, this, &Tawal_menu::Panel2Click);
    connect(Label3, &dipo::ClickLabel::clicked, this, &Tawal_menu::Label3Click);
    connect(Panel3, &dipo::ClickLabel::clicked, this, &Tawal_menu::Panel3Click);
    connect(Label2, &dipo::ClickLabel::clicked, this, &Tawal_menu::Label2Click);
    connect(Image3, &dipo::ClickLabel::clicked, this, &Tawal_menu::Label2Click);
    connect(Image2, &dipo::ClickLabel::clicked, this, &Tawal_menu::Button2Click);
    connect(Edit1, &QLineEdit::textEdited, this, [this] { showPasswordHint(false); });

    // The password first, then the actions, then the help and the end of the program.
    dipo::keys::setReadingOrder({ Edit1, Panel2, Label3, Label2, RichEdit1, Panel3, Image2 });
    Edit1->setFocus();
}

void Tawal_menu::showPasswordHint(bool shown)
{
    if (PasswordHint->isVisibleTo(this) == shown)
        return;
    PasswordHint->setVisible(shown);
    // The screen reader tells the hint with the field.
    Edit1->setAccessibleDescription(shown ? PasswordHint->text() : QString());
    QAccessibleEvent changed(Edit1, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

bool Tawal_menu::isAcceptedPassword(const QString &text)
{
    for (const QString &password : kPasswords) {
        if (text == password)
            return true;
    }
    return false;
}

void Tawal_menu::Panel2Click()
{
    const QString typed = Edit1->text();
    const bool accepted = isAcceptedPassword(typed);
    if (accepted)
        menu1->showWindow();
    Edit1->clear();
    showPasswordHint(!accepted);
    // After a refusal the user types again, so the field takes the focus.
    if (!accepted)
        Edit1->setFocus(Qt::OtherFocusReason);
}

void Tawal_menu::Label3Click()
{
    RichEdit1->setVisible(true);
    Panel3->setVisible(true);
}

void Tawal_menu::Panel3Click()
{
    // The focus goes back to what opened the help, before HIDE goes with it.
    if (Panel3->hasFocus() || RichEdit1->hasFocus())
        Label3->setFocus(Qt::OtherFocusReason);
    RichEdit1->setVisible(false);
    Panel3->setVisible(false);
}

void Tawal_menu::Label2Click()
{
    info->showWindow(this);
}

void Tawal_menu::Button2Click()
{
    close();
}

void Tawal_menu::changeEvent(QEvent *event)
{
    dipo::Window::changeEvent(event);
    // Back at the start screen (from the menu, or after a box), the hands are on the
    // password: what is typed goes into the field, never to a button.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && Edit1->isEnabled())
        Edit1->setFocus(Qt::ActiveWindowFocusReason);
}

void Tawal_menu::closeEvent(QCloseEvent *event)
{
    // The start screen is the main window: closing it ends the program, whatever
    // other windows are open.
    event->accept();
    QCoreApplication::quit();
}
