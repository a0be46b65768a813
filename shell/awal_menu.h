// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/window.h"
#include "common/picturewidgets.h"

#include <QLineEdit>

namespace dipo {
class RichTextBox;
}

// The start screen: the main window, with the password gate, the help text, the link
// to the about box and the only way to end the program.
class Tawal_menu : public dipo::Window
{
    Q_OBJECT

public:
    explicit Tawal_menu(QWidget *parent = nullptr);

    static bool isAcceptedPassword(const QString &text);

    // Handlers.
    void Panel2Click();
    void Label3Click();
    void Panel3Click();
    void Label2Click();
    void Button2Click();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showPasswordHint(bool shown);

    dipo::PicturePanel *m_panel;
    QLabel *Label1;
    QLineEdit *Edit1;
    dipo::ClickLabel *Panel2;
    dipo::ClickLabel *Label3;
    dipo::RichTextBox *RichEdit1;
    dipo::ClickLabel *Panel3;
    dipo::ClickLabel *Label2;
    dipo::ClickLabel *Image3;
    dipo::ClickLabel *Image2;
    QLabel *PasswordHint;
};

extern Tawal_menu *awal_menu;
