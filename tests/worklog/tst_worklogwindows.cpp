// SPDX-License-Identifier: GPL-3.0-or-later
// The log as a user meets it: "Simpan ke catatan" in the trail window, "Catat pekerjaan"
// after PROSES, the dialog that asks for the locomotive, and the window "Catatan Bengkel".

#include "common/errorreport.h"
#include "common/radiogroup.h"
#include "common/richtextbox.h"
#include "common/workcard.h"
#include "diagnosis/diagno.h"
#include "maintenance/pm.h"
#include "shell/formregistry.h"
#include "shell/menu1.h"
#include "tests/controls.h"
#include "tuneup/tuneup.h"
#include "worklog/catatan.h"
#include "worklog/logic/entrymodel.h"
#include "worklog/logic/store.h"
#include "worklog/programlog.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace dipo::worklog;

using dipo::test::control;
using dipo::test::press;

namespace {

// Runs the steps on the modal dialog that the click opens, then returns what it showed.
void onDialog(const std::function<void(QWidget *)> &steps)
{
    QTimer::singleShot(0, [steps] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("CatatDialog"));
        steps(dialog);
    });
}

void fill(QWidget *dialog, const QString &locomotive, const QString &technician)
{
    QLineEdit *number = control<QComboBox>(dialog, "ComboLokomotif")->lineEdit();
    number->clear();
    QTest::keyClicks(number, locomotive);
    auto *name = control<QLineEdit>(dialog, "EditTeknisi");
    name->clear();
    QTest::keyClicks(name, technician);
}

} // namespace

class TestWorklogWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void diagnosisFromTrail();
    void failedSaveKeepsTheEntry();
    void jobsAfterProses();
    void logWindow();
    void damagedLogSaysSo();
    void tableFitsTheWindow_data();
    void tableFitsTheWindow();
    void emptyLogWindow_data();
    void emptyLogWindow();
    void exportOffersBothForms_data();
    void exportOffersBothForms();

private:
    std::unique_ptr<Store> reader();
    QTemporaryDir m_dir;
    QString m_log;
    int m_logs = 0;
};

void TestWorklogWindows::initTestCase()
{
    dipo::shell::recordIntoTheLog();
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
    dipo::errorreport::setSink([](const QString &, const QString &text) { qWarning() << text; });
}

void TestWorklogWindows::init()
{
    m_log = m_dir.filePath(QStringLiteral("log%1.sqlite").arg(++m_logs));
    qputenv("DIPO_DB", m_log.toUtf8());
    closeProgramLog();
}

void TestWorklogWindows::cleanup()
{
    closeProgramLog();
}

std::unique_ptr<Store> TestWorklogWindows::reader()
{
    QString why;
    auto store = std::make_unique<Store>(*parseLocation(m_log, &why));
    store->open(Store::Purpose::Read);
    return store;
}

