// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/info.h"
#include "common/picturewidgets.h"

#include "common/keys.h"

#include <QGridLayout>
#include <QStringList>
#include <QVBoxLayout>

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
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { background: #e9eef2; }"));

    Image1 = new dipo::PicturePanel(QStringLiteral("about_banner.jpg"), Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setMinimumSize(479, 90);

    ProgramIcon = new dipo::PicturePanel(QStringLiteral("about_portrait.jpg"), Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setFrameStyle(QFrame::Box);
    ProgramIcon->setFit(dipo::PictureFit::Letterbox);
    ProgramIcon->setFixedSize(96, 120);

    auto *identity = new QVBoxLayout;
    identity->setSpacing(2);
    for (const IdentityLine &line : kIdentity) {
        auto *label = new QLabel(QString::fromLatin1(line.text), Panel1);
        label->setObjectName(QString::fromLatin1(line.objectName));
        identity->addWidget(label);
    }
    identity->addStretch(1);

    // Spoken as the box opens: what it shows, line by line.
    QStringList spoken;
    for (const IdentityLine &line : kIdentity)
        spoken << QString::fromLatin1(line.text).simplified();
    spoken << QString::fromLatin1(kMottoFirst).simplified() << QString::fromLatin1(kMottoSecond);
    setAccessibleDescription(spoken.join(QStringLiteral(". ")));

    auto *motto1 = new QLabel(QString::fromLatin1(kMottoFirst), Panel1);
    motto1->setObjectName(QStringLiteral("Label6"));
    motto1->setStyleSheet(QStringLiteral("font-style: italic;"));
    auto *motto2 = new QLabel(QString::fromLatin1(kMottoSecond), Panel1);
    motto2->setObjectName(QStringLiteral("Label7"));
    motto2->setStyleSheet(QStringLiteral("font-weight: bold;"));

    Panel2 = new dipo::ClickLabel(QString(), Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setStyleSheet(QStringLiteral(
        "#Panel2 { background: #3a4a5c; border: 2px outset #6d7f93; }"));
    Label8 = new dipo::ClickLabel(QStringLiteral("CLOOOOSE "), Panel2);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    // The panel is the close control for the keyboard; the caption on it is its face.
    Label8->setFocusPolicy(Qt::NoFocus);
    Panel2->setAccessibleName(QStringLiteral("Tutup"));
    Panel2->setAccessibleDescription(Label8->text().trimmed());
    auto *closeLayout = new QVBoxLayout(Panel2);
    closeLayout->setContentsMargins(8, 2, 8, 2);
    closeLayout->addWidget(Label8);
    Label8->setMinimumWidth(84);
    // A label does not take its size from a layout: the panel is told it, styled fonts first.
    Label8->ensurePolished();
    Panel2->setMinimumSize(closeLayout->totalMinimumSize());

    auto *grid = new QGridLayout(Panel1);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    grid->addWidget(Image1, 0, 0, 1, 2);
    grid->addWidget(ProgramIcon, 1, 0, Qt::AlignTop);
    grid->addLayout(identity, 1, 1);
    grid->addWidget(motto1, 2, 0, 1, 2);
    grid->addWidget(motto2, 3, 0, 1, 2);
    grid->addWidget(Panel2, 4, 0, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setRowMinimumHeight(1, 120);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Panel1);
    setDialogGeometry();

    connect(Panel2, &dipo::ClickLabel::clicked, this, &Tinfo::Panel2Click);
    connect(Label8, &dipo::ClickLabel::clicked, this, &Tinfo::Label8Click);
    dipo::keys::escapeClicks(this, Panel2);
    Panel2->setFocus();
}

void Tinfo::Panel2Click()
{
    close();
}

void Tinfo::Label8Click()
{
    close();
}
