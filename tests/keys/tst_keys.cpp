// SPDX-License-Identifier: GPL-3.0-or-later
// The program without a mouse: one walk through it by keys only; every window's Tab
// chain, the names a screen reader announces and the focus frame; Esc in every window;
// the hint after a refused password.
#include "common/errorreport.h"
#include "common/picturebox.h"
#include "common/richtextbox.h"
#include "common/window.h"
#include "common/picturewidgets.h"
#include "shell/formregistry.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

QWidget *window(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    qFatal("no window %s", qPrintable(name));
}

template <typename T = QWidget> T *control(QWidget *in, const QString &name)
{
    T *found = in->findChild<T *>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(in->objectName()));
    return found;
}

QString focused()
{
    QWidget *f = QApplication::focusWidget();
    return f ? f->objectName() : QStringLiteral("(none)");
}

// A key as the user presses it: to the focused control, shortcuts first.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY2(target, "no focus");
    QTest::keyClick(target, key, modifiers);
    QCoreApplication::processEvents();
}

void type(const QString &text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// Tab until the control has the focus; fails after a full round.
void tabTo(const QString &name)
{
    for (int i = 0; i < 40 && focused() != name; ++i)
        press(Qt::Key_Tab);
    QCOMPARE(focused(), name);
}

void shown(QWidget *w)
{
    QTRY_VERIFY(w->isVisible());
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// What a screen reader announces the control by: its name, or for a drop-down list
// (whose name on this desktop is its value) the label linked to it.
QString accessibleName(QWidget *c)
{
    if (!c->accessibleName().isEmpty())
        return c->accessibleName();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(c);
    return face ? face->text(QAccessible::Name) : QString();
}

void hideAll()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() != QLatin1String("awal_menu"))
            w->hide();
}

} // namespace

class TestKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void wholeProgramByKeys();
    void focusChain_data();
    void focusChain();
    void escape_data();
    void escape();
    void menuArrows_data();
    void menuArrows();
    void wrongPasswordHint();
    void fieldsNamedByTheirLabels();
    void refusedFieldTakesFocus_data();
    void refusedFieldTakesFocus();
    void pictureControlsNamed_data();
    void pictureControlsNamed();

private:
    QStringList m_errors;
};

void TestKeys::initTestCase()
{
    dipo::shell::createForms();
    dipo::errorreport::setSink([this](const QString &, const QString &text) { m_errors << text; });
    QAccessible::setActive(true);
}

void TestKeys::cleanupTestCase()
{
    dipo::errorreport::setSink({});
    dipo::shell::destroyForms();
}

void TestKeys::init()
{
    m_errors.clear();
    hideAll();
    QWidget *start = window(QStringLiteral("awal_menu"));
    start->show();
    shown(start);
}