void TestWorklogWindows::diagnosisFromTrail()
{
    Tdiagno window;
    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    press(&window, "BitBtnRiwayat");
    QWidget *trail = control<QWidget>(&window, "riwayat");
    auto *save = control<QPushButton>(trail, "BtnCatat");
    QCOMPARE(save->text(), QStringLiteral("Simpan ke catatan"));
    QVERIFY(!save->isEnabled());
    QRadioButton *brakes = control<dipo::RadioGroup>(&window, "RadioGroup1")->item(5);
    QTest::mouseClick(brakes, Qt::LeftButton, {}, QPoint(8, brakes->height() / 2));
    press(&window, "BitBtn8");
    QVERIFY(!save->isEnabled());
    const QString first = control<dipo::RichTextBox>(&window, "RichEdit2")->firstLine();
    press(&window, "BITBTN2");
    const QString second = control<dipo::RichTextBox>(&window, "RichEdit2")->firstLine();
    press(&window, "BITBTN1");
    QVERIFY(save->isEnabled());
    const QStringList result = control<dipo::RichTextBox>(&window, "RichEdit1")->lines();
    QVERIFY(!QFile::exists(m_log)); // nothing kept before the user asks

    bool refused = false;
    onDialog([&](QWidget *dialog) {
        fill(dialog, QStringLiteral("C"), QStringLiteral("Budi"));
        press(dialog, "BtnSimpan");
        auto *message = control<QLabel>(dialog, "LabelPesan");
        refused = dialog->isVisible() && message->isVisible()
            && message->text().startsWith(QStringLiteral("Nomor lokomotif"));
        fill(dialog, QStringLiteral("  CC 201  83 12 "), QStringLiteral("Budi \"O'Neil\""));
        press(dialog, "BtnSimpan");
    });
    press(trail, "BtnCatat");
    QVERIFY(refused);
    QCOMPARE(control<QLabel>(trail, "LabelStatus")->text(),
        QStringLiteral("Tersimpan di catatan sebagai entri 1."));
    // Readable by its owner only.
    QCOMPARE(QFile::permissions(m_log) & 0x0fff, QFileDevice::ReadUser | QFileDevice::WriteUser);

    const auto entry = reader()->entry(1);
    QVERIFY(entry);
    QCOMPARE(entry->locomotive, QStringLiteral("CC 201 83 12"));
    QCOMPARE(entry->technician, QStringLiteral("Budi \"O'Neil\""));
    QCOMPARE(entry->system, QStringLiteral("sistem rem"));
    QCOMPARE(entry->steps,
        (QList<Step> { { first, QStringLiteral("TIDAK") }, { second, QStringLiteral("YA") } }));
    QCOMPARE(entry->subject, result.mid(2).join('\n'));

    // The recent numbers are offered the next time.
    onDialog([&](QWidget *dialog) {
        auto *numbers = control<QComboBox>(dialog, "ComboLokomotif");
        QCOMPARE(numbers->count(), 1);
        QCOMPARE(numbers->itemText(0), QStringLiteral("CC 201 83 12"));
        press(dialog, "BtnBatal");
    });
    press(trail, "BtnCatat");
    QCOMPARE(reader()->count(Filter {}), 1);
}

void TestWorklogWindows::failedSaveKeepsTheEntry()
{
    // The log's folder would have to be made below a file.
    QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("DIPO_DB", (blocker.fileName() + QStringLiteral("/dipo.sqlite")).toUtf8());
    closeProgramLog();

    TPM window;
    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.radioButton(12), Qt::LeftButton, {}, QPoint(8, 8));
    press(&window, "BitBtn1");
    QString shown;
    bool kept = false;
    onDialog([&](QWidget *dialog) {
        fill(dialog, QStringLiteral("CC 201 83 12"), QString());
        QTest::keyClicks(control<QPlainTextEdit>(dialog, "EditCatatan"), "dibersihkan");
        press(dialog, "BtnSimpan");
        shown = control<QLabel>(dialog, "LabelPesan")->text();
        kept = dialog->isVisible()
            && control<QPlainTextEdit>(dialog, "EditCatatan")->toPlainText() == "dibersihkan";
        press(dialog, "BtnBatal");
    });
    press(&window, "BtnCatatPekerjaan");
    QVERIFY2(
        shown.startsWith(QStringLiteral("Catatan bengkel tidak dapat dibuka")), qPrintable(shown));
    QVERIFY(kept);
}

