// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/accessibility.h"
#include "common/picturewidgets.h"
#include "common/qtfaults.h"
#include "common/window.h"
#include "shell/formregistry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QVersionNumber>

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void qtFaultsCheckedWithThisQt();
    void lineEditQueries_data();
    void lineEditQueries();
    void passwordShowsOnlyItsMask();
    void rolesOfWindowsAndPanels();
    void documentWithoutTableMarks();
    void namesOfListsAndGroups();
    void onlyTheButtonIsFocused();
    void everyControlNamedApart_data();
    void everyControlNamedApart();
};

void TestAccessibility::initTestCase()
{
    QAccessible::setActive(true);
    dipo::a11y::install();
}

// The workarounds in qtfaults.h were checked with Qt up to a version; on a newer Qt each
// fault is to be checked again and its first mended release written there.
void TestAccessibility::qtFaultsCheckedWithThisQt()
{
    const QVersionNumber running = QVersionNumber::fromString(QString::fromLatin1(qVersion()));
    const QVersionNumber checked(QT_VERSION_MAJOR, QT_VERSION_MINOR, QT_VERSION_PATCH);
    QVERIFY2(QT_VERSION <= dipo::qtfaults::kCheckedUpTo && running <= QVersionNumber(6, 4, 2),
        qPrintable(QStringLiteral("Qt %1 (built with %2) is newer than the Qt the faults in "
                                  "common/qtfaults.h were checked with: check each again")
                       .arg(running.toString(), checked.toString())));
}

void TestAccessibility::lineEditQueries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<QString>("expected");
    const int word = QAccessible::WordBoundary;
    const int line = QAccessible::LineBoundary;
    const int character = QAccessible::CharBoundary;
    QTest::newRow("word at the end") << "1950" << 4 << word << "1950";
    QTest::newRow("word at the end of two") << "12 kN" << 5 << word << "kN";
    QTest::newRow("word in the middle") << "12 kN" << 1 << word << "12";
    QTest::newRow("word of an empty field") << "" << 0 << word << "";
    QTest::newRow("line is the whole value") << "1950" << 0 << line << "1950";
    QTest::newRow("line at the end") << "1950" << 4 << line << "1950";
    QTest::newRow("line past the end") << "0,75" << 99 << line << "0,75";
    QTest::newRow("character at the end") << "1950" << 4 << character << "";
    QTest::newRow("last character") << "1950" << 3 << character << "0";
}

// Qt 6.4.2's own query loops for ever at the end of a field: each of these must return.
void TestAccessibility::lineEditQueries()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(int, boundary);
    QFETCH(QString, expected);
    QLineEdit field(text);
    QAccessibleTextInterface *face = QAccessible::queryAccessibleInterface(&field)->textInterface();
    QVERIFY(face);
    int start = -1;
    int end = -1;
    QCOMPARE(face->textAtOffset(offset, QAccessible::TextBoundaryType(boundary), &start, &end),
        expected);
    QCOMPARE(end - start, expected.size());
    QCOMPARE(face->text(0, -1), text);
}

void TestAccessibility::passwordShowsOnlyItsMask()
{
    QLineEdit field;
    field.setEchoMode(QLineEdit::Password);
    field.setText(QStringLiteral("kEra langsir"));
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&field);
    QVERIFY(face->state().passwordEdit);
    for (const QString &seen :
        { face->text(QAccessible::Value), face->textInterface()->text(0, -1) }) {
        QCOMPARE(seen.size(), 12);
        QVERIFY2(
            !seen.contains(QLatin1Char('k')) && !seen.contains(QLatin1Char('a')), qPrintable(seen));
    }
}

