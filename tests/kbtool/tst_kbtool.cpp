// SPDX-License-Identifier: GPL-3.0-or-later
// dipo-kb as the knowledge engineer runs it: whole processes, their output and exit
// codes, on the built-in base and on small hand-made ones.

#include "diagnosis/logic/kbfolder.h"
#include "diagnosis/logic/kbloader.h"
#include "diagnosis/logic/kbschema.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace dipo::diagnosis;

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

Run dipoKb(const QStringList &arguments, const QByteArray &input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(DIPO_KB_EXE), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        qFatal("dipo-kb did not finish");
    return Run { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}

QJsonObject builtInSystem(const QString &file)
{
    QFile source(QStringLiteral(":/diagnosis/kb/") + file);
    source.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(source.readAll()).object();
}

// A copy of the built-in base in a fresh folder, with the brake system's file replaced
// by the given text when there is one.
struct Base
{
    QTemporaryDir dir;
    explicit Base(const QByteArray &brakes = QByteArray())
    {
        for (const KbFile &file : builtInFiles()) {
            QFile out(dir.filePath(file.name));
            out.open(QIODevice::WriteOnly);
            out.write(file.name == QLatin1String("brakes.json") && !brakes.isEmpty() ? brakes
                                                                                     : file.bytes);
        }
    }
    QString path() const { return dir.path(); }
    QString brakes() const { return dir.filePath(QStringLiteral("brakes.json")); }
};

// A small system, one row a line: with two headers, row k stands on line 7 + k.
//   1: YA asks 2, TIDAK asks 3      walks: 1->2->A, 1->2->3->B, 1->2->3->notice,
//   2: YA fault A, TIDAK asks 3                1->3->B, 1->3->notice
//   3: YA fault B, TIDAK notice
QByteArray smallSystem(const QStringList &rows = {}, const QString &headers = {})
{
    const QStringList defaultRows {
        R"({ "no": 1, "text": "APAKAH KECIL SATU", "ya": { "ask": 2 }, "tidak": { "ask": 3 } })",
        R"({ "no": 2, "text": "APAKAH KECIL DUA", "ya": { "header": "A", "cause": "sebab a" }, "tidak": { "ask": 3 } })",
        R"({ "no": 3, "text": "APAKAH KECIL TIGA", "ya": { "header": "B", "cause": "sebab b" }, "tidak": { "notice": ["Maaf gangguan belum terdefinisi"] } })",
    };
    return QStringLiteral(
        "{\n  \"start\": 1,\n  \"headers\": {\n%1\n  },\n  \"questions\": [\n%2\n  ]\n}\n")
        .arg(headers.isEmpty() ? QStringLiteral("    \"A\": \"kepala a\",\n    \"B\": \"kepala b\"")
                               : headers,
            (rows.isEmpty() ? defaultRows : rows).join(QStringLiteral(",\n")))
        .toUtf8();
}

} // namespace

class KbToolTest : public QObject
{
    Q_OBJECT

private slots:
    void usage_data();
    void usage();
    void helpIsIndonesian();
    void longChainIsChecked();
    void folderNamedInLatin1();
    void builtInChecksClean();
    void findings_data();
    void findings();
    void findingsPastTheCapAreCounted();
    void statsOfBuiltIn();
    void statsOfSmallBases_data();
    void statsOfSmallBases();
    void conclusionsKeptApartByStructure();
    void dotMatchesTheRows_data();
    void dotMatchesTheRows();
    void walkExamples_data();
    void walkExamples();
    void walkReachesEveryBrakeConclusion();
    void walkAsksInTheTerminal();
    void walkRefusesBadAnswers_data();
    void walkRefusesBadAnswers();
    void exportNamesEveryRow();
    void schemaAgreesWithLoader_data();
    void schemaAgreesWithLoader();
};

void KbToolTest::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says");
    QTest::newRow("help") << QStringList { "--help" } << 0 << "--kb <DIR>";
    QTest::newRow("version") << QStringList { "--version" } << 0 << "dipo-kb 1.0";
    QTest::newRow("no command") << QStringList {} << 2 << "";
    QTest::newRow("unknown command") << QStringList { "lint" } << 2 << "";
    QTest::newRow("unknown option") << QStringList { "check", "--fast" } << 2 << "";
    QTest::newRow("dot without system") << QStringList { "dot" } << 2 << "";
    QTest::newRow("unknown system") << QStringList { "dot", "kemudi" } << 2 << "";
    QTest::newRow("json on check") << QStringList { "check", "--json" } << 2 << "";
    QTest::newRow("missing folder")
        << QStringList { "check", "--kb", "/nonexistent/kb" } << 2 << "";
    QTest::newRow("empty folder name") << QStringList { "check", "--kb=" } << 2 << "";
}

