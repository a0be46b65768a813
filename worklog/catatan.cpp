// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/catatan.h"

#include "common/dialogs.h"
#include "common/errorreport.h"
#include "common/keys.h"
#include "common/logic/savefolder.h"
#include "common/window.h"
#include "diagnosis/logic/report.h"
#include "diagnosis/logic/reportdocument.h"
#include "diagnosis/logic/riwayattexts.h"
#include "worklog/entrydialog.h"
#include "worklog/logic/csv.h"
#include "worklog/logic/diagnosisrecord.h"
#include "worklog/logic/entrymodel.h"
#include "worklog/logic/store.h"
#include "worklog/logic/worklogtexts.h"
#include "worklog/programlog.h"
#include "worklog/worklogwindowtexts.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace wtexts = dipo::worklog::window_texts;
using namespace dipo::worklog;

namespace {

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

QDateEdit *dateField(const char *name, QWidget *parent)
{
    // The earliest date stands for "no bound".
    auto *field = new dipo::keys::TabLeaves<QDateEdit>(parent);
    field->setObjectName(QLatin1String(name));
    field->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    field->setCalendarPopup(true);
    field->setMinimumDate(QDate(2000, 1, 1));
    field->setSpecialValueText(wtexts::filterAll);
    field->setDate(field->minimumDate());
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(wtexts::filterAll) + 48);
    return field;
}

QDate boundOf(const QDateEdit *field)
{
    return field->date() == field->minimumDate() ? QDate() : field->date();
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString when(const QDateTime &moment)
{
    return moment.toLocalTime().toString(QStringLiteral("dd-MM-yyyy HH:mm"));
}

} // namespace

Tcatatan *Tcatatan::instance(QWidget *owner)
{
    static QPointer<Tcatatan> window;
    if (!window)
        window = new Tcatatan(owner);
    return window;
}

