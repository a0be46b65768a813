// SPDX-License-Identifier: GPL-3.0-or-later
// Texts as large as the loader takes, in the boxes of the diagnosis window: shown in
// time, and messages about them kept short.

#include "common/errorreport.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "diagnosis/diagno.h"
#include "diagnosis/logic/kbfolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace dipo::diagnosis;

namespace {

#ifdef __SANITIZE_ADDRESS__
// Unoptimised and sanitized: still far below what quadratic drawing of 4 MB takes.
constexpr qint64 kMostMilliseconds = 20000;
#else
constexpr qint64 kMostMilliseconds = 1000;
#endif

// The built-in base with brakes.json replaced.
void writeBase(const QString &dir, const QByteArray &brakes)
{
    for (const KbFile &file : builtInFiles()) {
        QFile out(dir + QLatin1Char('/') + file.name);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file.name == QLatin1String("brakes.json") ? brakes : file.bytes);
    }
}

// One row: its question, and on YA the given action.
QByteArray oneRow(const QByteArray &text, const QByteArray &ya)
{
    return R"({"start":1,"headers":{"A":"H"},"questions":[{"no":1,"text":")" + text + R"(","ya":)"
        + ya + R"(,"tidak":{"header":"A","cause":"c"}}]})";
}

QByteArray repeated(const QByteArray &piece, qint64 bytes)
{
    return piece.repeated(bytes / piece.size());
}

} // namespace

class BigTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shownInTime_data();
    void shownInTime();
    void hugeKeyGivesAShortMessage();

private:
    QStringList m_messages;
    QTemporaryDir m_dir;
};

void BigTextsTest::init()
{
    m_messages.clear();
    dipo::errorreport::setSink(
        [this](const QString &, const QString &text) { m_messages.append(text); });
}

void BigTextsTest::cleanup()
{
    dipo::errorreport::setSink({});
    setKnowledgeBaseDir(QString());
}

void BigTextsTest::shownInTime_data()
{
    QTest::addColumn<QByteArray>("brakes");
    QTest::addColumn<bool>("answerYa"); // the conclusion is shown after YA
    QTest::addColumn<QString>("lastDrawn"); // how the box's last paragraph begins
    const qint64 big = 3'900'000;
    QTest::newRow("question of words")
        << oneRow(repeated("APAKAH REM BUNYI ", big), R"({"header":"A","cause":"c"})") << false
        << "APAKAH REM BUNYI ";
    QTest::newRow("question of one word")
        << oneRow(repeated("A", big), R"({"header":"A","cause":"c"})") << false << "AAAA";
    QTest::newRow("cause of words")
        << oneRow("APAKAH", R"({"header":"A","cause":")" + repeated("kampas aus ", big) + R"("})")
        << true << "kampas aus ";
    QTest::newRow("notice of short lines")
        << oneRow("APAKAH", R"({"notice":[)" + repeated(R"("x",)", big) + R"("y"]})") << true
        << "\u2026dan ";
}

// From the click on "Mulai" (and on YA) to the painted window.
void BigTextsTest::shownInTime()
{
    QFETCH(QByteArray, brakes);
    QFETCH(bool, answerYa);
    QFETCH(QString, lastDrawn);
    writeBase(m_dir.path(), brakes);
    setKnowledgeBaseDir(m_dir.path());
    QVERIFY2(!chosenKnowledgeBase().fellBack(), qPrintable(fallbackMessage(chosenKnowledgeBase())));

    Tdiagno window;
    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QRadioButton *brakesItem = window.findChild<dipo::RadioGroup *>("RadioGroup1")->item(5);
    QTest::mouseClick(brakesItem, Qt::LeftButton, {}, QPoint(8, brakesItem->height() / 2));

    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(window.findChild<QPushButton *>("BitBtn8"), Qt::LeftButton);
    if (answerYa)
        QTest::mouseClick(window.findChild<QPushButton *>("BITBTN1"), Qt::LeftButton);
    window.repaint();
    QCoreApplication::processEvents();
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed < kMostMilliseconds, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
    QCOMPARE(m_messages, QStringList());
    auto *box = window.findChild<dipo::RichTextBox *>(answerYa ? "RichEdit1" : "RichEdit2");
    QVERIFY(box->lineCount() > 0);
    // Drawn in part, given back whole.
    QVERIFY(box->document()->characterCount() < 100'000);
    QVERIFY(box->document()->lastBlock().text().startsWith(lastDrawn));
    QCOMPARE(box->lines().size(), box->lineCount());
    QVERIFY(box->lines().join(QString()).size() > 900'000);
}

void BigTextsTest::hugeKeyGivesAShortMessage()
{
    const QByteArray key = repeated("k", 3'900'000);
    writeBase(m_dir.path(),
        R"({"start":1,"headers":{"A":"H"},"questions":[{"no":1,"text":"T",")" + key
            + R"(":1,"ya":{"header":"A","cause":"c"},"tidak":{"header":"A","cause":"c"}}]})");
    setKnowledgeBaseDir(m_dir.path());
    Tdiagno window;
    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().size() < 600, qPrintable(m_messages.first().left(600)));
    QVERIFY(m_messages.first().contains(QString(200, QLatin1Char('k')) + QChar(0x2026)));
}

QTEST_MAIN(BigTextsTest)
#include "tst_bigtexts.moc"