void TestWorklogWindows::jobsAfterProses()
{
    TPM maintenance;
    maintenance.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&maintenance));
    auto *job = control<QPushButton>(&maintenance, "BtnCatatPekerjaan");
    QCOMPARE(job->text(), QStringLiteral("Catat pekerjaan"));
    QVERIFY(!job->isVisible());
    QTest::mouseClick(maintenance.radioButton(12), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(!job->isVisible());
    press(&maintenance, "BitBtn1");
    QVERIFY(job->isVisible());
    onDialog([&](QWidget *dialog) {
        fill(dialog, QStringLiteral("CC 203 01"), QStringLiteral("Sari"));
        control<QPlainTextEdit>(dialog, "EditCatatan")->setPlainText("sirip\ndibersihkan");
        press(dialog, "BtnSimpan");
    });
    // Saved: a card first, then the job; the line under the card's buttons tells the
    // latest, whole, inside the window.
    auto *status = control<QLabel>(&maintenance, "LabelKartu");
    QVERIFY(
        control<dipo::WorkCardButtons>(&maintenance, "KartuKerja")
            ->saveCard(m_dir.filePath(QStringLiteral("kartu.pdf")), QDateTime::currentDateTime()));
    QCOMPARE(status->text(), QStringLiteral("Kartu kerja disimpan: kartu.pdf"));
    const auto wholeInView = [&] {
        QWidget *sheet = maintenance.findChild<QWidget *>(QStringLiteral("ScrollBox"));
        const QRect shown(status->mapTo(sheet, QPoint(0, 0)), status->size());
        return status->isVisible() && sheet->rect().contains(shown);
    };
    QVERIFY(wholeInView());
    press(&maintenance, "BtnCatatPekerjaan");
    QCOMPARE(status->text(), QStringLiteral("Tersimpan di catatan sebagai entri 1."));
    QVERIFY(wholeInView());
    // The same job again the same day is asked about first; "Batal" saves nothing.
    onDialog([&](QWidget *dialog) {
        fill(dialog, QStringLiteral("cc 203-01"), QStringLiteral("Sari"));
        QTimer::singleShot(0, [] {
            QWidget *question = QApplication::activeModalWidget();
            QCOMPARE(question->objectName(), QStringLiteral("TanyaSimpanLagi"));
            QVERIFY(question->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))
                        ->text()
                        .contains(QStringLiteral("sudah tercatat sebagai entri 1")));
            press(question, "BtnBatalSimpan");
        });
        press(dialog, "BtnSimpan");
        QVERIFY(dialog->isVisible());
        press(dialog, "BtnBatal");
    });
    press(&maintenance, "BtnCatatPekerjaan");
    QCOMPARE(reader()->count(Filter {}), 1);
    press(&maintenance, "BitBtn2"); // ULANGI
    QVERIFY(!job->isVisible());
    const auto entry = reader()->entry(1);
    QVERIFY(entry);
    QCOMPARE(entry->kind, Kind::Job);
    QCOMPARE(entry->system, QStringLiteral("Perawatan Mesin"));
    QCOMPARE(entry->subject, maintenance.radioButton(12)->text().simplified());
    QCOMPARE(entry->note, QStringLiteral("sirip\ndibersihkan"));

    TTUNEUP tuneup;
    tuneup.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&tuneup));
    auto *tuneupJob = control<QPushButton>(&tuneup, "BtnCatatPekerjaan");
    QVERIFY(!tuneupJob->isVisible());
    press(&tuneup, "BitBtn1");
    QRadioButton *item = tuneup.radioGroup(1)->item(0);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
    press(&tuneup, "SpeedButton2"); // PROSES
    QVERIFY(tuneupJob->isVisible());
    const QString heading = control<dipo::RichTextBox>(&tuneup, "RichEdit1")->firstLine();
    onDialog([&](QWidget *dialog) {
        fill(dialog, QStringLiteral("CC 203 01"), QString());
        press(dialog, "BtnSimpan");
    });
    press(&tuneup, "BtnCatatPekerjaan");
    press(&tuneup, "SpeedButton1");
    QVERIFY(!tuneupJob->isVisible());
    QCOMPARE(reader()->entry(2)->subject, heading.simplified());
    QCOMPARE(reader()->entry(2)->system, QStringLiteral("Tune Up"));
}

