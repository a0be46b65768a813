// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/window.h"
#include "common/workcard.h"

#include <array>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace dipo {
class PictureBox;
class PictureViewer;
class RadioGroup;
class RichTextBox;
namespace tuneup {
struct Procedure;
}
} // namespace dipo

// The tune-up tutorials: a category button enables its radio groups, an item is picked,
// PROSES writes that procedure's steps and shows its picture. All state is in the controls.
class TTUNEUP : public dipo::Window
{
    Q_OBJECT

public:
    // Shows the window with this procedure's tutorial (by its id, "V-1"), reached as the
    // user would: ULANGI first when another kind is chosen, the kind, the item, PROSES.
    void showProcedure(const QString &id);
    // The card of the tutorial shown (hidden while none is).
    dipo::WorkCardButtons *workCard() const { return KartuKerja; }

    explicit TTUNEUP(QWidget *parent = nullptr);

    // Radio groups 1 to 7.
    dipo::RadioGroup *radioGroup(int number) const { return m_groups.at(number - 1); }

private slots:
    void FormCreate();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void RadioGroup3Click();
    void RadioGroup4Click();
    void RadioGroup5Click();
    void RadioGroup6Click();
    void RadioGroup7Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Button3Click();
    void BtnCatatPekerjaanClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void nameRepeatedItems();
    void arrangeGovernors(bool narrow);
    void buildControls();
    void writePrompt(const QString &text);
    void governorItemPicked(int group);
    void clearSelections();
    void writeTutorial(const dipo::tuneup::Procedure &procedure);
    void setTabStops();
    // A click on the picture opens it large in its own window.
    void showPictureLarge();

    QScrollArea *ScrollBox = nullptr;
    QLabel *Label1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    dipo::RadioGroup *RadioGroup1 = nullptr;
    dipo::RadioGroup *RadioGroup2 = nullptr;
    dipo::RadioGroup *RadioGroup3 = nullptr;
    dipo::RadioGroup *RadioGroup4 = nullptr;
    dipo::RadioGroup *RadioGroup5 = nullptr;
    dipo::RadioGroup *RadioGroup6 = nullptr;
    dipo::RadioGroup *RadioGroup7 = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QPushButton *SpeedButton2 = nullptr;
    dipo::RichTextBox *RichEdit2 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    dipo::RichTextBox *RichEdit1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    dipo::PictureBox *Image2 = nullptr;
    dipo::PictureBox *Image3 = nullptr;
    QPushButton *Button3 = nullptr;
    dipo::WorkCardButtons *KartuKerja = nullptr; // after PROSES
    QPushButton *BtnCatatPekerjaan = nullptr; // records the procedure shown in the log
    QString m_shownProcedure;

    std::array<dipo::RadioGroup *, 7> m_groups {};
    QGridLayout *m_governors = nullptr;
    bool m_governorsNarrow = false;
    int m_wideWidth = 0; // the page's least width with the governors side by side
};

extern TTUNEUP *TUNEUP;