void KbToolTest::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, says);
    const Run run = dipoKb(arguments);
    QCOMPARE(run.code, code);
    QVERIFY2(run.out.contains(says), qPrintable(run.out));
    if (code == 2)
        QVERIFY(run.err.startsWith(QLatin1String("dipo-kb: ")));
}

// The help is the program's own from top to bottom, with the one rule of exit codes.
void KbToolTest::helpIsIndonesian()
{
    const Run run = dipoKb({ "--help" });
    QCOMPARE(run.code, 0);
    for (const char *english : { "Usage:", "Options:", "Displays", "Arguments:" })
        QVERIFY2(!run.out.contains(QLatin1String(english)), english);
    QVERIFY(run.out.startsWith(QStringLiteral("Pemakaian: dipo-kb")));
    QVERIFY(
        run.out.contains(QStringLiteral("  1  ada temuan, atau walk berhenti tanpa kesimpulan")));
    QVERIFY(
        dipoKb({ "--fast" }).err.startsWith(QStringLiteral("dipo-kb: opsi tidak dikenal: --fast;")));
}

// A folder whose name is not UTF-8 is read by the name the system gave it.
void KbToolTest::folderNamedInLatin1()
{
    QTemporaryDir dir;
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
        { "-c",
            R"sh(d="$1/$(printf 'kb\351')"; mkdir "$d" && cp "$2"/*.json "$d" && "$0" check --kb "$d"; s=$?; rm -r "$d"; exit $s)sh",
            DIPO_KB_EXE, dir.path(), DIPO_KB_SOURCE });
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()), QString());
    QCOMPARE(process.exitCode(), 0);
}

// A chain as long as the loader takes is checked and measured, not a stack overflow.
void KbToolTest::longChainIsChecked()
{
    constexpr int rows = 50000;
    QByteArray json = R"({"start":1,"headers":{"A":"H"},"questions":[)";
    for (int i = 1; i <= rows; ++i) {
        json += QStringLiteral(
            R"({"no":%1,"text":"Q%1","ya":%2,"tidak":{"header":"A","cause":"c"}}%3)")
                    .arg(QString::number(i),
                        i < rows ? QStringLiteral(R"({"ask":%1})").arg(i + 1)
                                 : QStringLiteral(R"({"notice":["x"]})"),
                        i < rows ? QStringLiteral(",") : QString())
                    .toUtf8();
    }
    json += "]}";
    QVERIFY(json.size() < kMaxFileBytes);
    Base base(json);
    QCOMPARE(dipoKb({ "check", "--kb", base.path() }).code, 0);
    const Run stats = dipoKb({ "stats", "--json", "--kb", base.path() });
    QCOMPARE(stats.code, 0);
    const QJsonObject brakes = QJsonDocument::fromJson(stats.out.toUtf8()).array().at(5).toObject();
    QCOMPARE(brakes.value("longestWalk").toInt(), rows);
    QCOMPARE(brakes.value("walks").toInt(), rows + 1);
}

void KbToolTest::builtInChecksClean()
{
    const Run builtIn = dipoKb({ "check" });
    QCOMPARE(builtIn.code, 0);
    QCOMPARE(builtIn.out, QString());
    Base copy;
    const Run fromFolder = dipoKb({ "check", "--kb", copy.path() });
    QCOMPARE(fromFolder.code, 0);
    QCOMPARE(fromFolder.out, QString());
}

