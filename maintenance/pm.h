// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/picturebox.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "common/window.h"
#include "common/workcard.h"
#include "maintenance/logic/maintenancetable.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <array>

// The maintenance guide: choose a component, PROSES shows its instructions and
// picture, ULANGI starts over. Its state is what its controls show.
class TPM : public dipo::Window
{
    Q_OBJECT

public:
    explicit TPM(QWidget *parent = nullptr);

    // Component 1 ... 30.
    QRadioButton *radioButton(int component) const { return RadioButton.at(component - 1); }

    // Shows the window with this component's instructions, reached as the user would:
    // ULANGI first when another component is chosen, the component, then PROSES.
    void showComponent(int component);

    QLabel *Label1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    std::array<QRadioButton *, dipo::maintenance::kComponentCount> RadioButton {};
    QPushButton *BitBtn2 = nullptr; // ULANGI
    QPushButton *BitBtn1 = nullptr; // PROSES
    dipo::RichTextBox *RichEdit2 = nullptr; // prompt
    QGroupBox *GroupBox2 = nullptr;
    dipo::RichTextBox *RichEdit1 = nullptr; // explanation
    dipo::PictureBox *Image2 = nullptr; // decoration under the picture
    dipo::PictureBox *Image3 = nullptr;
    QPushButton *BitBtn3 = nullptr; // CLOSE
    dipo::WorkCardButtons *KartuKerja = nullptr; // after PROSES
    QPushButton *BtnCatatPekerjaan = nullptr; // records the job shown in the log

public slots:
    void RadioButton1Click() { chooseComponent(1); }
    void RadioButton2Click() { chooseComponent(2); }
    void RadioButton3Click() { chooseComponent(3); }
    void RadioButton4Click() { chooseComponent(4); }
    void RadioButton5Click() { chooseComponent(5); }
    void RadioButton6Click() { chooseComponent(6); }
    void RadioButton7Click() { chooseComponent(7); }
    void RadioButton8Click() { chooseComponent(8); }
    void RadioButton9Click() { chooseComponent(9); }
    void RadioButton10Click() { chooseComponent(10); }
    void RadioButton11Click() { chooseComponent(11); }
    void RadioButton12Click() { chooseComponent(12); }
    void RadioButton13Click() { chooseComponent(13); }
    void RadioButton14Click() { chooseComponent(14); }
    void RadioButton15Click() { chooseComponent(15); }
    void RadioButton16Click() { chooseComponent(16); }
    void RadioButton17Click() { chooseComponent(17); }
    void RadioButton18Click() { chooseComponent(18); }
    void RadioButton19Click() { chooseComponent(19); }
    void RadioButton20Click() { chooseComponent(20); }
    void RadioButton21Click() { chooseComponent(21); }
    void RadioButton22Click() { chooseComponent(22); }
    void RadioButton23Click() { chooseComponent(23); }
    void RadioButton24Click() { chooseComponent(24); }
    void RadioButton25Click() { chooseComponent(25); }
    void RadioButton26Click() { chooseComponent(26); }
    void RadioButton27Click() { chooseComponent(27); }
    void RadioButton28Click() { chooseComponent(28); }
    void RadioButton29Click() { chooseComponent(29); }
    void RadioButton30Click() { chooseComponent(30); }
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BtnCatatPekerjaanClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void placeControls();
    void connectHandlers();
    void chooseComponent(int component);
    bool moveWithinGroup(int fromIndex, int step);
    void showPictureLarge();

    const dipo::maintenance::Table &m_table;
    dipo::RadioSet m_components;
};

extern TPM *PM;