Tcatatan::Tcatatan(QWidget *parent)
    : dipo::Window(QStringLiteral("catatan"), wtexts::caption, parent)
{
    setMinimumSize(640, 420);

    EditLokomotif = new QLineEdit(this);
    EditLokomotif->setObjectName(QStringLiteral("EditLokomotif"));
    EditLokomotif->setPlaceholderText(wtexts::locomotiveExample);
    EditLokomotif->setClearButtonEnabled(true);
    EditCari = new QLineEdit(this);
    EditCari->setObjectName(QStringLiteral("EditCari"));
    EditCari->setPlaceholderText(wtexts::filterTextHint);
    EditCari->setClearButtonEnabled(true);
    EditTeknisiCari = new QLineEdit(this);
    EditTeknisiCari->setObjectName(QStringLiteral("EditTeknisiCari"));
    EditTeknisiCari->setClearButtonEnabled(true);
    ComboJenis = new QComboBox(this);
    ComboJenis->setObjectName(QStringLiteral("ComboJenis"));
    ComboJenis->addItem(wtexts::kindAll);
    ComboJenis->addItem(texts::kindDiagnosis, int(Kind::Diagnosis));
    ComboJenis->addItem(texts::kindJob, int(Kind::Job));
    DateDari = dateField("DateDari", this);
    DateSampai = dateField("DateSampai", this);
    // A calendar opened on "semua tanggal" shows this month, not the earliest one.
    // Typing a date over "semua tanggal" starts from today's, its day selected.
    for (QDateEdit *field : { DateDari, DateSampai }) {
        field->calendarWidget()->installEventFilter(this);
        field->installEventFilter(this);
    }
    BtnSemuaTanggal = button(wtexts::allDates, "BtnSemuaTanggal", this);

    m_model = new EntryModel(this);
    TabelCatatan = new QTableView(this);
    TabelCatatan->setObjectName(QStringLiteral("TabelCatatan"));
    TabelCatatan->setAccessibleName(wtexts::caption);
    TabelCatatan->setModel(m_model);
    TabelCatatan->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabelCatatan->setSelectionMode(QAbstractItemView::SingleSelection);
    TabelCatatan->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table, as it leaves every other control; the arrows move in it.
    TabelCatatan->setTabKeyNavigation(false);
    TabelCatatan->setWordWrap(false);
    TabelCatatan->verticalHeader()->hide();
    // The result takes the width the other columns leave, so that every column is in
    // view; the others keep their widths and can be widened by the user.
    TabelCatatan->horizontalHeader()->setStretchLastSection(false);
    TabelCatatan->horizontalHeader()->setSectionResizeMode(
        EntryModel::Result, QHeaderView::Stretch);
    // Widths from the font, not from the rows: the table may hold many.
    const QFontMetrics metrics = TabelCatatan->fontMetrics();
    const auto width
        = [&](const QString &sample) { return metrics.horizontalAdvance(sample) + 20; };
    TabelCatatan->setColumnWidth(EntryModel::Date, width(QStringLiteral("00-00-0000 00:00")));
    TabelCatatan->setColumnWidth(EntryModel::Locomotive, width(QStringLiteral("CC 201 83 12 XX")));
    TabelCatatan->setColumnWidth(EntryModel::KindColumn, width(texts::kindJob));
    TabelCatatan->setColumnWidth(EntryModel::System, width(QStringLiteral("sistem pendinginan")));
    TabelCatatan->setColumnWidth(EntryModel::Technician, width(QStringLiteral("Teknisi teknisi")));
    TabelCatatan->setColumnWidth(EntryModel::Marks,
        width(texts::markRecurring + QStringLiteral(", ") + texts::markCorrected));

    DetailCatatan = new QTextBrowser(this);
    DetailCatatan->setObjectName(QStringLiteral("DetailCatatan"));
    DetailCatatan->setAccessibleName(wtexts::noteHeading);
    DetailCatatan->setOpenLinks(false);
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(TabelCatatan);
    split->addWidget(DetailCatatan);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    LabelStatus = new QLabel(this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setWordWrap(true);
    LabelStatus->setTextFormat(Qt::PlainText);
    LabelStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    BtnKoreksi = button(wtexts::koreksi, "BtnKoreksi", this);
    BtnEkspor = button(wtexts::eksporCsv, "BtnEkspor", this);
    BtnPdf = button(wtexts::simpanPdf, "BtnPdf", this);
    BtnBasisData = button(wtexts::pengaturan, "BtnBasisData", this);
    BtnTutup = button(wtexts::tutup, "BtnTutup", this);

    auto *filters = new QGridLayout;
    const auto addFilter = [&](const QString &caption, QWidget *field, int row, int column) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        filters->addWidget(label, row, column);
        filters->addWidget(field, row, column + 1);
    };
    addFilter(wtexts::filterLocomotive, EditLokomotif, 0, 0);
    addFilter(wtexts::filterText, EditCari, 0, 2);
    addFilter(wtexts::filterTechnician, EditTeknisiCari, 0, 4);
    addFilter(wtexts::filterKind, ComboJenis, 1, 0);
    addFilter(wtexts::filterFrom, DateDari, 1, 2);
    addFilter(wtexts::filterTo, DateSampai, 1, 4);
    filters->addWidget(BtnSemuaTanggal, 1, 6);
    filters->setColumnStretch(1, 1);
    filters->setColumnStretch(3, 2);
    filters->setColumnStretch(5, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BtnKoreksi);
    buttons->addWidget(BtnPdf);
    buttons->addWidget(BtnEkspor);
    buttons->addWidget(BtnBasisData);
    buttons->addStretch(1);
    buttons->addWidget(BtnTutup);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(split, 1);
    layout->addWidget(LabelStatus);
    layout->addLayout(buttons);

    // Typing waits for a pause before the list follows.
    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(250);
    connect(m_typing, &QTimer::timeout, this, &Tcatatan::applyFilter);
    connect(EditLokomotif, &QLineEdit::textChanged, m_typing, qOverload<>(&QTimer::start));
    connect(EditCari, &QLineEdit::textChanged, m_typing, qOverload<>(&QTimer::start));
    connect(EditTeknisiCari, &QLineEdit::textChanged, m_typing, qOverload<>(&QTimer::start));
    connect(
        ComboJenis, qOverload<int>(&QComboBox::currentIndexChanged), this, &Tcatatan::applyFilter);
    connect(BtnSemuaTanggal, &QPushButton::clicked, this, [this] {
        DateDari->setDate(DateDari->minimumDate());
        DateSampai->setDate(DateSampai->minimumDate());
    });
    connect(DateDari, &QDateEdit::dateChanged, this, &Tcatatan::applyFilter);
    connect(DateSampai, &QDateEdit::dateChanged, this, &Tcatatan::applyFilter);
    connect(TabelCatatan->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        &Tcatatan::showChosen);
    connect(m_model, &QAbstractItemModel::modelReset, this, &Tcatatan::showChosen);
    connect(m_model, &EntryModel::readFailed, this, &Tcatatan::setStatus);
    connect(BtnKoreksi, &QPushButton::clicked, this, &Tcatatan::BtnKoreksiClick);
    connect(BtnEkspor, &QPushButton::clicked, this, &Tcatatan::BtnEksporClick);
    connect(BtnPdf, &QPushButton::clicked, this, &Tcatatan::BtnPdfClick);
    connect(BtnBasisData, &QPushButton::clicked, this, &Tcatatan::BtnBasisDataClick);
    connect(BtnTutup, &QPushButton::clicked, this, &QWidget::close);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    showChosen();

    // Like the program's other windows, it takes the screen.
    QSize normal = sizeHint();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        normal = normal.boundedTo(screen->availableGeometry().size());
    resize(normal);
    setWindowState(Qt::WindowMaximized);
}

