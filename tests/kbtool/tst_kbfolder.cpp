// SPDX-License-Identifier: GPL-3.0-or-later
// The diagnosis window on an edited copy of the knowledge base (--kb DIR or
// DIPO_KB_DIR): used when it passes every check, else the built-in base and one message.

#include "common/errorreport.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "diagnosis/diagno.h"
#include "diagnosis/logic/kbfolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace dipo::diagnosis;

namespace {

const QString addedQuestion = QStringLiteral("APAKAH REM BERDECIT SAAT LOKOMOTIF BERHENTI");

// The built-in base in a folder, with the brake file changed by edit.
void writeCopy(const QString &dir, const std::function<void(QJsonObject &)> &edit)
{
    for (const KbFile &file : builtInFiles()) {
        QByteArray bytes = file.bytes;
        if (file.name == QLatin1String("brakes.json")) {
            QJsonObject brakes = QJsonDocument::fromJson(bytes).object();
            edit(brakes);
            bytes = QJsonDocument(brakes).toJson();
        }
        QFile out(dir + QLatin1Char('/') + file.name);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
}

// Row 16's TIDAK now asks a new row 17, which gives the old notice on TIDAK.
void addRow(QJsonObject &brakes)
{
    QJsonArray rows = brakes.value("questions").toArray();
    QJsonObject last = rows.last().toObject();
    rows.append(QJsonObject { { "no", 17 }, { "text", addedQuestion },
        { "ya", QJsonObject { { "header", "P" }, { "cause", "kampas rem mengeras " } } },
        { "tidak", last.value("tidak") } });
    last.insert("tidak", QJsonObject { { "ask", 17 } });
    rows.replace(rows.size() - 2, last);
    brakes.insert("questions", rows);
}

// Row 2 asks a row that does not exist.
void breakRow(QJsonObject &brakes)
{
    QJsonArray rows = brakes.value("questions").toArray();
    QJsonObject second = rows.at(1).toObject();
    second.insert("tidak", QJsonObject { { "ask", 99 } });
    rows.replace(1, second);
    brakes.insert("questions", rows);
}

// Rows 15 and 16 ask each other whatever the answer: every row loads, no walk ends.
void loopLastRows(QJsonObject &brakes)
{
    QJsonArray rows = brakes.value("questions").toArray();
    QJsonObject last = rows.last().toObject();
    QJsonObject before = rows.at(rows.size() - 2).toObject();
    const int lastNo = last.value("no").toInt();
    const int beforeNo = before.value("no").toInt();
    before.insert("tidak", QJsonObject { { "ask", lastNo } });
    last.insert("ya", QJsonObject { { "ask", beforeNo } });
    last.insert("tidak", QJsonObject { { "ask", beforeNo } });
    rows.replace(rows.size() - 2, before);
    rows.replace(rows.size() - 1, last);
    brakes.insert("questions", rows);
}

template <typename T> T *control(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

QString question(QWidget *window)
{
    return control<dipo::RichTextBox>(window, "RichEdit2")->firstLine();
}

void startBrakes(QWidget *window)
{
    QRadioButton *item = control<dipo::RadioGroup>(window, "RadioGroup1")->item(5);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
    QTest::mouseClick(control<QPushButton>(window, "BitBtn8"), Qt::LeftButton);
}

} // namespace

class KbFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void editedCopyShowsTheNewQuestion();
    void environmentVariableNamesTheFolder();
    void brokenCopyKeepsTheBuiltInBase_data();
    void brokenCopyKeepsTheBuiltInBase();
    void messageCountsWhatDoesNotFit();
    void copyWithALoopIsNotUsed();

private:
    Tdiagno *showWindow();
    QStringList m_messages;
    QTemporaryDir m_dir;
    Tdiagno *m_window = nullptr;
};

void KbFolderTest::init()
{
    m_messages.clear();
    dipo::errorreport::setSink(
        [this](const QString &, const QString &text) { m_messages.append(text); });
}

void KbFolderTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    dipo::errorreport::setSink({});
    setKnowledgeBaseDir(QString());
    qunsetenv("DIPO_KB_DIR");
}

Tdiagno *KbFolderTest::showWindow()
{
    m_window = new Tdiagno();
    m_window->showWindow();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(m_window);
    QCoreApplication::processEvents();
    return m_window;
}

void KbFolderTest::editedCopyShowsTheNewQuestion()
{
    writeCopy(m_dir.path(), addRow);
    setKnowledgeBaseDir(m_dir.path());
    QWidget *window = showWindow();
    QCOMPARE(m_messages, QStringList());
    startBrakes(window);
    for (int i = 0; i < 16; ++i)
        QTest::mouseClick(control<QPushButton>(window, "BITBTN2"), Qt::LeftButton);
    QCOMPARE(question(window), addedQuestion);
    QTest::mouseClick(control<QPushButton>(window, "BITBTN1"), Qt::LeftButton);
    QCOMPARE(control<dipo::RichTextBox>(window, "RichEdit1")->lines().last(),
        QStringLiteral("kampas rem mengeras "));
}