void KbToolTest::findings_data()
{
    QTest::addColumn<QByteArray>("brakes");
    QTest::addColumn<QString>("finding"); // after "<file>:"
    const auto row = [](int no, const QString &text, const QString &ya, const QString &tidak) {
        return QStringLiteral(R"({ "no": %1, "text": "%2", "ya": %3, "tidak": %4 })")
            .arg(QString::number(no), text, ya, tidak);
    };
    const QString a = QStringLiteral(R"({ "header": "A", "cause": "sebab a" })");
    const QString b = QStringLiteral(R"({ "header": "B", "cause": "sebab b" })");
    const QString notice = QStringLiteral(R"({ "notice": ["Maaf"] })");
    const QString ask2 = QStringLiteral(R"({ "ask": 2 })");
    const QString ask3 = QStringLiteral(R"({ "ask": 3 })");

    QTest::newRow("cycle") << smallSystem({ row(1, "APAKAH A", a, ask2),
        row(2, "APAKAH B", b, ask3), row(3, "APAKAH C", notice, ask2) })
                           << "9: error: row 2: can lead back to itself (2 -> 3 -> 2)";
    QTest::newRow("self loop") << smallSystem(
        { row(1, "APAKAH A", a, ask2), row(2, "APAKAH B", b, ask2) })
                               << "9: error: row 2: can lead back to itself (2 -> 2)";
    QTest::newRow("YA and TIDAK ask the same row")
        << smallSystem({ row(1, "APAKAH A", ask2, ask2), row(2, "APAKAH B", b, notice) })
        << "8: warning: row 1: YA and TIDAK both lead to row 2";
    QTest::newRow("YA and TIDAK the same fault")
        << smallSystem({ row(1, "APAKAH A", a, ask2), row(2, "APAKAH B", b, b) })
        << "9: warning: row 2: YA and TIDAK both lead to header B with the same cause";
    QTest::newRow("unused header")
        << smallSystem({ row(1, "APAKAH A", a, ask2), row(2, "APAKAH B", a, notice) })
        << "5: warning: header B is used by no conclusion";
    QTest::newRow("text differs only in case and blanks")
        << smallSystem({ row(1, "APAKAH KECIL", a, ask2), row(2, "Apakah  kecil ", b, notice) })
        << "9: warning: row 2: the question text differs from row 1 of ";
    QTest::newRow("text differs only in case from another file")
        << smallSystem(
               { row(1, "apakah mesin tidak mau hidup", a, ask2), row(2, "APAKAH B", b, notice) })
        << "8: warning: row 1: the question text differs from row 1 of ";
    QTest::newRow("same text in another file")
        << smallSystem(
               { row(1, "APAKAH A", a, ask2), row(2, "APAKAH MESIN TIDAK MAU HIDUP", b, notice) })
        << "9: error: row 2: the question text is also row 1 of ";
    QTest::newRow("ask to a missing row")
        << smallSystem({ row(1, "APAKAH A", a, ask2),
               row(2, "APAKAH B", b, QStringLiteral(R"({ "ask": 9 })")) })
        << "9: error: row 2: TIDAK asks row 9, which does not exist";
    QTest::newRow("missing header") << smallSystem(
        { row(1, "APAKAH A", a, ask2),
            row(2, "APAKAH B", QStringLiteral(R"({ "header": "Z", "cause": "c" })"), notice) },
        QStringLiteral("    \"A\": \"kepala a\""))
                                    << "8: error: row 2: YA names header Z, which does not exist";
    QTest::newRow("unreachable row")
        << smallSystem({ row(1, "APAKAH A", a, notice), row(2, "APAKAH B", b, notice) })
        << "9: error: row 2: not reachable from the start row 1";
    QTest::newRow("no TIDAK action") << smallSystem({ row(1, "APAKAH A", a, ask2),
        QStringLiteral(R"({ "no": 2, "text": "APAKAH B", "ya": { "notice": ["x"] } })") })
                                     << "9: error: row 2: no TIDAK action";
    QTest::newRow("entry without a row number")
        << smallSystem(
               { row(1, "APAKAH A", a, notice), QStringLiteral(R"({ "text": "APAKAH B" })") })
        << "9: error: entry 2 of \"questions\": no valid row number \"no\"";
    QTest::newRow("fault names a covered component without a link")
        << smallSystem({ row(1, "APAKAH A", a, ask2),
               row(2, "APAKAH B", QStringLiteral(R"({ "header": "B", "cause": "radiator kotor" })"),
                   notice) })
        << "9: warning: row 2: the YA fault names \"radiator\", which the program has a "
           "procedure for, but links no repair";
    QTest::newRow("repair link to a missing component")
        << smallSystem({ row(1, "APAKAH A", a, ask2),
               row(2, "APAKAH B",
                   QStringLiteral(
                       R"({ "header": "B", "cause": "c", "repairs": [{ "maintenance": 31 }] })"),
                   notice) })
        << "9: error: row 2: YA repair link 1: maintenance component 31 does not exist (1 to 30)";
    QTest::newRow("a key twice") << smallSystem({ row(1, "APAKAH A", a, notice),
        QStringLiteral(R"({ "no": 2, "no": 3, "text": "APAKAH B", "ya": %1, "tidak": %2 })")
            .arg(b, notice) }) << "9: error: not valid JSON at offset";
    QTest::newRow("a header letter twice") << smallSystem(
        { row(1, "APAKAH A", a, ask2), row(2, "APAKAH B", b, notice) },
        QStringLiteral("    \"A\": \"kepala a\",\n    \"B\": \"kepala b\",\n    \"A\": \"lagi\""))
                                           << "6: error: not valid JSON at offset";
    QTest::newRow("loop through row 0") << smallSystem({ row(1, "APAKAH A", a, notice),
        row(0, "APAKAH B", QStringLiteral(R"({ "ask": 0 })"), notice) })
                                        << "9: error: row 0: can lead back to itself (0 -> 0)";
    QTest::newRow("a header letter with a blank, not a text")
        << smallSystem({ row(1, "APAKAH A", a, ask2), row(2, "APAKAH B", b, notice) },
               QStringLiteral("    \"A\": \"kepala a\",\n    \"B\": \"kepala b\",\n    \"A B\": 5"))
        << "6: error: header A B is not a text";
    QTest::newRow("a raw NUL in a text") << smallSystem({ row(1, "APAKAH A", a, ask2),
        row(2, QStringLiteral("APAKAH") + QChar(0) + "B", b, notice) })
                                         << "9: error: not valid JSON at offset";
    QTest::newRow("a key beyond 200 characters")
        << smallSystem({ row(1, "APAKAH A", a, notice),
               QStringLiteral(R"({ "no": 2, "text": "B", "%1": 1, "ya": %2, "tidak": %2 })")
                   .arg(QString(300, QLatin1Char('k')), notice) })
        << QStringLiteral("9: error: row 2: unknown key \"%1\u2026\"")
               .arg(QString(200, QLatin1Char('k')));
    QTest::newRow("bad JSON on line 9")
        << smallSystem({ row(1, "APAKAH A", a, notice), QStringLiteral(R"({ "no": 2, "text": })") })
        << "9: error: not valid JSON at offset";
}