bool Tcatatan::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        for (QDateEdit *field : { DateDari, DateSampai }) {
            if (watched == field && !boundOf(field).isValid() && !key->text().isEmpty()
                && key->text().at(0).isDigit()) {
                const QSignalBlocker quiet(field);
                field->setDate(QDate::currentDate());
                field->setSelectedSection(QDateTimeEdit::DaySection);
            }
        }
    }
    if (event->type() == QEvent::Show) {
        for (QDateEdit *field : { DateDari, DateSampai }) {
            if (watched == field->calendarWidget() && !boundOf(field).isValid()) {
                const QDate today = QDate::currentDate();
                field->calendarWidget()->setCurrentPage(today.year(), today.month());
            }
        }
    }
    return dipo::Window::eventFilter(watched, event);
}

void Tcatatan::showEvent(QShowEvent *event)
{
    // Entries may have been saved since it was last shown.
    openLog();
    dipo::Window::showEvent(event);
}

void Tcatatan::openLog()
{
    QString why;
    m_store = programLog(&why);
    if (m_store && !m_store->open(Store::Purpose::Read)) {
        why = m_store->errorString();
        m_store = nullptr;
    }
    m_model->setStore(m_store);
    applyFilter();
    if (!m_store)
        setStatus(why);
}

void Tcatatan::applyFilter()
{
    m_typing->stop();
    Filter filter;
    filter.locomotive = EditLokomotif->text();
    filter.text = EditCari->text();
    filter.technician = EditTeknisiCari->text();
    if (const QVariant kind = ComboJenis->currentData(); kind.isValid())
        filter.kind = Kind(kind.toInt());
    filter.from = boundOf(DateDari);
    filter.to = boundOf(DateSampai);
    m_model->setFilter(filter);
    if (!m_store)
        return;
    if (!m_model->errorString().isEmpty()) {
        setStatus(m_model->errorString());
        return;
    }
    const qint64 shown = m_store->count(filter);
    const bool empty = shown == 0 && m_store->count(Filter {}) == 0;
    if (!m_store->errorString().isEmpty()) {
        setStatus(m_store->errorString()); // a damaged or busy log, never "no entries"
        return;
    }
    setStatus(empty ? wtexts::noLogYet : wtexts::entriesShown.arg(shown));
    BtnEkspor->setEnabled(!empty);
}

void Tcatatan::setStatus(const QString &text)
{
    LabelStatus->setText(text);
}