void TestKeys::wholeProgramByKeys()
{
    QWidget *start = window(QStringLiteral("awal_menu"));
    control(start, "Edit1")->setFocus();
    type(QStringLiteral("kEra langsir"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Panel2"));
    press(Qt::Key_Return);
    QWidget *menu = window(QStringLiteral("menu1"));
    shown(menu);

    tabTo(QStringLiteral("SpeedButton6"));
    tabTo(QStringLiteral("SpeedButton4"));
    press(Qt::Key_Return);
    QWidget *diagno = window(QStringLiteral("diagno"));
    shown(diagno);
    // A system marked by the arrow keys, as by a click: the same prompt follows.
    tabTo(QStringLiteral("RadioGroup1_item0"));
    press(Qt::Key_Down);
    QVERIFY(control<QAbstractButton>(diagno, "RadioGroup1_item1")->isChecked());
    QVERIFY(control(diagno, "BitBtn8")->isVisible());
    tabTo(QStringLiteral("BitBtn8"));
    press(Qt::Key_Space);
    QCOMPARE(focused(), QStringLiteral("BITBTN1"));
    const QString first = control<dipo::RichTextBox>(diagno, "RichEdit2")->firstLine();
    press(Qt::Key_Y);
    QVERIFY(control<dipo::RichTextBox>(diagno, "RichEdit2")->firstLine() != first);
    for (int i = 0; i < 40 && control(diagno, "BITBTN2")->isEnabled(); ++i)
        press(Qt::Key_T);
    QVERIFY(control(diagno, "RichEdit1")->isVisible());
    QCOMPARE(focused(), QStringLiteral("BitBtn7"));
    press(Qt::Key_Escape);
    QVERIFY(!diagno->isVisible());

    shown(menu);
    tabTo(QStringLiteral("SpeedButton7"));
    press(Qt::Key_Return);
    QWidget *dm = window(QStringLiteral("DM"));
    shown(dm);
    tabTo(QStringLiteral("edit12"));
    const QString stroke = control<QLineEdit>(dm, "edit12")->text();
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("x1"));
    tabTo(QStringLiteral("edit19"));
    press(Qt::Key_Return);
    QCOMPARE(m_errors.size(), 1);
    QVERIFY(m_errors.first().contains(QLatin1String("'x1'")));
    QCOMPARE(focused(), QStringLiteral("edit12"));
    QCOMPARE(control<QLineEdit>(dm, "edit12")->selectedText(), QStringLiteral("x1"));
    type(stroke); // typed over the selection
    press(Qt::Key_Return);
    QCOMPARE(m_errors.size(), 1);
    press(Qt::Key_Escape);
    QVERIFY(!dm->isVisible());

    shown(menu);
    tabTo(QStringLiteral("SpeedButton3"));
    press(Qt::Key_Return);
    QWidget *pm = window(QStringLiteral("PM"));
    shown(pm);
    tabTo(QStringLiteral("RadioButton1"));
    press(Qt::Key_Down);
    QVERIFY(control<QAbstractButton>(pm, "RadioButton2")->isChecked());
    tabTo(QStringLiteral("BitBtn1"));
    press(Qt::Key_Return);
    QVERIFY(!control<dipo::PictureBox>(pm, "Image3")->picturePath().isEmpty());
    press(Qt::Key_Escape);
    QVERIFY(!pm->isVisible());

    shown(menu);
    tabTo(QStringLiteral("SpeedButton2"));
    press(Qt::Key_Return);
    QWidget *tuneup = window(QStringLiteral("TUNEUP"));
    shown(tuneup);
    tabTo(QStringLiteral("BitBtn1"));
    press(Qt::Key_Space);
    tabTo(QStringLiteral("RadioGroup1_item0"));
    press(Qt::Key_Down);
    QVERIFY(control<QAbstractButton>(tuneup, "RadioGroup1_item1")->isChecked());
    tabTo(QStringLiteral("SpeedButton2"));
    press(Qt::Key_Return);
    QVERIFY(control(tuneup, "RichEdit1")->isVisible());
    QVERIFY(!control<dipo::PictureBox>(tuneup, "Image3")->picturePath().isEmpty());
    QVERIFY(m_errors.size() == 1);
}

void TestKeys::focusChain_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("chain");
    QTest::newRow("start") << "awal_menu"
                           << "" << QStringList { "Edit1", "Panel2", "Label3", "Label2", "Image2" };
    QTest::newRow("start, help") << "awal_menu"
                                 << "help"
                                 << QStringList { "Edit1", "Panel2", "Label3", "Label2",
                                        "RichEdit1", "Panel3", "Image2" };
    QTest::newRow("about") << "info"
                           << "" << QStringList { "Panel2" };
    QTest::newRow("menu") << "menu1"
                          << ""
                          << QStringList { "SpeedButton4", "SpeedButton6", "SpeedButton3",
                                 "SpeedButton7", "SpeedButton2", "BtnCatatan", "Image2" };
    QTest::newRow("diagnosis") << "diagno"
                               << ""
                               << QStringList { "RadioGroup1_item0", "BitBtnRiwayat", "BitBtn7",
                                      "RichEdit2", "BitBtn3", "BitBtn4" };
    QTest::newRow("diagnosis, asking") << "diagno"
                                       << "question"
                                       << QStringList { "BITBTN1", "BITBTN2", "BitBtn3", "BitBtn4",
                                              "BitBtnRiwayat", "BitBtn7", "RichEdit2" };
    QTest::newRow("diagnosis, concluded")
        << "diagno"
        << "conclusion"
        << QStringList { "BitBtnKembali", "BitBtnRiwayat", "BitBtn7", "RichEdit1", "RichEdit2",
               "BitBtn3", "BitBtn4" };
    QTest::newRow("trail") << "riwayat"
                           << ""
                           << QStringList { "TrailView", "BtnSimpanPdf", "BtnCetak", "BtnSalin",
                                  "BtnCatat", "BtnTutup" };
    QTest::newRow("diesel") << "DM"
                            << "results"
                            << QStringList { "Edit9", "edit11", "edit12", "edit13", "edit14",
                                   "Edit27", "ComboBox1", "ComboBox2", "edit18", "edit19",
                                   "Button1", "Button3", "Button2", "BtnGrafik", "BtnCetak",
                                   "BtnSimpanPdf", "Memo1", "ListHasil" };
    QTest::newRow("brake life") << "umurrem"
                                << ""
                                << QStringList { "Edit1", "Edit2", "Edit3", "Edit4", "Edit5",
                                       "Edit6", "ComboBox1", "Edit7", "Edit8", "Edit9", "Edit10",
                                       "Edit11", "Edit12", "Edit13", "Button1", "Button3",
                                       "Button2", "BtnGrafik", "CheckBox2" };
    QTest::newRow("brake force") << "gayrem"
                                 << "results"
                                 << QStringList { "Edit14", "Edit15", "Edit16", "Edit17", "Edit18",
                                        "Edit19", "Edit20", "Edit21", "Edit23", "Edit24", "Edit25",
                                        "Edit26", "Edit27", "Edit3", "Edit1", "BitBtn1", "Button1",
                                        "Button2", "BtnGrafik", "BtnCetak", "BtnSimpanPdf",
                                        "Edit14jwb", "Edit15jwb", "Edit16jwb",
                                        "Edit17jwb", "Edit18jwb", "Edit19jwb", "Edit20jwb",
                                        "Edit21jwb", "Edit22jwb", "Edit23jwb", "Edit2",
                                        "RichEdit1" };
    QTest::newRow("thickness") << "DIALOG1"
                               << "" << QStringList { "OKBtn" };
    QTest::newRow("maintenance") << "PM"
                                 << "" << QStringList { "RadioButton1", "BitBtn3", "RichEdit1", "Image3" };
    QTest::newRow("tune-up") << "TUNEUP"
                             << ""
                             << QStringList { "BitBtn1", "BitBtn2", "BitBtn3", "SpeedButton1",
                                    "SpeedButton2", "Memo1", "Image2", "Button3" };
    QTest::newRow("tune-up, procedure")
        << "TUNEUP"
        << "procedure"
        << QStringList { "BitBtn1", "RadioGroup1_item1", "SpeedButton1", "SpeedButton2",
               "RichEdit1", "Image3", "Button3", "BtnKartuCetak", "BtnKartuPdf", "BtnCatatPekerjaan" };
}