void KbToolTest::findings()
{
    QFETCH(QByteArray, brakes);
    QFETCH(QString, finding);
    Base base(brakes);
    const Run run = dipoKb({ "check", "--kb", base.path() });
    QCOMPARE(run.code, 1);
    const QString expected = base.brakes() + QLatin1Char(':') + finding;
    bool found = false;
    for (const QString &line : run.lines())
        found = found || line.startsWith(expected);
    QVERIFY2(found, qPrintable(QStringLiteral("expected %1\ngot:\n%2").arg(expected, run.out)));
    // Findings only in the file that was broken.
    for (const QString &line : run.lines())
        QVERIFY2(line.startsWith(base.brakes() + QLatin1Char(':')), qPrintable(line));
}

void KbToolTest::findingsPastTheCapAreCounted()
{
    // Row 1 and 150 more rows that each ask a row that does not exist.
    QStringList rows {
        QStringLiteral(
            R"({ "no": 1, "text": "APAKAH A", "ya": { "header": "A", "cause": "a" }, "tidak": { "notice": ["x"] } })")
    };
    for (int no = 2; no <= 151; ++no) {
        rows.append(QStringLiteral(
            R"({ "no": %1, "text": "APAKAH %1", "ya": { "ask": 999 }, "tidak": { "ask": 998 } })")
                        .arg(no));
    }
    Base base(smallSystem(rows, QStringLiteral("    \"A\": \"kepala a\"")));
    const Run run = dipoKb({ "check", "--kb", base.path() });
    QCOMPARE(run.code, 1);
    const QStringList lines = run.lines();
    QCOMPARE(lines.size(), kMaxFindings + 1);
    for (const QString &line : lines.mid(0, kMaxFindings))
        QVERIFY2(line.startsWith(base.brakes() + QLatin1Char(':')), qPrintable(line));
    const qint64 total = run.err.section(QLatin1Char(' '), 0, 0).toLongLong();
    QVERIFY2(total > kMaxFindings, qPrintable(run.err));
    QCOMPARE(lines.last(), QStringLiteral("\u2026dan %1 lagi").arg(total - kMaxFindings));

    // The window's message counts the same whole.
    setKnowledgeBaseDir(base.path());
    const KbChoice &choice = chosenKnowledgeBase();
    QVERIFY(choice.fellBack());
    QVERIFY(!fallbackMessage(choice, 8).contains(QStringLiteral(" lagi")));
    QVERIFY(
        fallbackMessage(choice, 8).endsWith(QStringLiteral("\u2026dan %1 lainnya").arg(total - 8)));
    setKnowledgeBaseDir(QString());
}