std::optional<Entry> Tcatatan::chosenEntry()
{
    const QModelIndex current = TabelCatatan->currentIndex();
    const Row *row = current.isValid() ? m_model->row(current.row()) : nullptr;
    if (!row || !m_store)
        return std::nullopt;
    return m_store->entry(row->id);
}

void Tcatatan::showChosen()
{
    const QModelIndex current = TabelCatatan->currentIndex();
    const Row *row = current.isValid() ? m_model->row(current.row()) : nullptr;
    BtnKoreksi->setEnabled(row != nullptr);
    BtnPdf->setEnabled(row && row->kind == Kind::Diagnosis);
    if (!row || !m_store) {
        DetailCatatan->setPlainText(wtexts::noEntryChosen);
        return;
    }
    DetailCatatan->setHtml(recordHtml(m_store->history(row->id), row->recurring));
}

QString Tcatatan::recordHtml(const QList<Entry> &versions, bool recurring) const
{
    if (versions.isEmpty())
        return m_store ? m_store->errorString().toHtmlEscaped() : QString();
    const Entry &entry = versions.constFirst();
    QString html;
    html += QStringLiteral("<h3>%1 %2 &mdash; %3</h3>")
                .arg(entry.kind == Kind::Job ? texts::kindJob : texts::kindDiagnosis)
                .arg(entry.id)
                .arg(escaped(entry.locomotive));
    if (recurring)
        html += QStringLiteral("<p><b>%1</b></p>").arg(wtexts::recurringNote);
    html += QStringLiteral("<p>%1: %2<br>%3: %4<br>%5: %6</p>")
                .arg(texts::columnDate, when(entry.when), texts::columnTechnician,
                    escaped(entry.technician), texts::columnSystem, escaped(entry.system));
    html += QStringLiteral("<p><b>%1</b></p>").arg(escaped(entry.subject));
    if (!entry.steps.isEmpty()) {
        html += QStringLiteral("<table cellspacing=0 cellpadding=2>");
        for (qsizetype i = 0; i < entry.steps.size(); ++i)
            html += QStringLiteral("<tr><td>%1.</td><td>%2</td><td><b>%3</b></td></tr>")
                        .arg(i + 1)
                        .arg(escaped(entry.steps.at(i).question), entry.steps.at(i).answer);
        html += QStringLiteral("</table>");
    }
    if (!entry.repairs.isEmpty()) {
        html += QStringLiteral("<p>%1:</p><ul>").arg(wtexts::repairHeading);
        for (const RepairLink &link : entry.repairs)
            html += QStringLiteral("<li>%1</li>").arg(escaped(link.caption));
        html += QStringLiteral("</ul>");
    }
    if (!entry.note.isEmpty())
        html += QStringLiteral("<p>%1:<br>%2</p>").arg(wtexts::noteHeading, escaped(entry.note));
    if (versions.size() > 1) {
        // Newest first: each version with when it was written, why, and what it changed
        // from the one before it.
        html += QStringLiteral("<p><b>%1</b></p><ul>").arg(wtexts::historyHeading);
        for (qsizetype v = 0; v < versions.size(); ++v) {
            const Entry &version = versions.at(v);
            QString line = QStringLiteral("%1 %2 &mdash; %3, %4")
                               .arg(version.id)
                               .arg(when(version.when), escaped(version.locomotive),
                                   escaped(version.technician));
            if (version.recordedAt.isValid())
                line += QStringLiteral("; ") + wtexts::recordedAt.arg(when(version.recordedAt));
            if (v + 1 < versions.size()) {
                if (!version.reason.isEmpty())
                    line += QStringLiteral("<br>")
                        + escaped(wtexts::reasonShown.arg(version.reason));
                const QList<Change> changes = changesBetween(versions.at(v + 1), version);
                if (changes.isEmpty())
                    line += QStringLiteral("<br>") + wtexts::noChange;
                for (const Change &change : changes) {
                    const auto value = [](const QString &text) {
                        return text.isEmpty()
                            ? wtexts::emptyValue
                            : QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
                    };
                    line += QStringLiteral("<br>")
                        + escaped(wtexts::changeShown.arg(
                            change.field, value(change.before), value(change.after)));
                }
            } else {
                line += QStringLiteral(": ") + escaped(shownSubject(version.kind, version.subject));
            }
            html += QStringLiteral("<li>%1</li>").arg(line);
        }
        html += QStringLiteral("</ul>");
    }
    return html;
}