void TestWorklogWindows::logWindow()
{
    Tmenu1 menu;
    auto *entry = control<QToolButton>(&menu, "BtnCatatan");
    QCOMPARE(entry->text(), QStringLiteral("Catatan Bengkel"));
    QTest::mouseClick(entry, Qt::LeftButton);
    auto *window = qobject_cast<Tcatatan *>(QApplication::topLevelWidgets().constLast());
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("catatan") && top->isVisible())
            window = qobject_cast<Tcatatan *>(top);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Catatan Bengkel"));
    // Opening the window does not make the log.
    QVERIFY(!QFile::exists(m_log));
    QVERIFY(control<QLabel>(window, "LabelStatus")->text().startsWith("Catatan masih kosong"));
    window->close();

    {
        QString why;
        Store store(*parseLocation(m_log, &why));
        const auto day = [](int n) { return QDateTime(QDate(2026, 3, 1).addDays(n), QTime(8, 0)); };
        QList<Entry> entries;
        for (int n = 0; n < 450; ++n) {
            Entry e;
            e.locomotive = n % 2 ? QStringLiteral("CC 201 83 12") : QStringLiteral("CC 203 01");
            e.when = day(n / 10);
            e.system = QStringLiteral("sistem pendinginan");
            e.technician = n % 4 == 3 ? QStringLiteral("Sari") : QStringLiteral("Budi");
            e.subject = QStringLiteral("Kemungkinan gangguan atau kerusakan yang meyebabkan mesin "
                                       "panas disebabkan oleh :\n")
                + (n % 3 ? QStringLiteral("RADIATOR KOTOR") : QStringLiteral("POMPA AUS"));
            if (n % 5 == 0)
                e.note = QStringLiteral("Kambuh setelah dicuci");
            e.steps = { { QStringLiteral("Apakah mesin panas?"), QStringLiteral("YA") } };
            entries << e;
        }
        QVERIFY(store.saveAll(entries));
    }
    QTest::mouseClick(entry, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *table = control<QTableView>(window, "TabelCatatan");
    QCOMPARE(table->model()->rowCount(), 200); // one page; more as it scrolls
    QCOMPARE(control<QLabel>(window, "LabelStatus")->text(), QStringLiteral("450 entri"));
    table->scrollToBottom();
    QTRY_VERIFY(table->model()->rowCount() > 200);

    QTest::keyClicks(control<QLineEdit>(window, "EditLokomotif"), "cc 20183");
    QTRY_COMPARE(control<QLabel>(window, "LabelStatus")->text(), QStringLiteral("225 entri"));
    QTest::keyClicks(control<QLineEdit>(window, "EditCari"), "pompa");
    QTRY_COMPARE(control<QLabel>(window, "LabelStatus")->text(), QStringLiteral("75 entri"));
    table->selectRow(0);
    // Tab leaves the table at once, not cell by cell.
    window->activateWindow();
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Tab);
    QVERIFY(!table->hasFocus());
    // And a date filter, whose parts the arrows reach.
    auto *from = control<QDateEdit>(window, "DateDari");
    from->setFocus();
    QTest::keyClick(from, Qt::Key_Tab);
    QVERIFY(!from->hasFocus());
    const QString record = control<QTextBrowser>(window, "DetailCatatan")->toPlainText();
    QVERIFY(record.contains(QStringLiteral("Apakah mesin panas?")));
    QVERIFY(record.contains(QStringLiteral("Kerusakan berulang")));
    QCOMPARE(table->model()->index(0, 6).data().toString(), QStringLiteral("Berulang"));
    QVERIFY(control<QPushButton>(window, "BtnPdf")->isEnabled());

    // The list shows the cause, not the conclusion's opening words.
    QCOMPARE(table->model()->index(0, EntryModel::Result).data().toString(), "POMPA AUS");

    // A correction: a new entry naming the old one, made now, with its reason; the list
    // shows the latest, its history what changed.
    const qint64 corrected = table->model()->index(0, 0).data(EntryModel::IdRole).toLongLong();
    const QString oldName = reader()->entry(corrected)->technician;
    onDialog([&](QWidget *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Koreksi Entri %1").arg(corrected));
        QCOMPARE(control<QComboBox>(dialog, "ComboLokomotif")->currentText(), "CC 201 83 12");
        fill(dialog, QStringLiteral("CC 201 83 12"), QStringLiteral("Joko"));
        press(dialog, "BtnSimpan"); // no reason yet
        QVERIFY(dialog->isVisible());
        QCOMPARE(control<QLabel>(dialog, "LabelPesan")->text(), "Tulis alasan koreksi.");
        QTest::keyClicks(control<QLineEdit>(dialog, "EditAlasan"), "salah nama");
        press(dialog, "BtnSimpan");
    });
    press(window, "BtnKoreksi");
    QCOMPARE(control<QLabel>(window, "LabelStatus")->text(),
        QStringLiteral("Tersimpan di catatan sebagai entri 451."));
    QCOMPARE(table->model()->index(0, 0).data(EntryModel::IdRole).toLongLong(), 451);
    QCOMPARE(table->model()->index(0, 6).data().toString(), QStringLiteral("Berulang, Koreksi"));
    table->selectRow(1);
    table->selectRow(0);
    const QString history = control<QTextBrowser>(window, "DetailCatatan")->toPlainText();
    QVERIFY(history.contains(QStringLiteral("Riwayat koreksi")));
    QVERIFY(history.contains(QString::number(corrected)));
    QVERIFY2(history.contains(QStringLiteral("alasan: salah nama")), qPrintable(history));
    QVERIFY2(history.contains(QStringLiteral("Teknisi: %1 \u2192 Joko").arg(oldName)),
        qPrintable(history));
    const auto fixed = reader()->entry(451);
    QCOMPARE(fixed->corrects, corrected);
    QCOMPARE(fixed->steps, reader()->entry(corrected)->steps);
    QCOMPARE(fixed->when, reader()->entry(corrected)->when); // the day of the work stays
    QVERIFY(qAbs(fixed->recordedAt.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    QCOMPARE(fixed->reason, QStringLiteral("salah nama"));

    // "Cari" finds the note and the technician; the technician and the kind filter.
    const auto shown = [&] { return control<QLabel>(window, "LabelStatus")->text(); };
    auto *search = control<QLineEdit>(window, "EditCari");
    search->clear();
    QTest::keyClicks(search, "KAMBUH");
    QTRY_COMPARE(shown(), QStringLiteral("45 entri"));
    search->clear();
    QTest::keyClicks(search, "sari");
    QTRY_COMPARE(shown(), QStringLiteral("111 entri")); // 112, one corrected to Joko
    search->clear();
    QTest::keyClicks(control<QLineEdit>(window, "EditTeknisiCari"), "joko");
    QTRY_COMPARE(shown(), QStringLiteral("1 entri"));
    control<QLineEdit>(window, "EditTeknisiCari")->clear();
    control<QComboBox>(window, "ComboJenis")->setCurrentIndex(2); // jobs
    QTRY_COMPARE(shown(), QStringLiteral("0 entri"));
    press(window, "BtnEkspor"); // says so, asks for no file
    QCOMPARE(shown(), "Tidak ada entri yang cocok dengan saringan; tidak ada yang diekspor.");
    control<QComboBox>(window, "ComboJenis")->setCurrentIndex(0);
    QTRY_COMPARE(shown(), QStringLiteral("225 entri"));

    // A typed date applies; "Semua tanggal" takes both bounds away again.
    from->setFocus();
    from->selectAll();
    QTest::keyClicks(from, "10042026");
    QCOMPARE(from->date(), QDate(2026, 4, 10));
    QTRY_COMPARE(shown(), QStringLiteral("25 entri"));
    control<QDateEdit>(window, "DateSampai")->setDate(QDate(2026, 4, 12));
    QTRY_COMPARE(shown(), QStringLiteral("15 entri"));
    press(window, "BtnSemuaTanggal");
    QTRY_COMPARE(shown(), QStringLiteral("225 entri"));
    QCOMPARE(from->text(), QStringLiteral("semua tanggal"));
    // Its calendar opens at this month, not at the earliest date.
    from->calendarWidget()->window()->show();
    QCOMPARE(from->calendarWidget()->monthShown(), QDate::currentDate().month());
    QCOMPARE(from->calendarWidget()->yearShown(), QDate::currentDate().year());
    from->calendarWidget()->window()->hide();

    if (const QString shots = qEnvironmentVariable("DIPO_WORKLOG_SHOTS"); !shots.isEmpty()) {
        window->grab().save(shots + QStringLiteral("/catatan.png"));
        menu.showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::qWait(200);
        menu.grab().save(shots + QStringLiteral("/menu.png"));
    }
    window->close();
}

void TestWorklogWindows::damagedLogSaysSo()
{
    {
        QString why;
        Store store(*parseLocation(m_log, &why));
        QList<Entry> entries;
        for (int n = 0; n < 450; ++n) {
            Entry e;
            e.locomotive = QStringLiteral("CC 201 83 12");
            e.when = QDateTime(QDate(2026, 3, 1), QTime(8, 0)).addSecs(n * 60);
            e.system = QStringLiteral("sistem pendinginan");
            e.subject = QStringLiteral("RADIATOR KOTOR");
            e.note = QString(500, QLatin1Char('n'));
            entries << e;
        }
        QVERIFY(store.saveAll(entries));
    }
    {
        // Every page but the first overwritten: a copy cut short and filled.
        QFile file(m_log);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(4096));
        file.write(QByteArray(int(file.size() - 4096), '\x5a'));
    }
    Tcatatan window;
    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString status = control<QLabel>(&window, "LabelStatus")->text();
    QVERIFY2(
        status.contains(QStringLiteral("rusak")) && status.contains(m_log), qPrintable(status));
    QCOMPARE(control<QTableView>(&window, "TabelCatatan")->model()->rowCount(), 0);
}