void TestAccessibility::rolesOfWindowsAndPanels()
{
    dipo::Window full(QStringLiteral("diagno"), QStringLiteral("diagno"));
    full.setFullScreenGeometry();
    auto *panel = new dipo::PicturePanel(QString(), full.sheet());
    dipo::Window dialog(QStringLiteral("DIALOG1"), QStringLiteral("caption"));
    dialog.setDialogGeometry();
    const auto role
        = [](QObject *object) { return QAccessible::queryAccessibleInterface(object)->role(); };
    QCOMPARE(role(&full), QAccessible::Window);
    QCOMPARE(role(&dialog), QAccessible::Dialog);
    QCOMPARE(role(panel), QAccessible::Pane);
    QCOMPARE(role(full.sheet()), QAccessible::Pane);
    QCOMPARE(role(full.scrollBox()), QAccessible::Pane);
    QCOMPARE(QAccessible::queryAccessibleInterface(&full)->text(QAccessible::Name),
        QStringLiteral("Diagnosa kerusakan — Dipo"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("caption"));
}

void TestAccessibility::documentWithoutTableMarks()
{
    QTextBrowser view;
    view.setHtml(QStringLiteral("<p>Riwayat</p><table><tr><td>1</td><td>YA</td></tr></table>"));
    const QString read = QAccessible::queryAccessibleInterface(&view)->textInterface()->text(0, -1);
    QVERIFY(read.contains(QStringLiteral("YA")));
    for (const QChar c : read)
        QVERIFY2(c.category() != QChar::Other_PrivateUse
                && (c.unicode() < 0xfdd0 || c.unicode() > 0xfdef),
            qPrintable(QString::number(c.unicode(), 16)));
}

QTEST_MAIN(TestAccessibility)

// Qt names a group box inside another by the outer one's title, and a list by the item
// it shows; each is named by its own caption or label.
void TestAccessibility::namesOfListsAndGroups()
{
    dipo::Window window(QStringLiteral("DM"), QStringLiteral("DM"));
    auto *outer = new QGroupBox(QStringLiteral("JENIS"), window.sheet());
    auto *inner = new QGroupBox(QStringLiteral("VSM"), outer);
    auto *form = new QFormLayout(inner);
    auto *first = new QComboBox;
    auto *second = new QComboBox;
    for (QComboBox *combo : { first, second }) {
        combo->setLineEdit(new QLineEdit(combo));
        combo->addItems({ QStringLiteral("4"), QStringLiteral("8") });
    }
    form->addRow(QStringLiteral("Jumlah silinder:"), first);
    form->addRow(QStringLiteral("Langkah:"), second);
    const auto name = [](QObject *object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    QCOMPARE(name(outer), QStringLiteral("JENIS"));
    QCOMPARE(name(inner), QStringLiteral("VSM"));
    QCOMPARE(name(first), QStringLiteral("Jumlah silinder:"));
    // Its text field by the same words, told apart from the list.
    QCOMPARE(name(second->lineEdit()), QStringLiteral("Langkah:, kolom isian"));
    QCOMPARE(QAccessible::queryAccessibleInterface(first)->text(QAccessible::Value),
        QStringLiteral("4"));
}

// Qt's face of a button box claims the focus of the button in it: a screen reader then
// finds two focused controls and speaks a nameless panel.
void TestAccessibility::onlyTheButtonIsFocused()
{
    QDialog dialog;
    auto *buttons = new QDialogButtonBox(&dialog);
    QPushButton *save = buttons->addButton(QStringLiteral("Simpan"), QDialogButtonBox::AcceptRole);
    (new QVBoxLayout(&dialog))->addWidget(buttons);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    save->setFocus();
    QTRY_VERIFY(save->hasFocus());
    QStringList focused;
    for (QWidget *widget : dialog.findChildren<QWidget *>()) {
        if (QAccessible::queryAccessibleInterface(widget)->state().focused)
            focused << QString::fromLatin1(widget->metaObject()->className());
    }
    QCOMPARE(focused, QStringList { QStringLiteral("QPushButton") });
}
namespace {

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// What a screen reader stops at or reads in a window: a control the keyboard reaches, a
// field or text box, a list, a label with a text.
bool isControl(QWidget *widget)
{
    if (widget->objectName().startsWith(QLatin1String("qt_")))
        return false;
    if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QTextEdit *>(widget)
        || qobject_cast<QAbstractItemView *>(widget) || qobject_cast<QAbstractButton *>(widget)
        || qobject_cast<QComboBox *>(widget))
        return true;
    if (qobject_cast<QScrollBar *>(widget))
        return false;
    if (auto *label = qobject_cast<QLabel *>(widget))
        return !label->text().isEmpty()
            || (label->textInteractionFlags() & Qt::TextSelectableByMouse);
    return widget->focusPolicy() & Qt::TabFocus;
}

// The program's windows, those inside another window (the trail) included.
QList<dipo::Window *> windows()
{
    QList<dipo::Window *> found;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<dipo::Window *>(top))
            found << window;
        for (dipo::Window *inner : top->findChildren<dipo::Window *>()) {
            if (!found.contains(inner))
                found << inner;
        }
    }
    return found;
}

} // namespace

void TestAccessibility::everyControlNamedApart_data()
{
    QTest::addColumn<QString>("window");
    dipo::shell::createForms();
    for (dipo::Window *window : windows())
        QTest::newRow(qPrintable(window->objectName())) << window->objectName();
}

// Every control of every window has a name, no two controls of a window share one (a
// label and the field it names count as one), and a button's name holds its caption.
void TestAccessibility::everyControlNamedApart()
{
    QFETCH(QString, window);
    QWidget *top = nullptr;
    for (dipo::Window *candidate : windows()) {
        if (candidate->objectName() == window)
            top = candidate;
    }
    QVERIFY(top);
    QStringList faults;
    QHash<QString, QString> named; // name: the control's object name
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        if (widget->window() != top || !isControl(widget))
            continue;
        const QString id = widget->objectName().isEmpty()
            ? QString::fromLatin1(widget->metaObject()->className())
            : widget->objectName();
        const QString name = accessibleName(widget);
        if (name.trimmed().isEmpty()) {
            faults << id + QStringLiteral(" has no name");
            continue;
        }
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            // A screen reader speaks a button by the label that names it, when one does.
            QString spoken = name;
            for (QLabel *label : top->findChildren<QLabel *>()) {
                if (label->buddy() == button)
                    spoken = label->text();
            }
            // The caption without its mnemonic mark and the dots of "opens a dialog".
            QString caption = QString(button->text()).remove(QLatin1Char('&')).simplified();
            caption.remove(QRegularExpression(QStringLiteral("(\\.\\.\\.|\u2026)$")));
            if (!spoken.simplified().contains(caption, Qt::CaseInsensitive))
                faults << QStringLiteral("%1 is named \"%2\" without its caption \"%3\"")
                              .arg(id, spoken, caption);
        }
        // A caption or unit names or describes a field; it reads as what it shows.
        auto *label = qobject_cast<QLabel *>(widget);
        if (label
            && (label->buddy() || !(label->textInteractionFlags() & Qt::TextSelectableByMouse)))
            continue;
        const QString key = name.simplified().toCaseFolded();
        if (named.contains(key))
            faults << QStringLiteral("%1 and %2 are both named \"%3\"").arg(named[key], id, name);
        else
            named.insert(key, id);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

#include "tst_accessibility.moc"
