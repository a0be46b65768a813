// SPDX-License-Identifier: GPL-3.0-or-later
// The rich-text box operations and the radio selection rules.
#include "common/errorreport.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"

#include <QMessageBox>
#include <QScreen>
#include <QTextBlock>
#include <QtTest>

using namespace dipo;

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void richTextLines_data();
    void richTextLines();
    void richTextIndentsAppendedParagraphs();
    void richTextFontSizeAppliesToAll();
    void disabledBoxIsStillWritten();
    void errorBoxStaysOnTheScreen_data();
    void errorBoxStaysOnTheScreen();

    void radioGroupRunsOnlyOnUserMarking();
    void radioGroupKeyboardMarks();
    void radioGroupProgramClearingRunsNothing();
    void radioSetOfOneFrame();
};

void TestControls::richTextLines_data()
{
    QTest::addColumn<QStringList>("operations"); // "=text" replace, "+text" append, "0" clear
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("append to an empty box") << QStringList{"+a"} << QStringList{"a"};
    QTest::newRow("replace then append") << QStringList{"=a", "+b"} << QStringList{"a", "b"};
    QTest::newRow("replace keeps exactly one line") << QStringList{"+a", "+b", "=c"} << QStringList{"c"};
    QTest::newRow("empty line counts") << QStringList{"+", "+x"} << QStringList{"", "x"};
    QTest::newRow("empty replace is one empty line") << QStringList{"="} << QStringList{""};
    QTest::newRow("clear empties") << QStringList{"+a", "0"} << QStringList{};
    QTest::newRow("blanks kept") << QStringList{"+  a  ", "+ "} << QStringList{"  a  ", " "};
    QTest::newRow("tab kept") << QStringList{"+a\tb"} << QStringList{"a\tb"};
}

void TestControls::richTextLines()
{
    QFETCH(QStringList, operations);
    QFETCH(QStringList, expected);
    RichTextBox box;
    for (const QString &op : operations) {
        if (op == QLatin1String("0"))
            box.clearLines();
        else if (op.startsWith(QLatin1Char('=')))
            box.setLine(op.mid(1));
        else
            box.appendLine(op.mid(1));
    }
    QCOMPARE(box.lines(), expected);
    QCOMPARE(box.lineCount(), expected.size());
    QCOMPARE(box.firstLine(), expected.value(0));
}

void TestControls::richTextIndentsAppendedParagraphs()
{
    RichTextBox box;
    box.setFirstLineIndent(2);
    box.appendLine(QStringLiteral("HASIL"));
    box.setFirstLineIndent(12);
    box.appendLine(QString());
    box.appendLine(QStringLiteral("cause"));
    QCOMPARE(box.firstLineIndentOf(0), 2.0);
    QCOMPARE(box.firstLineIndentOf(1), 12.0);
    QCOMPARE(box.firstLineIndentOf(2), 12.0);
    QVERIFY(box.document()->findBlockByNumber(2).blockFormat().textIndent() > box.document()->begin().blockFormat().textIndent());
}

void TestControls::richTextFontSizeAppliesToAll()
{
    RichTextBox box;
    box.setBold(true);
    box.appendLine(QStringLiteral("one"));
    box.setFontSize(10);
    box.appendLine(QStringLiteral("two"));
    QCOMPARE(box.fontSize(), 10.0);
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
        const QTextCharFormat f = b.begin().fragment().charFormat();
        QCOMPARE(f.fontPointSize(), 10.0);
        QCOMPARE(f.fontWeight(), int(QFont::Bold));
    }
}

void TestControls::disabledBoxIsStillWritten()
{
    RichTextBox box;
    box.setReadOnly(true);
    box.setEnabled(false);
    box.appendLine(QStringLiteral("   written"));
    QCOMPARE(box.lines(), QStringList{QStringLiteral("   written")});
}

void TestControls::radioGroupRunsOnlyOnUserMarking()
{
    RadioGroup group(QStringLiteral("Jenis"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    group.show();
    QSignalSpy spy(&group, &RadioGroup::itemClicked);
    QCOMPARE(group.itemIndex(), -1);
    group.setObjectName(QStringLiteral("RadioGroup1"));
    QCOMPARE(group.findChild<QRadioButton *>(QStringLiteral("RadioGroup1_item2")), group.item(2));

    QTest::mouseClick(group.item(1), Qt::LeftButton);
    QCOMPARE(group.itemIndex(), 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);

    QTest::mouseClick(group.item(1), Qt::LeftButton); // already marked
    QCOMPARE(spy.count(), 1);

    group.setItemIndex(2); // the program's own change
    QCOMPARE(group.itemIndex(), 2);
    QCOMPARE(spy.count(), 1);

    QTest::mouseClick(group.item(0), Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(group.itemIndex(), 0);
}

void TestControls::radioGroupKeyboardMarks()
{
    RadioGroup group(QStringLiteral("Jenis"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    QSignalSpy spy(&group, &RadioGroup::itemClicked);
    QTest::mouseClick(group.item(0), Qt::LeftButton);
    group.item(0)->setFocus();
    QTest::keyClick(group.item(0), Qt::Key_Down);
    QCOMPARE(group.itemIndex(), 1);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 1);
}

void TestControls::radioGroupProgramClearingRunsNothing()
{
    RadioGroup group(QStringLiteral("Jenis"), {QStringLiteral("a"), QStringLiteral("b")});
    group.show();
    QSignalSpy spy(&group, &RadioGroup::itemClicked);
    QTest::mouseClick(group.item(0), Qt::LeftButton);
    group.setItemIndex(-1);
    QCOMPARE(group.itemIndex(), -1);
    QVERIFY(!group.item(0)->isChecked());
    QCOMPARE(spy.count(), 1);
    // After clearing, marking the same item again is a new choice.
    QTest::mouseClick(group.item(0), Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
}

void TestControls::radioSetOfOneFrame()
{
    QWidget frame;
    RadioSet set;
    QList<QRadioButton *> buttons;
    for (int i = 0; i < 4; ++i) {
        buttons << new QRadioButton(QString::number(i), &frame);
        buttons.last()->move(0, i * 20);
        set.addButton(buttons.last());
    }
    frame.show();
    QSignalSpy spy(&set, &RadioSet::chosen);
    QTest::mouseClick(buttons[3], Qt::LeftButton);
    QTest::mouseClick(buttons[3], Qt::LeftButton);
    QTest::mouseClick(buttons[2], Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(set.checkedIndex(), 2);
    QVERIFY(!buttons[3]->isChecked());
    set.clearSelection();
    QCOMPARE(set.checkedIndex(), -1);
    QCOMPARE(spy.count(), 2);
}

void TestControls::errorBoxStaysOnTheScreen_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("four million letters of words")
        << QStringLiteral("kunci panjang ").repeated(300'000);
    QTest::newRow("a hundred thousand lines") << QStringLiteral("baris\n").repeated(100'000);
}

// However long the message, the box fits the screen and its OK button can be pressed.
void TestControls::errorBoxStaysOnTheScreen()
{
    QFETCH(QString, message);
    QRect geometry;
    bool closed = false;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        geometry = box->frameGeometry();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        closed = true;
    });
    QElapsedTimer clock;
    clock.start();
    errorreport::show(message);
    QVERIFY(closed);
#ifdef __SANITIZE_ADDRESS__
    QVERIFY(clock.elapsed() < 20000); // unoptimised and sanitized
#else
    QVERIFY(clock.elapsed() < 2000);
#endif
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(geometry),
        qPrintable(QStringLiteral("%1 x %2").arg(geometry.width()).arg(geometry.height())));
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
