// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop log's speed: one save, the log window opened on 100,000 entries and a
// filter applied there, and a CSV export of 100,000 entries. On an SQLite file, or on
// the PostgreSQL server named by DIPO_TEST_DB (tests/worklog/run-postgresql.sh starts one):
//   QT_QPA_PLATFORM=offscreen build/bench_worklog
//   tests/worklog/run-postgresql.sh build/bench_worklog

#include "../diagnosis/figures.h"
#include "worklog/catatan.h"
#include "worklog/logic/csv.h"
#include "worklog/programlog.h"
#include "worklog/logic/store.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

using namespace dipo::worklog;

namespace {

constexpr int kEntries = 100000;

Entry sample(int n)
{
    Entry entry;
    entry.locomotive = QStringLiteral("CC 201 %1").arg(n % 300, 3, 10, QLatin1Char('0'));
    entry.technician = QStringLiteral("Teknisi %1").arg(n % 17);
    entry.when = QDateTime(QDate(2020, 1, 1), QTime(8, 0)).addSecs(qint64(n) * 1800);
    entry.system = QStringLiteral("sistem pendinginan");
    entry.subject = QStringLiteral("PERMUKAAN RADIATOR TERTUTUP KOTORAN %1").arg(n % 40);
    for (int s = 0; s < 6; ++s)
        entry.steps.append({ QStringLiteral("APAKAH PERTANYAAN NOMOR %1 BENAR").arg(s),
            s % 2 ? QStringLiteral("YA") : QStringLiteral("TIDAK") });
    entry.note = QStringLiteral("sirip dibersihkan, air diganti");
    return entry;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    const QString server = qEnvironmentVariable("DIPO_TEST_DB");
    // DIPO_BENCH_LOG keeps the filled SQLite log for another run.
    const QString kept = qEnvironmentVariable("DIPO_BENCH_LOG");
    const QString log = !server.isEmpty() ? server
        : kept.isEmpty()                  ? folder.filePath(QStringLiteral("bench.sqlite"))
                                          : kept;
    qputenv("DIPO_DB", log.toUtf8());
    QString why;
    Store store(*parseLocation(log, &why));
    if (!store.open(Store::Purpose::Write)) {
        std::fprintf(stderr, "%s\n", qPrintable(store.errorString()));
        return 1;
    }
    if (!server.isEmpty()) {
        QSqlQuery(store.database()).exec(QStringLiteral("TRUNCATE repair, step, entry"));
    }
    std::printf("engine: %s\n", server.isEmpty() ? "SQLite" : "PostgreSQL");

    Figures save;
    for (int n = 0; n < 50; ++n) {
        QElapsedTimer timer;
        timer.start();
        if (!store.save(sample(n)))
            return 1;
        save.add(millisecondsSince(timer));
    }
    const double saveMedian = save.median();
    std::printf("one save: median %.2f ms, 90%% %.2f ms\n", saveMedian, save.at(0.9));

    QElapsedTimer fill;
    fill.start();
    const qint64 already = store.count(Filter { {}, {}, {}, {}, false, {}, {} }) - 50;
    QList<Entry> batch;
    for (int n = 50 + int(already); n < kEntries; ++n) {
        batch.append(sample(n));
        if (batch.size() == 10000 || n + 1 == kEntries) {
            if (!store.saveAll(batch))
                return 1;
            batch.clear();
        }
    }
    std::printf("filled %d entries in %.0f ms\n", kEntries, millisecondsSince(fill));

    QElapsedTimer opening;
    opening.start();
    auto *window = new Tcatatan;
    window->showWindow();
    QApplication::processEvents();
    window->repaint();
    std::printf("log window opened on %d entries: %.1f ms\n", kEntries, millisecondsSince(opening));

    Figures filter;
    auto *from = window->findChild<QDateEdit *>(QStringLiteral("DateDari"));
    for (int n = 0; n < 5; ++n) {
        QElapsedTimer timer;
        timer.start();
        from->setDate(QDate(2022, 1, 1).addDays(n)); // applied at once, as a date is
        window->repaint();
        filter.add(millisecondsSince(timer));
    }
    std::printf("date filter applied: median %.1f ms\n", filter.median());
    Figures byNumber;
    for (int n = 0; n < 5; ++n) {
        QElapsedTimer timer;
        timer.start();
        window->findChild<QLineEdit *>(QStringLiteral("EditLokomotif"))
            ->setText(QStringLiteral("CC 201 %1").arg(100 + n));
        window->applyFilter();
        window->repaint();
        byNumber.add(millisecondsSince(timer));
    }
    std::printf("locomotive filter applied: median %.1f ms\n", byNumber.median());

    QElapsedTimer exporting;
    exporting.start();
    if (!csv::save(store, Filter { {}, {}, {}, {}, false, {}, {} },
            folder.filePath(QStringLiteral("x.csv")), &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    std::printf("CSV export of %d entries: %.0f ms (%lld bytes)\n", kEntries,
        millisecondsSince(exporting), QFileInfo(folder.filePath(QStringLiteral("x.csv"))).size());
    delete window;
    closeProgramLog();
    return 0;
}
