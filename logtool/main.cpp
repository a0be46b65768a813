// SPDX-License-Identifier: GPL-3.0-or-later
// dipo-log: the workshop log on the command line. Lists, shows, exports and imports
// entries, and checks the log, on the PC's SQLite file or on the depot's PostgreSQL.

#include "common/logic/cli.h"
#include "common/logic/savefile.h"
#include "logtool/depot.h"
#include "worklog/logic/csv.h"
#include "worklog/logic/store.h"
#include "worklog/logic/worklogtexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

using namespace dipo::worklog;

using dipo::cli::BadUsage;
using dipo::cli::Findings;
using dipo::cli::Good;
using dipo::cli::Unusable;

const char *const Description = R"(Membaca, mengekspor dan memeriksa catatan bengkel Dipo.

Perintah:
  list            entri terbaru lebih dulu; --loko, --teks, --dari, --sampai menyaring
  show NOMOR      satu entri lengkap: jalur diagnosa, catatan, dan riwayat koreksinya
  export --csv    seluruh catatan (atau yang tersaring) sebagai CSV ke stdout atau --output;
                  --pemisah titik-koma untuk spreadsheet berlocale Indonesia
  import --csv BERKAS   memeriksa setiap baris, lalu memasukkan semua atau tidak sama sekali
  check           pemeriksaan integritas dan versi skema
  selamatkan --output BERKAS   dari catatan yang rusak: setiap entri yang masih utuh sebagai CSV
  loko            daftar lokomotif depo (dan yang ada di catatan tetapi belum terdaftar)
  loko tambah NOMOR --seri SERI --mulai TANGGAL [--catatan TEKS]   mendaftarkan lokomotif
  meter NOMOR     pembacaan meter; dengan --jam dan/atau --km [--tanggal] [--pembaca]
                  [--meter-baru] [--yakin] menambah pembacaan
  due [NOMOR]     jadwal perawatan: lokomotif depo, atau tugas satu lokomotif; --csv.
                  Kode keluar 1 bila ada yang terlambat

Basis data: --db, lalu DIPO_DB, lalu dipo.sqlite di folder data aplikasi.
Kode keluar: 0 baik, 1 ada temuan, 2 salah pemakaian, 3 catatan tidak dapat dipakai.)";

bool g_verbose = false;

int fail(QTextStream &err, const QString &message, int code = BadUsage)
{
    err << "dipo-log: " << message << "\n";
    return code;
}

// The log's failure in one line; the driver's own words only when asked for.
int failStore(QTextStream &err, const Store &store)
{
    err << "dipo-log: " << store.errorString() << "\n";
    if (g_verbose && !store.errorDetail().isEmpty())
        err << "dipo-log: (" << store.errorDetail() << ")\n";
    return Unusable;
}

QString kindText(Kind kind)
{
    return kind == Kind::Job ? texts::kindJob : texts::kindDiagnosis;
}

