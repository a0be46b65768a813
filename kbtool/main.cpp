// SPDX-License-Identifier: GPL-3.0-or-later
// dipo-kb: the diagnosis knowledge base on the command line. Checks it, gives its
// figures, draws a system as a Graphviz graph, walks a diagnosis in the terminal and
// writes the whole base as a Markdown handbook.

#include "common/logic/cli.h"
#include "common/logic/outsidefile.h"
#include "diagnosis/logic/kbcheck.h"
#include "diagnosis/logic/kbfolder.h"
#include "kbtool/commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

using namespace dipo;

using cli::BadUsage;
using cli::Findings;
using cli::Good;

// The whole help, in the program's words: Qt's own "Usage:" and "Options:" would put
// English around it.
const char *const HelpText = R"(Pemakaian: dipo-kb [opsi] perintah [SISTEM]
Memeriksa, mengukur, menggambar dan menelusuri basis pengetahuan diagnosa.

Perintah:
  check           periksa basis pengetahuan; satu baris per temuan, file:baris: error|warning: isi
  stats           angka tiap sistem (--json untuk skrip)
  dot SISTEM      graf Graphviz DOT satu sistem, contoh: dipo-kb dot brakes | dot -Tsvg > brakes.svg
  walk SISTEM     diagnosa di terminal (y, t, b = kembali, q = keluar); --answers YT... tanpa bertanya
  export          seluruh basis pengetahuan sebagai buku panduan Markdown

SISTEM: nama berkasnya (brakes) atau namanya di jendela diagnosa ("sistem rem").

Opsi:
  -h, --help          tampilkan bantuan ini, lalu keluar
  -v, --version       tampilkan versi program, lalu keluar
  --kb <DIR>          basis pengetahuan dari folder <DIR> (enam berkas JSON); bawaan: yang
                      terpasang di program
  --json              stats: keluaran JSON untuk skrip
  --answers <YT...>   walk: jawaban berurutan, Y = YA, T = TIDAK; mencetak jalur dan
                      kesimpulan tanpa bertanya

Kode keluar, sama untuk setiap perintah:
  0  baik
  1  ada temuan, atau walk berhenti tanpa kesimpulan (jawaban habis)
  2  salah pemakaian (juga jawaban berlebih sesudah kesimpulan) atau masukan tak terbaca
)";