void KbToolTest::statsOfBuiltIn()
{
    const Run run = dipoKb({ "stats", "--json" });
    QCOMPARE(run.code, 0);
    const QJsonArray systems = QJsonDocument::fromJson(run.out.toUtf8()).array();
    QCOMPARE(systems.size(), 6);
    const QList<int> questions { 107, 66, 28, 13, 22, 16 };
    int faults = 0, notices = 0;
    for (int i = 0; i < 6; ++i) {
        const QJsonObject system = systems.at(i).toObject();
        QCOMPARE(system.value("questions").toInt(), questions.at(i));
        faults += system.value("faults").toInt();
        notices += system.value("notices").toInt();
        QVERIFY(system.value("walks").toDouble() >= system.value("conclusions").toDouble());
    }
    // 228 faults written out, one chosen for the exhaust row that had none; 26 notices.
    QCOMPARE(faults, 229);
    QCOMPARE(notices, 26);
    // The brake system is one chain: each row concludes on YA, the last also on TIDAK.
    const QJsonObject brakes = systems.at(5).toObject();
    QCOMPARE(brakes.value("shortestWalk").toInt(), 1);
    QCOMPARE(brakes.value("longestWalk").toInt(), 16);
    QCOMPARE(brakes.value("walks").toInt(), 17);
    QCOMPARE(brakes.value("headersUsed").toInt(), 16);
    QCOMPARE(brakes.value("system").toString(), QStringLiteral("sistem rem"));

    const Run table = dipoKb({ "stats" });
    QCOMPARE(table.code, 0);
    QCOMPARE(table.lines().size(), 7);
}

void KbToolTest::statsOfSmallBases_data()
{
    QTest::addColumn<QByteArray>("brakes");
    QTest::addColumn<int>("code");
    QTest::addColumn<QJsonObject>("expected");
    QTest::newRow("three rows") << smallSystem() << 0
                                << QJsonObject { { "questions", 3 }, { "conclusions", 3 },
                                       { "distinctCauses", 2 }, { "headersUsed", 2 },
                                       { "shortestWalk", 2 }, { "longestWalk", 3 },
                                       { "walks", 5 } };
    QTest::newRow("diamond") << smallSystem({
        R"({ "no": 1, "text": "APAKAH D1", "ya": { "ask": 2 }, "tidak": { "ask": 3 } })",
        R"({ "no": 2, "text": "APAKAH D2", "ya": { "ask": 4 }, "tidak": { "ask": 4 } })",
        R"({ "no": 3, "text": "APAKAH D3", "ya": { "ask": 4 }, "tidak": { "header": "A", "cause": "sebab a" } })",
        R"({ "no": 4, "text": "APAKAH D4", "ya": { "header": "B", "cause": "sebab a" }, "tidak": { "notice": ["Maaf"] } })",
    }) << 0
                             << QJsonObject { { "questions", 4 }, { "conclusions", 3 },
                                    { "distinctCauses", 1 }, { "shortestWalk", 2 },
                                    { "longestWalk", 3 }, { "walks", 7 } };
    QTest::newRow("loop") << smallSystem({
        R"({ "no": 1, "text": "APAKAH L1", "ya": { "header": "A", "cause": "a" }, "tidak": { "ask": 2 } })",
        R"({ "no": 2, "text": "APAKAH L2", "ya": { "header": "B", "cause": "b" }, "tidak": { "ask": 1 } })",
    }) << 1
                          << QJsonObject { { "questions", 2 }, { "shortestWalk", 1 },
                                 { "longestWalk", QJsonValue() }, { "walks", QJsonValue() },
                                 { "cyclic", true } };
}

void KbToolTest::statsOfSmallBases()
{
    QFETCH(QByteArray, brakes);
    QFETCH(int, code);
    QFETCH(QJsonObject, expected);
    Base base(brakes);
    const Run run = dipoKb({ "stats", "--json", "--kb", base.path() });
    QCOMPARE(run.code, code);
    const QJsonObject system = QJsonDocument::fromJson(run.out.toUtf8()).array().at(5).toObject();
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
        QCOMPARE(system.value(it.key()), it.value());
}

void KbToolTest::dotMatchesTheRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("engine_drive") << "engine_drive"
                                  << "engine_drive.json";
    QTest::newRow("cooling by caption") << "sistem pendingin"
                                        << "cooling.json";
    QTest::newRow("lubrication") << "lubrication"
                                 << "lubrication.json";
    QTest::newRow("fuel") << "fuel"
                          << "fuel.json";
    QTest::newRow("exhaust") << "exhaust"
                             << "exhaust.json";
    QTest::newRow("brakes by caption") << "sistem rem"
                                       << "brakes.json";
}

