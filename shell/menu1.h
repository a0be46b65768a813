// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/window.h"
#include "common/picturewidgets.h"

#include <QToolButton>

class QGridLayout;

// The main menu: one entry per working module and the Close picture back to the
// start screen. The calculators' entries stand where the calculator table places them.
class Tmenu1 : public dipo::Window
{
    Q_OBJECT

public:
    explicit Tmenu1(QWidget *parent = nullptr);

    // Handlers.
    void SpeedButton4Click();
    void SpeedButton3Click();
    void SpeedButton2Click();
    void BtnCatatanClick();
    void Close1Click();

private:
    QToolButton *addEntry(const char *buttonName, const char *labelName, const char *label,
                          const char *caption, const char *icon, int column, int row);

    QToolButton *SpeedButton4;
    QToolButton *SpeedButton3;
    QToolButton *SpeedButton2;
    QToolButton *BtnCatatan;
    dipo::ClickLabel *Image2;
    QGridLayout *m_entries;
};

extern Tmenu1 *menu1;