QString dateText(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// One line of a list: tabs between the fields, the result on one line.
void printRow(QTextStream &out, const Row &row)
{
    QString marks;
    if (row.recurring)
        marks += QStringLiteral(" [berulang]");
    if (row.corrected)
        marks += QStringLiteral(" [koreksi]");
    out << row.id << '\t' << dateText(row.madeAt) << '\t' << row.locomotive << '\t'
        << kindText(row.kind) << '\t' << row.system << '\t'
        << QString(row.subject).replace(QLatin1Char('\n'), QLatin1Char(' ')) << '\t'
        << row.technician << marks << "\n";
}

void printEntry(QTextStream &out, const Entry &entry)
{
    out << "Nomor: " << entry.id << "\n"
        << "Jenis: " << kindText(entry.kind) << "\n"
        << "Tanggal: " << entry.when.toLocalTime().toString(Qt::ISODate) << "\n"
        << "Lokomotif: " << entry.locomotive << "\n"
        << "Teknisi: " << entry.technician << "\n"
        << "Sistem: " << entry.system << "\n"
        << "Hasil: " << entry.subject << "\n";
    if (entry.corrects > 0)
        out << "Mengoreksi: " << entry.corrects << "\n";
    for (int i = 0; i < entry.steps.size(); ++i)
        out << "  " << i + 1 << ". " << entry.steps.at(i).question << " -> "
            << entry.steps.at(i).answer << "\n";
    for (const RepairLink &link : entry.repairs)
        out << "Perbaikan: " << link.caption << " (" << link.kind << " " << link.key << ")\n";
    if (!entry.note.isEmpty())
        out << "Catatan: " << entry.note << "\n";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dipo-log"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DIPO_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    const QCommandLineOption helpOption = dipo::cli::helpOption();
    const QCommandLineOption versionOption = dipo::cli::versionOption();
    const QCommandLineOption dbOption(QStringLiteral("db"),
        QStringLiteral("Basis data: postgresql://user@host:port/nama, folder socket, atau berkas "
                       ".sqlite."),
        QStringLiteral("URL"));
    const QCommandLineOption csvOption(
        QStringLiteral("csv"), QStringLiteral("export, import: CSV."));
    const QCommandLineOption outputOption(QStringLiteral("output"),
        QStringLiteral("export: tulis ke <BERKAS> (utuh atau tidak sama sekali)."),
        QStringLiteral("BERKAS"));
    const QCommandLineOption separatorOption(QStringLiteral("pemisah"),
        QStringLiteral("export: koma (bawaan, untuk skrip) atau titik-koma (spreadsheet)."),
        QStringLiteral("PEMISAH"));
    const QCommandLineOption locoOption(QStringLiteral("loko"),
        QStringLiteral("Nomor lokomotif atau awalnya."), QStringLiteral("NOMOR"));
    const QCommandLineOption textOption(QStringLiteral("teks"),
        QStringLiteral("Bagian dari sistem atau hasil."), QStringLiteral("TEKS"));
    const QCommandLineOption fromOption(QStringLiteral("dari"),
        QStringLiteral("Mulai tanggal (YYYY-MM-DD)."), QStringLiteral("TANGGAL"));
    const QCommandLineOption toOption(QStringLiteral("sampai"),
        QStringLiteral("Sampai tanggal (YYYY-MM-DD), termasuk."), QStringLiteral("TANGGAL"));
    const QCommandLineOption allOption(
        QStringLiteral("semua"), QStringLiteral("list, export: termasuk versi yang dikoreksi."));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
        QStringLiteral("Pada kegagalan, juga kata-kata driver basis data."));
    const QCommandLineOption seriesOption(QStringLiteral("seri"),
        QStringLiteral("loko tambah: seri lokomotif."), QStringLiteral("SERI"));
    const QCommandLineOption sinceOption(QStringLiteral("mulai"),
        QStringLiteral("loko tambah: tanggal mulai dinas (YYYY-MM-DD)."),
        QStringLiteral("TANGGAL"));
    const QCommandLineOption noteOption(QStringLiteral("catatan"),
        QStringLiteral("loko tambah: keterangan."), QStringLiteral("TEKS"));
    const QCommandLineOption hoursOption(
        QStringLiteral("jam"), QStringLiteral("meter: jam mesin."), QStringLiteral("JAM"));
    const QCommandLineOption kmOption(
        QStringLiteral("km"), QStringLiteral("meter: kilometer."), QStringLiteral("KM"));
    const QCommandLineOption dateOption(QStringLiteral("tanggal"),
        QStringLiteral("meter: tanggal pembacaan (YYYY-MM-DD), bawaan hari ini."),
        QStringLiteral("TANGGAL"));
    const QCommandLineOption readerOption(QStringLiteral("pembaca"),
        QStringLiteral("meter: yang membaca meter."), QStringLiteral("NAMA"));
    const QCommandLineOption replacedOption(QStringLiteral("meter-baru"),
        QStringLiteral("meter: meter diganti, hitungan mulai dari awal lagi."));
    const QCommandLineOption confirmedOption(QStringLiteral("yakin"),
        QStringLiteral("meter: simpan juga pembacaan yang tampak terlalu cepat."));
    const QList<QCommandLineOption> options { helpOption, versionOption, dbOption, csvOption,
        outputOption, separatorOption, locoOption, textOption, fromOption, toOption, allOption,
        seriesOption, sinceOption, noteOption, hoursOption, kmOption, dateOption, readerOption,
        replacedOption, confirmedOption, verboseOption };
    parser.addOptions(options);
    parser.addPositionalArgument(QStringLiteral("perintah"),
        QStringLiteral("list, show, export, import, check, selamatkan, loko, meter atau due"));

    const QStringList commandLine = QCoreApplication::arguments();
    if (!parser.parse(commandLine))
        return fail(err, dipo::cli::parserError(parser, commandLine));
    if (parser.isSet(helpOption)) {
        out << dipo::cli::helpText(QStringLiteral("dipo-log [opsi] perintah [NOMOR|BERKAS]"),
            QString::fromUtf8(Description), options);
        return Good;
    }
    if (parser.isSet(versionOption)) {
        out << "dipo-log " << QCoreApplication::applicationVersion() << "\n";
        return Good;
    }

    const QStringList arguments = parser.positionalArguments();
    const QString command = arguments.value(0);
    g_verbose = parser.isSet(verboseOption);
    const QStringList commands { QStringLiteral("list"), QStringLiteral("show"),
        QStringLiteral("export"), QStringLiteral("import"), QStringLiteral("check"),
        QStringLiteral("selamatkan") };
    if (command.isEmpty())
        return fail(err, QStringLiteral("perintah tidak ada; lihat dipo-log --help"));
    if (dipo::logtool::isDepotCommand(command)) {
        dipo::logtool::DepotRequest request;
        request.command = command;
        request.arguments = arguments.mid(1);
        request.series = parser.value(seriesOption);
        request.since = parser.value(sinceOption);
        request.note = parser.value(noteOption);
        request.hours = parser.value(hoursOption);
        request.km = parser.value(kmOption);
        request.date = parser.value(dateOption);
        request.reader = parser.value(readerOption);
        request.replaced = parser.isSet(replacedOption);
        request.confirmed = parser.isSet(confirmedOption);
        request.csv = parser.isSet(csvOption);
        if (const QString why = dipo::logtool::depotUsageError(request); !why.isEmpty())
            return fail(err, why);
        for (const QCommandLineOption *other : { &outputOption, &separatorOption, &locoOption,
                 &textOption, &fromOption, &toOption, &allOption }) {
            if (parser.isSet(*other))
                return fail(err,
                    QStringLiteral("--%1 tidak untuk %2")
                        .arg(other->names().constFirst(), command));
        }
        QString why;
        const QString given = parser.value(dbOption);
        const std::optional<Location> location
            = given.isEmpty() ? chosenLocation(QString(), &why) : parseLocation(given, &why);
        if (!location)
            return fail(err, why);
        Store store(*location);
        if (!store.open(
                dipo::logtool::depotWrites(request) ? Store::Purpose::Write : Store::Purpose::Read))
            return failStore(err, store);
        const int code = dipo::logtool::runDepot(store, request, out, err);
        out.flush();
        return code;
    }
    for (const QCommandLineOption *depotOnly :
        { &seriesOption, &sinceOption, &noteOption, &hoursOption, &kmOption, &dateOption,
            &readerOption, &replacedOption, &confirmedOption }) {
        if (parser.isSet(*depotOnly))
            return fail(err,
                QStringLiteral("--%1 hanya untuk loko, meter dan due")
                    .arg(depotOnly->names().constFirst()));
    }
    if (!commands.contains(command))
        return fail(err,
            QStringLiteral("perintah \"%1\" tidak dikenal; lihat dipo-log --help").arg(command));
    const bool takesArgument
        = command == QLatin1String("show") || command == QLatin1String("import");
    if (arguments.size() != (takesArgument ? 2 : 1))
        return fail(err,
            takesArgument ? QStringLiteral("%1 perlu satu argumen").arg(command)
                          : QStringLiteral("%1 tidak menerima argumen").arg(command));
    const bool csvCommand
        = command == QLatin1String("export") || command == QLatin1String("import");
    if (csvCommand && !parser.isSet(csvOption))
        return fail(err, QStringLiteral("%1 perlu --csv").arg(command));
    if (!csvCommand && parser.isSet(csvOption))
        return fail(err, QStringLiteral("--csv hanya untuk export dan import"));
    const bool salvage = command == QLatin1String("selamatkan");
    if (parser.isSet(outputOption) && command != QLatin1String("export") && !salvage)
        return fail(err, QStringLiteral("--output hanya untuk export dan selamatkan"));
    if (salvage && !parser.isSet(outputOption))
        return fail(err, QStringLiteral("selamatkan perlu --output BERKAS.csv"));
    csv::Form form = csv::Form::Comma;
    if (parser.isSet(separatorOption)) {
        if (command != QLatin1String("export"))
            return fail(err, QStringLiteral("--pemisah hanya untuk export"));
        const QString separator = parser.value(separatorOption);
        if (separator == QLatin1String("titik-koma"))
            form = csv::Form::Semicolon;
        else if (separator != QLatin1String("koma"))
            return fail(err,
                QStringLiteral("pemisah tidak dikenal: %1 (pakai koma atau titik-koma)")
                    .arg(separator));
    }

    Filter filter;
    filter.locomotive = parser.value(locoOption);
    filter.text = parser.value(textOption);
    filter.latestOnly = !parser.isSet(allOption) && command != QLatin1String("export");
    for (const auto &[option, date] :
        { std::pair { &fromOption, &filter.from }, std::pair { &toOption, &filter.to } }) {
        if (parser.isSet(*option)) {
            *date = QDate::fromString(parser.value(*option), Qt::ISODate);
            if (!date->isValid())
                return fail(
                    err, QStringLiteral("tanggal tidak sah: %1").arg(parser.value(*option)));
        }
    }

    QString why;
    const QString given = parser.value(dbOption);
    const std::optional<Location> location
        = given.isEmpty() ? chosenLocation(QString(), &why) : parseLocation(given, &why);
    if (!location)
        return fail(err, why);
    Store store(*location);
    store.setWaitNotice([&err] {
        err << "dipo-log: " << texts::waiting.arg(5) << "\n";
        err.flush();
    });
    const bool writes = command == QLatin1String("import");
    if (!store.open(writes ? Store::Purpose::Write : Store::Purpose::Read))
        return failStore(err, store);

    if (command == QLatin1String("list")) {
        std::optional<PageEnd> after;
        for (;;) {
            const QList<Row> rows = store.page(filter, after, 1000);
            if (!store.errorString().isEmpty())
                return failStore(err, store);
            for (const Row &row : rows)
                printRow(out, row);
            if (rows.size() < 1000)
                return Good;
            after = PageEnd { rows.constLast().madeAt, rows.constLast().id };
        }
    }
    if (command == QLatin1String("show")) {
        bool ok = false;
        const qint64 id = arguments.at(1).toLongLong(&ok);
        if (!ok || id <= 0)
            return fail(err, QStringLiteral("nomor entri tidak sah: %1").arg(arguments.at(1)));
        const qint64 latest = store.latest(id);
        if (!store.errorString().isEmpty())
            return failStore(err, store);
        const QList<Entry> versions = store.history(latest);
        if (versions.isEmpty() && store.errorString() != texts::unknownEntry.arg(latest))
            return failStore(err, store);
        if (versions.isEmpty())
            return fail(err, texts::unknownEntry.arg(id), Findings);
        printEntry(out, versions.constFirst());
        for (qsizetype i = 1; i < versions.size(); ++i) {
            out << "\n-- versi sebelumnya --\n";
            printEntry(out, versions.at(i));
        }
        return Good;
    }
    if (command == QLatin1String("export")) {
        if (parser.isSet(outputOption)) {
            if (!csv::save(store, filter, parser.value(outputOption), &why, form))
                return !store.errorString().isEmpty() ? failStore(err, store)
                                                      : fail(err, why, Unusable);
            return Good;
        }
        QFile standardOutput;
        if (!standardOutput.open(stdout, QIODevice::WriteOnly))
            return fail(err, standardOutput.errorString(), Unusable);
        const bool written = csv::write(store, filter, &standardOutput, &why, form);
        if (written && standardOutput.flush() && std::fflush(stdout) == 0)
            return Good;
        if (!written && !store.errorString().isEmpty())
            return failStore(err, store);
        // A write to standard output that failed (a full disk behind "> file").
        return fail(err,
            texts::atPlace.arg(dipo::files::texts::reasonWrite,
                standardOutput.error() != QFileDevice::NoError ? standardOutput.errorString()
                                                               : QStringLiteral("stdout")),
            Unusable);
    }
    if (command == QLatin1String("import")) {
        QFile file;
        const QString path = arguments.at(1);
        if (const std::optional<QString> refused = csv::openInput(path, file))
            return fail(err, QStringLiteral("%1: %2").arg(path, *refused));
        const csv::Imported imported = csv::import(store, &file);
        if (!imported.faults.isEmpty()) {
            for (const QString &fault : imported.faults)
                err << "dipo-log: " << path << ": " << fault << "\n";
            err << "dipo-log: tidak ada yang dimasukkan\n";
            return Findings;
        }
        if (imported.storeFailed)
            return failStore(err, store);
        out << imported.added << " entri dimasukkan";
        if (imported.skipped > 0)
            out << "; " << imported.skipped << " sudah ada di catatan, dilewati";
        out << "\n";
        return Good;
    }
    if (salvage) {
        const std::optional<Salvaged> saved = csv::salvage(store, parser.value(outputOption), &why);
        if (!saved)
            return !store.errorString().isEmpty() ? failStore(err, store)
                                                  : fail(err, why, Unusable);
        out << saved->whole << " entri utuh disalin ke " << parser.value(outputOption) << "\n";
        if (saved->lost > 0)
            err << "dipo-log: " << saved->lost << " entri tidak dapat dibaca\n";
        return saved->lost > 0 ? Findings : Good;
    }
    // check
    if (!store.exists() && location->engine == Location::Engine::SQLite
        && !QFileInfo::exists(location->file))
        return fail(err, texts::cannotOpen.arg(location->shown(), texts::noFile), Unusable);
    const QStringList problems = store.integrityProblems();
    out << "skema: " << store.schemaVersion() << " (program: " << Store::kSchemaVersion << ")\n";
    const qint64 entries = store.count(Filter { {}, {}, {}, {}, false, {}, {} });
    if (!store.errorString().isEmpty())
        out << "entri: ? (" << store.errorString() << ")\n";
    else
        out << "entri: " << entries << "\n";
    for (const QString &problem : problems)
        out << "masalah: " << problem << "\n";
    out << (problems.isEmpty() ? "integritas: baik\n" : "integritas: RUSAK\n");
    return problems.isEmpty() ? Good : Findings;
}