// Header "a\x1fb" with cause "c" and header "a" with cause "b\x1fc" are two conclusions.
void KbToolTest::conclusionsKeptApartByStructure()
{
    const QByteArray brakes = smallSystem(
        { R"({ "no": 1, "text": "APAKAH A", "ya": { "header": "A\u001fB", "cause": "c" }, "tidak": { "ask": 2 } })",
            R"({ "no": 2, "text": "APAKAH B", "ya": { "header": "A", "cause": "B\u001fc" }, "tidak": { "notice": ["x"] } })" },
        QStringLiteral("    \"A\": \"kepala a\",\n    \"A\\u001fB\": \"kepala ab\""));
    Base base(brakes);
    const Run dot = dipoKb({ "dot", "brakes", "--kb", base.path() });
    QCOMPARE(dot.code, 0);
    QCOMPARE(dot.out.count(QRegularExpression(
                 QStringLiteral("^  c\\d+ \\["), QRegularExpression::MultilineOption)),
        3);
    const Run handbook = dipoKb({ "export", "--kb", base.path() });
    QCOMPARE(handbook.code, 0);
    QVERIFY2(handbook.out.contains(QStringLiteral("kepala ab")), qPrintable(handbook.out));
    QVERIFY(handbook.out.contains(QStringLiteral("**Header A**: \"kepala a\"")));
    QVERIFY(handbook.out.contains(QStringLiteral("\": dari baris 1 (YA)\n")));
    QVERIFY(handbook.out.contains(QStringLiteral("\": dari baris 2 (YA)\n")));
}

void KbToolTest::dotMatchesTheRows()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    const Run run = dipoKb({ "dot", name });
    QCOMPARE(run.code, 0);

    // Counted from the file: rows, distinct conclusions, actions.
    const QJsonArray rows = builtInSystem(file).value("questions").toArray();
    QSet<QString> conclusions;
    int actions = 0;
    for (const QJsonValue &row : rows) {
        for (const char *answer : { "ya", "tidak" }) {
            const QJsonObject action = row.toObject().value(answer).toObject();
            ++actions;
            if (!action.contains("ask"))
                conclusions.insert(QJsonDocument(action).toJson(QJsonDocument::Compact));
        }
    }
    const QStringList lines = run.lines();
    const auto count = [&](const char *pattern) {
        const QRegularExpression expression { QString::fromLatin1(pattern) };
        return int(std::count_if(lines.begin(), lines.end(),
            [&](const QString &line) { return expression.match(line).hasMatch(); }));
    };
    QCOMPARE(count(R"(^  q\d+ \[shape=box, label="\d+: APAKAH)"), rows.size());
    QCOMPARE(count(R"(^  c\d+ \[)"), conclusions.size());
    QCOMPARE(count(R"re(^  q\d+ -> [qc]\d+ \[label="(YA|TIDAK)"\];$)re"), actions);
    QCOMPARE(count("->"), actions);

    const QString graphviz = QStandardPaths::findExecutable(QStringLiteral("dot"));
    if (graphviz.isEmpty())
        QSKIP("Graphviz is not installed");
    QProcess dot;
    dot.start(graphviz, { QStringLiteral("-Tsvg") });
    dot.write(run.out.toUtf8());
    dot.closeWriteChannel();
    QVERIFY(dot.waitForFinished(60000));
    QCOMPARE(dot.exitCode(), 0);
    QVERIFY(dot.readAllStandardOutput().contains("<svg"));
    QCOMPARE(dot.readAllStandardError(), QByteArray());
}

void KbToolTest::walkExamples_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QStringList>("ending");
    QTest::newRow("engine: YA twice")
        << "sistem pengerak mesin"
        << "YY"
        << QStringList { "[1] APAKAH MESIN TIDAK MAU HIDUP -> YA",
               "[2] APAKAH AIR ACCU BERKURANG -> YA", "", "HASIL DIAGNOSA: ", "",
               "Kemungkinan gangguan atau kerusakan yang meyebabkan mesin tidak mau hidup pada "
               "sistem penggerak mesin diesel lokomotif disebabkan oleh :",
               " baterai lemah" };
    QTest::newRow("brakes: TIDAK sixteen times")
        << "brakes" << QString(16, QLatin1Char('t'))
        << QStringList { "[16] APAKAH TERDAPAT KERETAKAN PADA TABUNG UDARA -> TIDAK", "",
               "HASIL DIAGNOSA: ", "",
               "Maaf gangguan belum terdefinisi/belum dapat dikenali, Kemungkinan gangguan atau "
               "kerusakan bukan pada sistem rem lokomotif." };
}

void KbToolTest::walkExamples()
{
    QFETCH(QString, system);
    QFETCH(QString, answers);
    QFETCH(QStringList, ending);
    const Run run = dipoKb({ "walk", system, "--answers", answers });
    QCOMPARE(run.code, 0);
    QStringList lines = run.out.split(QLatin1Char('\n'));
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.mid(lines.size() - ending.size()), ending);
}

