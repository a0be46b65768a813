#include "shell/info.h"

Tinfo *info = nullptr;

namespace {

// The identity values are placeholders of the box's layout; they name no one.
struct IdentityLine
{
    const char *objectName;
    const char *text;
};

const IdentityLine kIdentity[] = {
    {"Label1", "Nama                 :  Penyusun Program"},
    {"Label2", "Tempat/Tgl lahir  :  Madiun, 1 Januari 1980"},
    {"Label3", "Alamat               :  Jl. Contoh Raya No. 1"},
    {"Label4", "                          Madiun 63100"},
    {"Label5", "E-mail               :  penyusun@example.org"},
};

const char *const kMottoFirst = "\" Sesungguhnya sesudah kesulitan itu ada kemudahan\"";
const char *const kMottoSecond = "PERCAYA !!. Bagaimana anda meyikapinya, OK";

} // namespace

Tinfo::Tinfo(QWidget *parent)
    : dipo::Window(QStringLiteral("info"), QStringLiteral("informasi"), parent)
{
    setDialogGeometry(499, 310);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(4, 4, 491, 302);
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { background: #e9eef2; }"));

    Image1 = new dipo::PicturePanel(QStringLiteral("about_banner.jpg"), Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(6, 6, 479, 90);

    ProgramIcon = new dipo::PicturePanel(QStringLiteral("about_portrait.jpg"), Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setFrameStyle(QFrame::Box);
    ProgramIcon->setGeometry(14, 104, 96, 120);

    int y = 106;
    for (const IdentityLine &line : kIdentity) {
        auto *label = new QLabel(QString::fromLatin1(line.text), Panel1);
        label->setObjectName(QString::fromLatin1(line.objectName));
        label->setGeometry(124, y, 356, 20);
        y += 22;
    }

    auto *motto1 = new QLabel(QString::fromLatin1(kMottoFirst), Panel1);
    motto1->setObjectName(QStringLiteral("Label6"));
    motto1->setGeometry(14, 232, 466, 20);
    motto1->setStyleSheet(QStringLiteral("font-style: italic;"));
    auto *motto2 = new QLabel(QString::fromLatin1(kMottoSecond), Panel1);
    motto2->setObjectName(QStringLiteral("Label7"));
    motto2->setGeometry(14, 254, 466, 20);
    motto2->setStyleSheet(QStringLiteral("font-weight: bold;"));

    Panel2 = new dipo::ClickLabel(QString(), Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(380, 272, 100, 24);
    Panel2->setStyleSheet(QStringLiteral(
        "#Panel2 { background: #3a4a5c; border: 2px outset #6d7f93; }"));
    Label8 = new dipo::ClickLabel(QStringLiteral("CLOOOOSE "), Panel2);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setGeometry(2, 2, 96, 20);
    Label8->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));

    connect(Panel2, &dipo::ClickLabel::clicked, this, &Tinfo::Panel2Click);
    connect(Label8, &dipo::ClickLabel::clicked, this, &Tinfo::Label8Click);
}

void Tinfo::Panel2Click()
{
    close();
}

void Tinfo::Label8Click()
{
    close();
}