void TestWorklogWindows::tableFitsTheWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("1366x768") << QSize(1366, 740);
    QTest::newRow("960x540, as 1920x1080 at 200 %") << QSize(960, 512);
}

void TestWorklogWindows::tableFitsTheWindow()
{
    QFETCH(QSize, size);
    Tcatatan window;
    QVERIFY(window.windowState() & Qt::WindowMaximized); // takes the screen, as the others
    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setWindowState(Qt::WindowNoState);
    window.resize(size);
    QTRY_COMPARE(window.size(), size);
    auto *table = control<QTableView>(&window, "TabelCatatan");
    QHeaderView *header = table->horizontalHeader();
    // Every column in view without scrolling sideways; the cause has the room left.
    QCOMPARE(header->sectionViewportPosition(0), 0);
    const int last = EntryModel::ColumnCount - 1;
    QVERIFY2(header->sectionViewportPosition(last) + header->sectionSize(last)
            <= table->viewport()->width(),
        qPrintable(QString::number(header->length())));
    QVERIFY(header->sectionSize(EntryModel::Result) >= header->sectionSize(EntryModel::Date));
}

void TestWorklogWindows::emptyLogWindow_data()
{
    QTest::addColumn<bool>("made");
    QTest::newRow("nothing made yet") << false;
    QTest::newRow("made, no entries") << true;
}

