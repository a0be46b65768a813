#include "shell/menu1.h"

#include "calculators/dm.h"
#include "common/pictures.h"
#include "calculators/umurrem.h"
#include "diagnosis/diagno.h"
#include "maintenance/pm.h"
#include "tuneup/tuneup.h"

Tmenu1 *menu1 = nullptr;

namespace {

constexpr int kColumnX[] = {150, 594};
constexpr int kFirstRowY = 210;
constexpr int kRowHeight = 150;
constexpr int kPlateWidth = 280;
constexpr int kPlateHeight = 110;

} // namespace

Tmenu1::Tmenu1(QWidget *parent)
    : dipo::Window(QStringLiteral("menu1"), QStringLiteral("menu1"), parent)
{
    setFullScreenGeometry();
    setBackground(QStringLiteral("menu_background.jpg"));

    auto *panel = new dipo::PicturePanel(QStringLiteral("menu_panel.jpg"), this);
    panel->setObjectName(QStringLiteral("Image1"));
    panel->setGeometry(112, 60, 800, 90);
    auto *title = new QLabel(QStringLiteral("MENU UTAMA"), panel);
    title->setObjectName(QStringLiteral("Label7"));
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 0, 800, 90);
    title->setStyleSheet(QStringLiteral("color: white; font-size: 22pt; font-weight: bold;"));

    SpeedButton4 = addEntry("SpeedButton4", "Label1", " Mendeteksi Kerusakan", "Mesin dan Rem",
                            "menu_icon_diagnosis.jpg", 0, 0);
    SpeedButton3 = addEntry("SpeedButton3", "Label2", "  Tutorial Perawatan", "Perawatan Mesin",
                            "menu_icon_maintenance.jpg", 0, 1);
    SpeedButton2 = addEntry("SpeedButton2", "Label3", "  Tutorial Tune-Up", "Tune Up",
                            "menu_icon_tuneup.jpg", 0, 2);
    SpeedButton6 = addEntry("SpeedButton6", "Label4", "Memprediksi  Umur pakai Komponen",
                            "Virodo dan Gaya Rem", "menu_icon_brake.jpg", 1, 0);
    SpeedButton7 = addEntry("SpeedButton7", "Label5", "Memprediksi Daya Komponen", "Mesin diesel",
                            "menu_icon_diesel.jpg", 1, 1);

    auto *closeLabel = new QLabel(QStringLiteral("Close"), this);
    closeLabel->setObjectName(QStringLiteral("Label6"));
    closeLabel->setAlignment(Qt::AlignCenter);
    closeLabel->setGeometry(930, 10, 70, 20);
    closeLabel->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    Image2 = new dipo::ClickLabel(QString(), this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(940, 32, 50, 50);
    Image2->setPixmap(QPixmap::fromImage(dipo::pictures::decoration(QStringLiteral("menu_close.jpg"))));
    Image2->setScaledContents(true);

    connect(SpeedButton4, &QToolButton::clicked, this, &Tmenu1::SpeedButton4Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &Tmenu1::SpeedButton3Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tmenu1::SpeedButton2Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &Tmenu1::SpeedButton6Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &Tmenu1::SpeedButton7Click);
    connect(Image2, &dipo::ClickLabel::clicked, this, &Tmenu1::Close1Click);
}

QToolButton *Tmenu1::addEntry(const char *buttonName, const char *labelName, const char *label,
                              const char *caption, const char *icon, int column, int row)
{
    const int x = kColumnX[column];
    const int y = kFirstRowY + row * kRowHeight;

    // The rounded dark plate behind the entry, with its icon left or right of it.
    auto *plate = new QFrame(this);
    plate->setObjectName(QStringLiteral("Shape_%1").arg(QString::fromLatin1(buttonName)));
    plate->setGeometry(x, y, kPlateWidth, kPlateHeight);
    plate->setStyleSheet(QStringLiteral(
        "QFrame { background: rgba(20, 30, 42, 215); border-radius: 16px; }"));

    auto *iconBox = new dipo::PicturePanel(QString::fromLatin1(icon), this);
    iconBox->setObjectName(QStringLiteral("Icon_%1").arg(QString::fromLatin1(buttonName)));
    const int iconX = column == 0 ? x - 90 : x + kPlateWidth + 14;
    iconBox->setGeometry(iconX, y + 19, 72, 72);

    auto *caption1 = new QLabel(QString::fromLatin1(label), plate);
    caption1->setObjectName(QString::fromLatin1(labelName));
    caption1->setGeometry(14, 10, kPlateWidth - 28, 26);
    caption1->setStyleSheet(QStringLiteral(
        "QLabel { background: transparent; color: #ffd36b; font-weight: bold; }"));

    auto *button = new QToolButton(plate);
    button->setObjectName(QString::fromLatin1(buttonName));
    button->setText(QString::fromLatin1(caption));
    button->setAutoRaise(true);
    button->setGeometry(14, 44, kPlateWidth - 28, 50);
    button->setStyleSheet(QStringLiteral(
        "QToolButton { color: white; font-size: 14pt; font-weight: bold;"
        " border: 1px solid #58708a; border-radius: 8px; background: #2b3d52; }"
        "QToolButton:hover { background: #3c5673; }"));
    return button;
}

void Tmenu1::SpeedButton4Click()
{
    diagno->showWindow();
}

void Tmenu1::SpeedButton3Click()
{
    PM->showWindow();
}

void Tmenu1::SpeedButton2Click()
{
    TUNEUP->showWindow();
}

void Tmenu1::SpeedButton6Click()
{
    umurrem->showWindow();
}

void Tmenu1::SpeedButton7Click()
{
    DM->showWindow();
}

void Tmenu1::Close1Click()
{
    close();
}
