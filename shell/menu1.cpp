// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/menu1.h"
#include "common/picturewidgets.h"

#include "calculators/calculatorwindows.h"
#include "calculators/logic/calculatortable.h"
#include "common/keys.h"
#include "common/logic/pictures.h"
#include "diagnosis/diagno.h"
#include "maintenance/pm.h"
#include "tuneup/tuneup.h"
#include "worklog/catatan.h"
#include "worklog/worklogwindowtexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

Tmenu1 *menu1 = nullptr;

namespace {

constexpr int kPlateWidth = 280;
constexpr int kPlateHeight = 110;

} // namespace

Tmenu1::Tmenu1(QWidget *parent)
    : dipo::Window(QStringLiteral("menu1"), QStringLiteral("menu1"), parent)
{
    setFullScreenGeometry();
    setBackground(QStringLiteral("menu_background.jpg"));
    QWidget *page = sheet();

    auto *panel = new dipo::PicturePanel(QStringLiteral("menu_panel.jpg"), page);
    panel->setObjectName(QStringLiteral("Image1"));
    panel->setMinimumSize(600, 80);
    panel->setMaximumSize(800, 90);
    auto *title = new QLabel(QStringLiteral("MENU UTAMA"), panel);
    title->setObjectName(QStringLiteral("Label7"));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: white; font-size: 22pt; font-weight: bold;"));
    auto *titleLayout = new QVBoxLayout(panel);
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->addWidget(title);

    m_entries = new QGridLayout;
    m_entries->setHorizontalSpacing(80);
    m_entries->setVerticalSpacing(20);
    SpeedButton4 = addEntry("SpeedButton4", "Label1", " Mendeteksi Kerusakan", "Mesin dan Rem",
                            "menu_icon_diagnosis.jpg", 0, 0);
    SpeedButton3 = addEntry("SpeedButton3", "Label2", "  Tutorial Perawatan", "Perawatan Mesin",
                            "menu_icon_maintenance.jpg", 0, 1);
    SpeedButton2 = addEntry("SpeedButton2", "Label3", "  Tutorial Tune-Up", "Tune Up",
                            "menu_icon_tuneup.jpg", 0, 2);
    // Where each entry stands: column, row.
    struct Placed
    {
        QToolButton *button;
        int column, row;
    };
    QList<Placed> placed { { SpeedButton4, 0, 0 }, { SpeedButton3, 0, 1 }, { SpeedButton2, 0, 2 } };
    for (const dipo::calc::Calculator &calculator : dipo::calc::kCalculators) {
        const dipo::calc::MenuPlace &place = calculator.menu;
        if (!place.exists())
            continue;
        QToolButton *button = addEntry(place.buttonName, place.labelName, place.label,
                                       place.caption, place.icon, place.column, place.row);
        const QString key = QString::fromLatin1(calculator.key);
        connect(button, &QToolButton::clicked, this, [key] {
            if (dipo::Window *window = dipo::calc::window(key))
                window->showWindow();
        });
        placed.append({ button, place.column, place.row });
    }
    // The workshop log, in the free place below the five entries' right column.
    BtnCatatan = addEntry("BtnCatatan", "LabelCatatan", "", "", "menu_icon_worklog.jpg", 1, 2);
    findChild<QLabel *>(QStringLiteral("LabelCatatan"))
        ->setText(dipo::worklog::window_texts::menuLabel);
    BtnCatatan->setText(dipo::worklog::window_texts::menuCaption);
    BtnCatatan->setAccessibleName(BtnCatatan->text());
    BtnCatatan->setAccessibleDescription(dipo::worklog::window_texts::menuLabel.simplified());
    placed.append({ BtnCatatan, 1, 2 });

    auto *closeLabel = new QLabel(QStringLiteral("Close"), page);
    closeLabel->setObjectName(QStringLiteral("Label6"));
    closeLabel->setAlignment(Qt::AlignCenter);
    closeLabel->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    Image2 = new dipo::ClickLabel(QString(), page);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFixedSize(50, 50);
    Image2->setDecoration(QStringLiteral("menu_close.jpg"));
    Image2->setAccessibleName(QStringLiteral("Tutup"));
    closeLabel->setBuddy(Image2);

    auto *close = new QVBoxLayout;
    close->setSpacing(2);
    close->addWidget(closeLabel, 0, Qt::AlignHCenter);
    close->addWidget(Image2, 0, Qt::AlignHCenter);
    // The title centred, Close at the top right beside it: on a low screen (960 x 540)
    // the three rows of entries still fit under them.
    auto *top = new QGridLayout;
    top->setColumnStretch(0, 1);
    top->setColumnStretch(2, 1);
    top->addWidget(panel, 0, 1, Qt::AlignCenter);
    top->addLayout(close, 0, 2, Qt::AlignRight | Qt::AlignTop);
    top->setColumnMinimumWidth(0, 80);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 8, 24, 16);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(m_entries);
    layout->addStretch(1);
    auto *outer = m_entries;
    outer->setColumnStretch(0, 1);
    outer->setColumnStretch(1, 1);

    connect(SpeedButton4, &QToolButton::clicked, this, &Tmenu1::SpeedButton4Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &Tmenu1::SpeedButton3Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tmenu1::SpeedButton2Click);
    connect(BtnCatatan, &QToolButton::clicked, this, &Tmenu1::BtnCatatanClick);
    connect(Image2, &dipo::ClickLabel::clicked, this, &Tmenu1::Close1Click);

    // The entries row by row, then Close; Esc does what Close does. The arrows move
    // among the entries, column by column.
    const auto entries = [&placed](auto before) {
        std::stable_sort(placed.begin(), placed.end(), before);
        QList<QWidget *> buttons;
        for (const Placed &entry : placed)
            buttons << entry.button;
        return buttons;
    };
    dipo::keys::setReadingOrder(entries([](const Placed &a, const Placed &b) {
        return std::tie(a.row, a.column) < std::tie(b.row, b.column);
    }) << Image2);
    dipo::keys::escapeClicks(this, Image2);
    dipo::keys::arrowsMoveFocus(entries([](const Placed &a, const Placed &b) {
        return std::tie(a.column, a.row) < std::tie(b.column, b.row);
    }));
    SpeedButton4->setFocus();
}