void KbToolTest::walkReachesEveryBrakeConclusion()
{
    const QJsonObject brakes = builtInSystem(QStringLiteral("brakes.json"));
    const QJsonObject headers = brakes.value("headers").toObject();
    const QJsonArray rows = brakes.value("questions").toArray();
    for (int k = 0; k < rows.size(); ++k) {
        const QJsonObject ya = rows.at(k).toObject().value("ya").toObject();
        const Run run = dipoKb(
            { "walk", "brakes", "--answers", QString(k, QLatin1Char('T')) + QLatin1Char('Y') });
        QCOMPARE(run.code, 0);
        const QStringList expected { headers.value(ya.value("header").toString()).toString(),
            ya.value("cause").toString() };
        QStringList lines = run.out.split(QLatin1Char('\n'));
        lines.removeLast();
        QCOMPARE(lines.mid(lines.size() - 2), expected);
        QCOMPARE(lines.size(), k + 1 + 5);
    }
}

void KbToolTest::walkAsksInTheTerminal()
{
    // TIDAK, back to the start, an unknown key, then YA twice: the first example walk.
    const Run run = dipoKb({ "walk", "engine_drive" }, "t\nb\nx\ny\nY\n");
    QCOMPARE(run.code, 0);
    const QStringList lines = run.lines();
    QCOMPARE(lines.first(), QStringLiteral("sistem pengerak mesin"));
    QCOMPARE(run.out.count(QStringLiteral("[1] APAKAH MESIN TIDAK MAU HIDUP\n")), 3);
    QVERIFY(run.out.contains(QStringLiteral("(ketik y, t, b atau q)")));
    QCOMPARE(lines.last(), QStringLiteral(" baterai lemah"));

    const Run quit = dipoKb({ "walk", "brakes" }, "t\nq\n");
    QCOMPARE(quit.code, 0);
    QVERIFY(!quit.out.contains(QStringLiteral("HASIL DIAGNOSA")));
}

void KbToolTest::walkRefusesBadAnswers_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("code");
    QTest::newRow("a letter that is no answer") << "TTX" << 2;
    QTest::newRow("a blank") << "T T" << 2;
    QTest::newRow("answers after the conclusion") << "YYT" << 2;
    QTest::newRow("too few answers") << "T" << 1;
}

void KbToolTest::walkRefusesBadAnswers()
{
    QFETCH(QString, answers);
    QFETCH(int, code);
    const Run run = dipoKb({ "walk", "engine_drive", "--answers", answers });
    QCOMPARE(run.code, code);
    QVERIFY(run.err.startsWith(QLatin1String("dipo-kb: ")));
}

void KbToolTest::exportNamesEveryRow()
{
    const Run run = dipoKb({ "export" });
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out.count(QRegularExpression(
                 QStringLiteral("^## sistem "), QRegularExpression::MultilineOption)),
        6);
    // Every question once as an entry, YA and TIDAK under it.
    QCOMPARE(run.out.count(QRegularExpression(QStringLiteral("^\\*\\*\\d+\\.\\*\\* \"APAKAH"),
                 QRegularExpression::MultilineOption)),
        252);
    QCOMPARE(run.out.count(QRegularExpression(
                 QStringLiteral("^- YA: "), QRegularExpression::MultilineOption)),
        252);
    // Markdown marks in a text are escaped (the exhaust row with "<>").
    QVERIFY(run.out.contains(QStringLiteral("\\<\\>")));
    // The brakes' notice names the row and answer that reach it.
    QVERIFY(
        run.out.contains(QStringLiteral("**Gangguan belum terdefinisi**, dari baris 16 (TIDAK)")));
}