// Tab from the first control goes through the chain in reading order and comes back;
// each stop has a name of its own and shows that it has the focus.
void TestKeys::focusChain()
{
    QFETCH(QString, windowName);
    QFETCH(QString, state);
    QFETCH(QStringList, chain);
    QWidget *w = window(windowName);
    if (windowName == QLatin1String("riwayat"))
        window(QStringLiteral("diagno"))->show();
    auto *asWindow = qobject_cast<dipo::Window *>(w);
    QVERIFY(asWindow);
    asWindow->showWindow();
    shown(w);
    // Each window from its first state: Ulangi and its like, where they are enabled.
    for (const char *reset : { "BitBtn7", "BitBtn2", "SpeedButton1" }) {
        auto *button = w->findChild<QAbstractButton *>(QLatin1String(reset));
        if (button && button->isEnabled() && windowName != QLatin1String("riwayat")
            && windowName != QLatin1String("menu1"))
            button->click();
    }
    if (state == QLatin1String("results")) {
        control<QAbstractButton>(w, windowName == QLatin1String("gayrem") ? "BitBtn1" : "Button1")
            ->click();
        QVERIFY(m_errors.isEmpty());
    } else if (state == QLatin1String("help")) {
        control<dipo::ClickLabel>(w, "Label3")->click();
    } else if (state == QLatin1String("question") || state == QLatin1String("conclusion")) {
        control<QAbstractButton>(w, "BitBtn7")->click();
        control<QAbstractButton>(w, "RadioGroup1_item1")->click();
        control<QAbstractButton>(w, "BitBtn8")->click();
        if (state == QLatin1String("conclusion"))
            for (int i = 0; i < 40 && control(w, "BITBTN2")->isEnabled(); ++i)
                control<QAbstractButton>(w, "BITBTN2")->click();
    } else if (state == QLatin1String("procedure")) {
        control<QAbstractButton>(w, "BitBtn1")->click();
        control<QAbstractButton>(w, "RadioGroup1_item1")->click();
        control<QAbstractButton>(w, "SpeedButton2")->click();
    }
    control(w, chain.first())->setFocus(Qt::TabFocusReason);
    QCOMPARE(focused(), chain.first());

    QStringList walked;
    QSet<QString> names;
    for (int i = 0; i <= chain.size(); ++i) {
        QWidget *c = QApplication::focusWidget();
        QVERIFY(c);
        walked << c->objectName();
        if (i < chain.size()) {
            const QString name = accessibleName(c);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(c->objectName()));
            QVERIFY2(!names.contains(name), qPrintable(walked.join(' ') + ": " + name));
            names << name;
            // A clickable label or picture is announced as a button.
            if (qobject_cast<dipo::ClickLabel *>(c) || qobject_cast<dipo::PictureBox *>(c))
                QCOMPARE(QAccessible::queryAccessibleInterface(c)->role(), QAccessible::Button);
            // The focus frame: the control looks different with and without the focus.
            const QImage withFocus = c->grab().toImage();
            c->clearFocus();
            QCoreApplication::processEvents();
            const QImage withoutFocus = c->grab().toImage();
            c->setFocus(Qt::TabFocusReason);
            QVERIFY2(withFocus != withoutFocus, qPrintable(c->objectName()));
        }
        press(Qt::Key_Tab);
    }
    QCOMPARE(walked, chain + QStringList { chain.first() });
}