QToolButton *Tmenu1::addEntry(const char *buttonName, const char *labelName, const char *label,
                              const char *caption, const char *icon, int column, int row)
{
    QWidget *page = sheet();
    // The rounded dark plate behind the entry, with its icon left or right of it.
    auto *plate = new QFrame(page);
    plate->setObjectName(QStringLiteral("Shape_%1").arg(QString::fromLatin1(buttonName)));
    plate->setMinimumSize(kPlateWidth, kPlateHeight);
    plate->setMaximumWidth(kPlateWidth * 3 / 2);
    plate->setStyleSheet(QStringLiteral(
        "QFrame { background: rgba(20, 30, 42, 215); border-radius: 16px; }"));

    auto *iconBox = new dipo::PicturePanel(QString::fromLatin1(icon), page);
    iconBox->setObjectName(QStringLiteral("Icon_%1").arg(QString::fromLatin1(buttonName)));
    iconBox->setFit(dipo::PictureFit::Letterbox);
    iconBox->setFixedSize(72, 72);

    auto *caption1 = new QLabel(QString::fromLatin1(label), plate);
    caption1->setObjectName(QString::fromLatin1(labelName));
    caption1->setStyleSheet(QStringLiteral(
        "QLabel { background: transparent; color: #ffd36b; font-weight: bold; }"));

    auto *button = new QToolButton(plate);
    button->setObjectName(QString::fromLatin1(buttonName));
    button->setText(QString::fromLatin1(caption));
    button->setAutoRaise(true);
    button->setMinimumHeight(50);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    button->setStyleSheet(
        QStringLiteral("QToolButton { color: white; font-size: 14pt; font-weight: bold;"
                       " border: 1px solid #58708a; border-radius: 8px; background: #2b3d52; }"
                       "QToolButton:hover { background: #3c5673; }"
                       "QToolButton:focus { border: 3px solid #ffd36b; background: #3c5673; }"));
    button->setFocusPolicy(Qt::StrongFocus);
    // Named by its own caption, described by the label above it: a screen reader says
    // what the eyes read on the button ("Tune Up", not only "Tutorial Tune-Up").
    button->setAccessibleName(button->text());
    button->setAccessibleDescription(caption1->text().simplified());

    auto *inside = new QVBoxLayout(plate);
    inside->setContentsMargins(14, 10, 14, 14);
    inside->setSpacing(6);
    inside->addWidget(caption1);
    inside->addWidget(button);

    auto *entry = new QHBoxLayout;
    entry->setSpacing(18);
    if (column == 0) {
        entry->addStretch(1);
        entry->addWidget(iconBox);
        entry->addWidget(plate, 2);
    } else {
        entry->addWidget(plate, 2);
        entry->addWidget(iconBox);
        entry->addStretch(1);
    }
    m_entries->addLayout(entry, row, column);
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

void Tmenu1::BtnCatatanClick()
{
    Tcatatan::instance(this)->showWindow();
}

void Tmenu1::Close1Click()
{
    close();
}