void KbToolTest::schemaAgreesWithLoader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("schemaAccepts");
    QTest::addColumn<bool>("loaderAccepts");
    for (const KbFile &file : builtInFiles())
        QTest::newRow(qPrintable(file.name)) << file.bytes << true << true;
    QTest::newRow("small system") << smallSystem() << true << true;
    const auto change = [](const std::function<void(QJsonObject &)> &edit) {
        QJsonObject system = QJsonDocument::fromJson(smallSystem()).object();
        edit(system);
        return QJsonDocument(system).toJson();
    };
    const auto changeRow = [&](int index, const QString &key, const QJsonValue &value) {
        return change([&](QJsonObject &system) {
            QJsonArray rows = system.value("questions").toArray();
            QJsonObject row = rows.at(index).toObject();
            if (value.isUndefined())
                row.remove(key);
            else
                row.insert(key, value);
            rows.replace(index, row);
            system.insert("questions", rows);
        });
    };
    // What both see.
    QTest::newRow("no start") << change([](QJsonObject &s) { s.remove("start"); }) << false
                              << false;
    QTest::newRow("start not a number")
        << change([](QJsonObject &s) { s.insert("start", "1"); }) << false << false;
    QTest::newRow("headers a list")
        << change([](QJsonObject &s) { s.insert("headers", QJsonArray()); }) << false << false;
    QTest::newRow("header not a text") << change([](QJsonObject &s) {
        s.insert("headers", QJsonObject { { "A", 3 } });
    }) << false << false;
    QTest::newRow("no questions") << change([](QJsonObject &s) {
        s.insert("questions", QJsonArray());
    }) << false << false;
    QTest::newRow("row number zero") << changeRow(0, "no", 0) << false << false;
    QTest::newRow("row number a fraction") << changeRow(0, "no", 1.5) << false << false;
    QTest::newRow("empty text") << changeRow(0, "text", "") << false << false;
    QTest::newRow("no YA") << changeRow(0, "ya", QJsonValue::Undefined) << false << false;
    QTest::newRow("unknown row key") << changeRow(0, "catatan", "x") << false << false;
    QTest::newRow("ask and notice at once")
        << changeRow(0, "ya", QJsonObject { { "ask", 2 }, { "notice", QJsonArray { "x" } } })
        << false << false;
    QTest::newRow("fault without cause")
        << changeRow(1, "ya", QJsonObject { { "header", "A" } }) << false << false;
    QTest::newRow("font size too large") << changeRow(
        1, "ya", QJsonObject { { "header", "A" }, { "cause", "c" }, { "fontSize", 40 } })
                                         << false << false;
    QTest::newRow("repair links") << changeRow(1, "ya",
        QJsonObject { { "header", "A" }, { "cause", "c" },
            { "repairs",
                QJsonArray { QJsonObject { { "maintenance", 3 } },
                    QJsonObject { { "tuneUp", "V-1" } },
                    QJsonObject { { "calculator", "brakeLife" } } } } })
                                  << true << true;
    QTest::newRow("repair link to component 31") << changeRow(1, "ya",
        QJsonObject { { "header", "A" }, { "cause", "c" },
            { "repairs", QJsonArray { QJsonObject { { "maintenance", 31 } } } } })
                                                 << false << false;
    QTest::newRow("repair link of two kinds") << changeRow(1, "ya",
        QJsonObject { { "header", "A" }, { "cause", "c" },
            { "repairs",
                QJsonArray {
                    QJsonObject { { "maintenance", 3 }, { "calculator", "brakeLife" } } } } })
                                              << false << false;
    QTest::newRow("font size 10") << changeRow(
        1, "ya", QJsonObject { { "header", "A" }, { "cause", "c" }, { "fontSize", 10 } })
                                  << true << true;
    QTest::newRow("empty notice") << changeRow(
        2, "tidak", QJsonObject { { "notice", QJsonArray() } })
                                  << false << false;
    QTest::newRow("notice line not a text")
        << changeRow(2, "tidak", QJsonObject { { "notice", QJsonArray { 1 } } }) << false << false;
    // What only the loader sees: links and uniqueness.
    QTest::newRow("ask to a missing row")
        << changeRow(0, "ya", QJsonObject { { "ask", 9 } }) << true << false;
    QTest::newRow("missing header letter")
        << changeRow(1, "ya", QJsonObject { { "header", "Z" }, { "cause", "c" } }) << true << false;
    QTest::newRow("row number twice") << changeRow(2, "no", 2) << true << false;
}

void KbToolTest::schemaAgreesWithLoader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, schemaAccepts);
    QFETCH(bool, loaderAccepts);
    QFile schemaFile(QStringLiteral(DIPO_KB_SOURCE "/kb.schema.json"));
    QVERIFY(schemaFile.open(QIODevice::ReadOnly));
    const QJsonObject schema = QJsonDocument::fromJson(schemaFile.readAll()).object();
    QVERIFY(!schema.isEmpty());
    // Plain JSON Schema, as an editor reads the file.
    QCOMPARE(KbSchema(schema).accepts(QJsonDocument::fromJson(bytes).object()), schemaAccepts);
    QCOMPARE(
        loadKnowledgeBase({ KbFile { QStringLiteral("system.json"), bytes } }).ok(), loaderAccepts);
}

QTEST_GUILESS_MAIN(KbToolTest)
#include "tst_kbtool.moc"