int fail(QTextStream &err, const QString &message)
{
    err.flush();
    return cli::fail(QStringLiteral("dipo-kb"), message);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dipo-kb"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DIPO_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);

    QCommandLineParser parser;
    const QCommandLineOption helpOption(
        QStringList { QStringLiteral("h"), QStringLiteral("help") });
    const QCommandLineOption versionOption(
        QStringList { QStringLiteral("v"), QStringLiteral("version") });
    // The descriptions live in HelpText.
    const QCommandLineOption kbOption(QStringLiteral("kb"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    const QCommandLineOption answersOption(
        QStringLiteral("answers"), QString(), QStringLiteral("YT..."));
    parser.addOptions({ helpOption, versionOption, kbOption, jsonOption, answersOption });

    const QStringList commandLine = outside::arguments(argc, argv);
    if (!parser.parse(commandLine))
        return fail(
            err, cli::parserError(parser, commandLine) + QStringLiteral("; lihat dipo-kb --help"));
    if (parser.isSet(helpOption)) {
        out << QString::fromUtf8(HelpText);
        return Good;
    }
    if (parser.isSet(versionOption)) {
        out << "dipo-kb " << QCoreApplication::applicationVersion() << "\n";
        return Good;
    }

    const QStringList arguments = parser.positionalArguments();
    const QString command = arguments.value(0);
    const bool needsSystem = command == QLatin1String("dot") || command == QLatin1String("walk");
    const QStringList commands { QStringLiteral("check"), QStringLiteral("stats"),
        QStringLiteral("dot"), QStringLiteral("walk"), QStringLiteral("export") };
    if (command.isEmpty())
        return fail(err, QStringLiteral("perintah tidak ada; lihat dipo-kb --help"));
    if (!commands.contains(command))
        return fail(err,
            QStringLiteral("perintah \"%1\" tidak dikenal; lihat dipo-kb --help").arg(command));
    if (arguments.size() != (needsSystem ? 2 : 1)) {
        return fail(err,
            needsSystem ? QStringLiteral("%1 perlu satu SISTEM").arg(command)
                        : QStringLiteral("%1 tidak menerima argumen").arg(command));
    }
    if (parser.isSet(jsonOption) && command != QLatin1String("stats"))
        return fail(err, QStringLiteral("--json hanya untuk stats"));
    if (parser.isSet(answersOption) && command != QLatin1String("walk"))
        return fail(err, QStringLiteral("--answers hanya untuk walk"));

    kbtool::Base base;
    if (parser.isSet(kbOption)) {
        const QString dir = parser.value(kbOption);
        if (dir.isEmpty())
            return fail(err, QStringLiteral("--kb perlu nama folder"));
        QList<diagnosis::KbFinding> problems;
        base.files = diagnosis::filesInFolder(
            dir, dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/'), &problems);
        if (!problems.isEmpty()) {
            for (const diagnosis::KbFinding &problem : problems)
                err << "dipo-kb: " << diagnosis::describe(problem) << "\n";
            return BadUsage;
        }
    } else {
        base.files = diagnosis::builtInFiles();
    }

    if (command == QLatin1String("check")) {
        qint64 omitted = 0;
        const QList<diagnosis::KbFinding> findings
            = diagnosis::checkKnowledgeBase(base.files, &omitted);
        qint64 errors = omitted;
        for (const diagnosis::KbFinding &finding : findings) {
            out << diagnosis::formatFinding(finding) << "\n";
            errors += finding.severity == diagnosis::KbFinding::Severity::Error;
        }
        if (omitted > 0)
            out << QStringLiteral("\u2026dan %1 lagi\n").arg(omitted);
        out.flush();
        if (!findings.isEmpty()) {
            err << QStringLiteral("%1 error, %2 warning\n")
                       .arg(errors)
                       .arg(findings.size() + omitted - errors);
        }
        return findings.isEmpty() ? Good : Findings;
    }

    // The other commands work on a base the program would run on.
    const diagnosis::KbLoad load = diagnosis::loadKnowledgeBase(base.files);
    if (!load.ok()) {
        for (const diagnosis::KbFinding &finding : diagnosis::checkKnowledgeBase(base.files)) {
            if (finding.severity == diagnosis::KbFinding::Severity::Error)
                err << diagnosis::formatFinding(finding) << "\n";
        }
        err << QStringLiteral("dipo-kb: basis pengetahuan tidak lolos pemeriksaan\n");
        return Findings;
    }
    base.knowledgeBase = load.knowledgeBase;
    for (const diagnosis::KbFile &file : base.files)
        base.sheets.append(diagnosis::readSheet(file));

    if (command == QLatin1String("stats"))
        return kbtool::stats(base, parser.isSet(jsonOption), out, err);
    if (command == QLatin1String("export"))
        return kbtool::exportMarkdown(base, out);

    const int system = kbtool::systemByName(base, arguments.at(1));
    if (system < 0) {
        QStringList names;
        for (int i = 0; i < base.sheets.size(); ++i)
            names.append(QFileInfo(base.sheets.at(i).fileName).completeBaseName());
        return fail(err,
            QStringLiteral("sistem \"%1\" tidak dikenal; pilih salah satu: %2")
                .arg(arguments.at(1), names.join(QStringLiteral(", "))));
    }
    if (command == QLatin1String("dot"))
        return kbtool::dot(base, system, out);
    const QString answers = parser.value(answersOption);
    return kbtool::walk(
        base, system, parser.isSet(answersOption) ? &answers : nullptr, in, out, err);
}