// On the SQLite file, or on the PostgreSQL server that run-postgresql.sh starts.
void TestWorklogWindows::emptyLogWindow()
{
    QFETCH(bool, made);
    const QString server = qEnvironmentVariable("DIPO_TEST_DB");
    if (!server.isEmpty()) {
        m_log = server;
        qputenv("DIPO_DB", server.toUtf8());
        closeProgramLog();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), "empty");
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(
            QStringLiteral("DROP TABLE IF EXISTS repair, step, entry, dipo_schema CASCADE")));
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("empty");
    }
    if (made) {
        QString why;
        Store store(*parseLocation(m_log, &why));
        QVERIFY2(store.open(Store::Purpose::Write), qPrintable(store.errorString()));
    }
    Tcatatan window;
    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString status = control<QLabel>(&window, "LabelStatus")->text();
    QVERIFY2(status.startsWith(QStringLiteral("Catatan masih kosong")), qPrintable(status));
    QCOMPARE(control<QTableView>(&window, "TabelCatatan")->model()->rowCount(), 0);
    QVERIFY(!control<QPushButton>(&window, "BtnEkspor")->isEnabled());
    QTest::keyClicks(control<QLineEdit>(&window, "EditCari"), "radiator");
    QTest::qWait(600);
    QVERIFY2(control<QLabel>(&window, "LabelStatus")->text().startsWith("Catatan masih kosong"),
        qPrintable(control<QLabel>(&window, "LabelStatus")->text()));
}

void TestWorklogWindows::exportOffersBothForms_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("offered"); // the file type offered first
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("id_ID: semicolons offered") << "id_ID" << 1 << 1 << QByteArray("nomor;jenis;");
    QTest::newRow("id_ID: commas chosen") << "id_ID" << 1 << 0 << QByteArray("nomor,jenis,");
    QTest::newRow("en_US: commas offered") << "en_US" << 0 << 0 << QByteArray("nomor,jenis,");
}

void TestWorklogWindows::exportOffersBothForms()
{
    QFETCH(QString, locale);
    QFETCH(int, offered);
    QFETCH(int, chosen);
    QFETCH(QByteArray, header);
    {
        QString why;
        Store store(*parseLocation(m_log, &why));
        Entry e;
        e.locomotive = QStringLiteral("CC 201 83 12");
        e.technician = QStringLiteral("=HYPERLINK(\"http://example.invalid\",\"klik\")");
        e.when = QDateTime(QDate(2026, 3, 1), QTime(8, 0));
        e.system = QStringLiteral("sistem pendinginan");
        e.subject = QStringLiteral("RADIATOR KOTOR");
        QVERIFY(store.save(e));
    }
    QLocale::setDefault(QLocale(locale));
    Tcatatan window;
    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString path = m_dir.filePath(QStringLiteral("ekspor%1.csv").arg(m_logs));
    QStringList filters;
    QString first;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        filters = dialog->nameFilters();
        first = dialog->selectedNameFilter();
        dialog->selectNameFilter(filters.value(chosen));
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    press(&window, "BtnEkspor");
    QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
    QCOMPARE(filters,
        QStringList(
            { "Berkas CSV (*.csv)", "Berkas CSV untuk spreadsheet, pemisah titik-koma (*.csv)" }));
    QCOMPARE(first, filters.value(offered));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.startsWith("\xEF\xBB\xBF" + header), bytes.constData());
    // Guarded in the spreadsheet's form only.
    QCOMPARE(bytes.contains("\"'=HYPERLINK("), header.contains(';'));
}

QTEST_MAIN(TestWorklogWindows)
#include "tst_worklogwindows.moc"