void TestKeys::escape_data()
{
    QTest::addColumn<QString>("windowName");
    for (const char *name : { "info", "menu1", "diagno", "riwayat", "DM", "umurrem", "gayrem",
             "DIALOG1", "PM", "TUNEUP" })
        QTest::newRow(name) << name;
}

// Esc does what the window's close control does: the window is hidden, kept as it was.
void TestKeys::escape()
{
    QFETCH(QString, windowName);
    QWidget *w = window(windowName);
    static_cast<dipo::Window *>(w)->showWindow();
    shown(w);
    press(Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    QVERIFY(window(QStringLiteral("awal_menu"))->isVisible());
}

void TestKeys::menuArrows_data()
{
    // The entries stand in two columns: SpeedButton4, 3, 2 on the left, 6, 7 and the log's
    // BtnCatatan on the right.
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("down") << "SpeedButton4" << int(Qt::Key_Down) << "SpeedButton3";
    QTest::newRow("right") << "SpeedButton3" << int(Qt::Key_Right) << "SpeedButton7";
    QTest::newRow("left") << "SpeedButton6" << int(Qt::Key_Left) << "SpeedButton4";
    QTest::newRow("up") << "SpeedButton2" << int(Qt::Key_Up) << "SpeedButton3";
    QTest::newRow("right of the last row") << "SpeedButton2" << int(Qt::Key_Right) << "BtnCatatan";
    QTest::newRow("down to the log") << "SpeedButton7" << int(Qt::Key_Down) << "BtnCatatan";
    QTest::newRow("top edge stays") << "SpeedButton6" << int(Qt::Key_Up) << "SpeedButton6";
    QTest::newRow("bottom edge stays") << "SpeedButton2" << int(Qt::Key_Down) << "SpeedButton2";
}

void TestKeys::menuArrows()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    auto *menu = static_cast<dipo::Window *>(window(QStringLiteral("menu1")));
    menu->showWindow();
    shown(menu);
    menu->findChild<QWidget *>(from)->setFocus();
    press(Qt::Key(key));
    QCOMPARE(focused(), to);
    menu->hide();
}

void TestKeys::wrongPasswordHint()
{
    QWidget *start = window(QStringLiteral("awal_menu"));
    auto *hint = control<QLabel>(start, "PasswordHint");
    auto *edit = control<QLineEdit>(start, "Edit1");
    QCOMPARE(accessibleName(edit), QStringLiteral("Password"));
    edit->setFocus();
    type(QStringLiteral("kera langsir"));
    press(Qt::Key_Return); // Enter does not submit
    QVERIFY(!hint->isVisible());
    QCOMPARE(edit->text(), QStringLiteral("kera langsir"));
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    QVERIFY(!window(QStringLiteral("menu1"))->isVisible());
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->text(), QStringLiteral("Password salah"));
    QCOMPARE(edit->text(), QString()); // cleared, as ever
    QCOMPARE(edit->accessibleDescription(), hint->text());
    QCOMPARE(focused(), QStringLiteral("Edit1"));
    // Esc on the start screen ends nothing.
    press(Qt::Key_Escape);
    QVERIFY(start->isVisible());
    type(QStringLiteral("k"));
    QVERIFY(!hint->isVisible());
    QCOMPARE(edit->accessibleDescription(), QString());
    edit->clear();
}