void KbFolderTest::environmentVariableNamesTheFolder()
{
    writeCopy(m_dir.path(), addRow);
    qputenv("DIPO_KB_DIR", m_dir.path().toLocal8Bit());
    QCOMPARE(knowledgeBaseDir(), m_dir.path());
    QCOMPARE(chosenKnowledgeBase().load.knowledgeBase.systems().at(5).questions.size(), 17);
    // What is set in the program comes first.
    setKnowledgeBaseDir(QStringLiteral("/elsewhere"));
    QCOMPARE(knowledgeBaseDir(), QStringLiteral("/elsewhere"));
}

void KbFolderTest::brokenCopyKeepsTheBuiltInBase_data()
{
    QTest::addColumn<QString>("folder"); // empty: the temporary folder
    QTest::addColumn<bool>("broken");
    QTest::addColumn<QString>("finding");
    QTest::newRow("a row asks a missing row")
        << QString() << true << "brakes.json: row 2: TIDAK asks row 99, which does not exist";
    QTest::newRow("a file missing") << QString() << false << "brakes.json: cannot be read";
    QTest::newRow("the folder missing")
        << QStringLiteral("/nonexistent/kb") << false << "/nonexistent/kb: folder not found";
}

void KbFolderTest::brokenCopyKeepsTheBuiltInBase()
{
    QFETCH(QString, folder);
    QFETCH(bool, broken);
    QFETCH(QString, finding);
    if (folder.isEmpty()) {
        folder = m_dir.path();
        writeCopy(folder, broken ? breakRow : addRow);
        if (!broken)
            QFile::remove(folder + QStringLiteral("/brakes.json"));
    }
    setKnowledgeBaseDir(folder);
    QWidget *window = showWindow();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(finding), qPrintable(m_messages.first()));
    QVERIFY(m_messages.first().contains(folder));
    QVERIFY(m_messages.first().startsWith(QStringLiteral("Basis pengetahuan dari folder ")));

    // The built-in base, whole: its brake chain ends after sixteen rows.
    QVERIFY(control<QWidget>(window, "RadioGroup1")->isEnabled());
    startBrakes(window);
    for (int i = 0; i < 16; ++i)
        QTest::mouseClick(control<QPushButton>(window, "BITBTN2"), Qt::LeftButton);
    QCOMPARE(question(window), QStringLiteral("lihat hasil diagnosa "));

    // Once: not again when the window is shown a second time.
    window->hide();
    window->show();
    QCoreApplication::processEvents();
    QCOMPARE(m_messages.size(), 1);
}

void KbFolderTest::messageCountsWhatDoesNotFit()
{
    KbChoice choice;
    choice.dir = QStringLiteral("/srv/kb");
    for (int i = 1; i <= 11; ++i) {
        KbFinding problem;
        problem.file = QStringLiteral("brakes.json");
        problem.row = i;
        problem.what = QStringLiteral("x");
        choice.problems.append(problem);
    }
    const QStringList lines = fallbackMessage(choice, 8).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2 + 8 + 1);
    QCOMPARE(lines.at(2), QStringLiteral("brakes.json: row 1: x"));
    QCOMPARE(lines.last(), QStringLiteral("…dan 3 lainnya"));
    choice.problems = choice.problems.mid(0, 8);
    QVERIFY(!fallbackMessage(choice, 8).contains(QStringLiteral("lainnya")));
}

// What dipo-kb check calls an error keeps a copy out, though the loader takes it.
void KbFolderTest::copyWithALoopIsNotUsed()
{
    writeCopy(m_dir.path(), loopLastRows);
    setKnowledgeBaseDir(m_dir.path());
    const KbChoice &choice = chosenKnowledgeBase();
    QVERIFY(choice.fellBack());
    QVERIFY2(fallbackMessage(choice).contains(QStringLiteral("can lead back to itself")),
        qPrintable(fallbackMessage(choice)));
    QWidget *window = showWindow();
    QCOMPARE(m_messages.size(), 1);
    startBrakes(window);
    for (int i = 0; i < 16; ++i)
        QTest::mouseClick(control<QPushButton>(window, "BITBTN2"), Qt::LeftButton);
    QCOMPARE(question(window), QStringLiteral("lihat hasil diagnosa "));
}

QTEST_MAIN(KbFolderTest)
#include "tst_kbfolder.moc"