void Tcatatan::BtnKoreksiClick()
{
    std::optional<Entry> entry = chosenEntry();
    if (!entry)
        return;
    entry->corrects = entry->id;
    entry->id = 0;
    if (const qint64 id = EntryDialog::record(*entry, this); id > 0) {
        m_model->reload();
        setStatus(wtexts::savedAs.arg(id));
    }
}

void Tcatatan::BtnEksporClick()
{
    if (!m_store)
        return;
    Filter filter = m_model->filter();
    if (m_store->count(filter) == 0 && m_store->errorString().isEmpty()) {
        setStatus(wtexts::nothingToExport);
        return;
    }
    // Commas for scripts, semicolons for a spreadsheet whose decimal separator is a comma.
    const QList<csv::Form> forms { csv::Form::Comma, csv::Form::Semicolon };
    int chosen = int(forms.indexOf(csv::spreadsheetForm(QLocale())));
    const QString path = dipo::askSavePath(this, wtexts::csvTitle,
        { wtexts::csvFilter, wtexts::csvFilterSemicolon }, &chosen,
        QStringLiteral("catatan-bengkel.csv"));
    if (path.isEmpty())
        return;
    filter.latestOnly = false; // the entries with their history
    QString why;
    if (!csv::save(*m_store, filter, path, &why, forms.value(chosen))) {
        dipo::errorreport::show(wtexts::csvFailed.arg(QDir::toNativeSeparators(path), why));
        return;
    }
    dipo::files::rememberSaveFolder(path);
    setStatus(wtexts::csvSaved.arg(QDir::toNativeSeparators(path)));
}

void Tcatatan::BtnPdfClick()
{
    namespace report = dipo::diagnosis::report;
    const std::optional<Entry> entry = chosenEntry();
    if (!entry || entry->kind != Kind::Diagnosis)
        return;
    dipo::diagnosis::Session session = toSession(*entry);
    // The paper says what the record says: the locomotive, the technician, the entry, the
    // mark and the note.
    const QModelIndex current = TabelCatatan->currentIndex();
    const Row *row = current.isValid() ? m_model->row(current.row()) : nullptr;
    session.setRecorded({ entry->locomotive, entry->technician, entry->id, {},
        row && row->recurring ? wtexts::recurringNote : QString(), entry->note });
    const report::Stamp stamp { entry->when, dipo::diagnosis::texts::programName,
        QStringLiteral(DIPO_VERSION) };
    const QString path = dipo::askSavePath(this, dipo::diagnosis::texts::saveDialogTitle,
        dipo::diagnosis::texts::pdfFilter, report::suggestedFileName(session, entry->when));
    if (path.isEmpty())
        return;
    const QString error = report::savePdf(report::build(session, stamp, false), path);
    if (!error.isEmpty()) {
        dipo::errorreport::show(error);
        return;
    }
    dipo::files::rememberSaveFolder(path);
    setStatus(dipo::diagnosis::texts::saved.arg(QDir::toNativeSeparators(path)));
}

void Tcatatan::BtnBasisDataClick()
{
    QString why;
    const Store *log = programLog(&why);
    const QString now = log ? log->location().shown() : why;
    if (programLogFromEnvironment()) {
        QMessageBox::information(this, wtexts::databaseTitle, wtexts::databaseFixed.arg(now));
        return;
    }
    bool ok = false;
    const QString text = QInputDialog::getText(this, wtexts::databaseTitle,
        wtexts::databasePrompt.arg(now), QLineEdit::Normal, programLogSetting(), &ok)
                             .trimmed();
    if (!ok)
        return;
    if (!parseLocation(text, &why)) {
        setStatus(why);
        return;
    }
    m_model->setStore(nullptr);
    setProgramLogSetting(text);
    openLog();
}