// A calculator's fields are announced by their labels, drop-down lists with their
// unit, and each input field tells its unit and the decimal separator.
void TestKeys::fieldsNamedByTheirLabels()
{
    QWidget *dm = window(QStringLiteral("DM"));
    auto *power = control<QLineEdit>(dm, "Edit9");
    QCOMPARE(control<QLabel>(dm, "Edit9Label")->buddy(), power);
    QCOMPARE(accessibleName(power), control<QLabel>(dm, "Edit9Label")->text().trimmed());
    const QString separator = QLocale().decimalPoint() == QLatin1String(",") ? "koma" : "titik";
    QVERIFY(power->toolTip().contains(control<QLabel>(dm, "Edit9Unit")->text().trimmed()));
    QVERIFY(power->toolTip().contains(
        QStringLiteral("gunakan %1 sebagai pemisah desimal").arg(separator)));
    auto *cylinders = control<QComboBox>(dm, "ComboBox2");
    auto *cylindersLabel = control<QLabel>(dm, "ComboBox2Label");
    QCOMPARE(cylinders->accessibleName(), cylindersLabel->text().trimmed());
    const auto labels
        = QAccessible::queryAccessibleInterface(cylinders)->relations(QAccessible::Label);
    QVERIFY(std::any_of(labels.cbegin(), labels.cend(),
        [&](const auto &relation) { return relation.first->object() == cylindersLabel; }));
    QCOMPARE(
        cylinders->accessibleDescription(), control<QLabel>(dm, "ComboBox2Unit")->text().trimmed());
}

void TestKeys::refusedFieldTakesFocus_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::newRow("diesel, first read") << "DM"
                                        << "edit11"
                                        << "2x";
    QTest::newRow("diesel, read after the lists") << "DM"
                                                  << "Edit9"
                                                  << "abc";
    QTest::newRow("diesel, list") << "DM"
                                  << "ComboBox2"
                                  << "delapan";
    QTest::newRow("brake life, speed not whole") << "umurrem"
                                                 << "ComboBox1"
                                                 << "70,5x";
    QTest::newRow("brake force, last input") << "gayrem"
                                             << "Edit1"
                                             << "-";
}

// Enter in a field runs PROSES; a refused text takes the user to its field, selected.
void TestKeys::refusedFieldTakesFocus()
{
    QFETCH(QString, windowName);
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    auto *w = static_cast<dipo::Window *>(window(windowName));
    w->showWindow();
    shown(w);
    QWidget *field = control(w, fieldName);
    QLineEdit *edit = qobject_cast<QLineEdit *>(field);
    if (!edit)
        edit = qobject_cast<QComboBox *>(field)->lineEdit();
    const QString before = edit->text();
    edit->setText(text);
    QWidget *other = w->findChildren<QLineEdit *>().first();
    (other == edit ? w->findChildren<QLineEdit *>().last() : other)->setFocus();
    press(Qt::Key_Return);
    QCOMPARE(m_errors.size(), 1);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(edit->selectedText(), text);
    edit->setText(before);
}

void TestKeys::pictureControlsNamed_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("controlName");
    QTest::addColumn<QString>("name");
    QTest::newRow("start, CLOSE") << "awal_menu"
                                  << "Image2"
                                  << "Keluar";
    QTest::newRow("start, About") << "awal_menu"
                                  << "Image3"
                                  << "Tentang program";
    QTest::newRow("menu, Close") << "menu1"
                                 << "Image2"
                                 << "Tutup";
    QTest::newRow("about, close panel") << "info"
                                        << "Panel2"
                                        << "Tutup";
    QTest::newRow("brake life, Clik here") << "umurrem"
                                           << "CheckBox2"
                                           << "Clik here";
    QTest::newRow("tune-up, picture") << "TUNEUP"
                                      << "Image2"
                                      << "Perbesar gambar tune-up";
}

// The controls that show only a picture or a panel say what they do; the screen
// reader's press action does what a click does.
void TestKeys::pictureControlsNamed()
{
    QFETCH(QString, windowName);
    QFETCH(QString, controlName);
    QFETCH(QString, name);
    QWidget *c = control(window(windowName), controlName);
    QCOMPARE(accessibleName(c), name);
    if (windowName == QLatin1String("menu1")) {
        window(windowName)->show();
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(c);
        QVERIFY(face->actionInterface());
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!window(windowName)->isVisible());
    }
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
