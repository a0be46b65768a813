// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/calcextras.h"

#include "calculators/chartloader.h"
#include "calculators/chartmaker.h"
#include "calculators/logic/charttexts.h"
#include "calculators/grafik.h"
#include "calculators/logic/sheettexts.h"
#include "common/print.h"
#include "common/logic/document.h"
#include "common/errorreport.h"
#include "common/logic/savefile.h"
#include "common/logic/savefolder.h"
#include "common/window.h"
#include "common/dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>

// DIPO_VERSION: the project's version, from the build.

namespace dipo::calc {

namespace st = sheet_texts;

namespace {

// A chart on the sheet: as wide as the page allows, in the proportions of the window's.
const QSize kSheetPictureSize(800, 480);
constexpr qreal kSheetPictureWidthMm = 170;

QPushButton *button(const QString &caption, const char *name, const QString &accessibleName,
    QWidget *parent)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    result->setAccessibleName(accessibleName);
    result->setMinimumHeight(28);
    return result;
}

QList<QStringList> tableRows(const QList<SheetRow> &rows)
{
    QList<QStringList> result;
    for (const SheetRow &row : rows)
        result << QStringList { row.label.trimmed(), row.value, row.unit };
    return result;
}

} // namespace

namespace {

// The labels' looks are set when they are first shown: a style sheet of a widget's own
// costs its window's start.
void showStyled(QLabel *label, const char *styleSheet)
{
    if (label->styleSheet().isEmpty())
        label->setStyleSheet(QLatin1String(styleSheet));
    label->show();
}

constexpr const char *kStatusLook
    = "QLabel { background-color: rgba(0, 0, 0, 170); color: white; padding: 2px 4px; }";
constexpr const char *kNotesLook = "QLabel { background-color: #fff3c4; color: black;"
                                   " border: 2px solid #b26a00; padding: 3px 6px; }";

} // namespace

QList<SheetRow> sheetRows(const QWidget *frame, const texts::FieldText *rows, std::size_t count)
{
    QList<SheetRow> result;
    for (std::size_t k = 0; k < count; ++k) {
        const QString name = QLatin1String(rows[k].name);
        QString value;
        if (const auto *edit = frame->findChild<const QLineEdit *>(name))
            value = edit->text();
        else if (const auto *combo = frame->findChild<const QComboBox *>(name))
            value = combo->currentText();
        else
            continue;
        result << SheetRow { QString::fromLatin1(rows[k].label), value,
            QString::fromLatin1(rows[k].unit) };
    }
    return result;
}

QList<QImage> chartPictures(const QList<Chart> &charts)
{
    QList<QImage> pictures;
    ChartMaker *maker = chartMaker();
    if (!maker)
        return pictures;
    for (const Chart &chart : charts) {
        if (!chart.isEmpty())
            pictures << maker->picture(chart, kSheetPictureSize);
    }
    return pictures;
}

document::Builder sheetDocument(
    const Sheet &sheet, const QList<QImage> &pictures, const QDateTime &when)
{
    document::Builder doc(st::sheetTitle);
    doc.heading(st::sheetTitle);
    doc.subheading(sheet.title);
    doc.field(st::dateLabel,
        QLocale(QLocale::Indonesian, QLocale::Indonesia)
            .toString(when, QStringLiteral("dddd, d MMMM yyyy, HH.mm")));
    const QStringList header { st::quantityColumn, st::valueColumn, st::unitColumn };
    doc.subheading(st::inputsHeading);
    doc.table(header, tableRows(sheet.inputs), { 1 });
    doc.subheading(st::resultsHeading);
    doc.table(header, tableRows(sheet.results), { 1 });
    doc.subheading(st::conclusionHeading);
    doc.lines(sheet.conclusion);
    if (!sheet.notes.isEmpty()) {
        doc.label(QString::fromLatin1(chart_texts::kNotesHeading));
        doc.lines(sheet.notes, 0, 0, true);
    }
    if (!sheet.charts.isEmpty()) {
        // The charts on a page of their own: a heading is never left alone at a page's foot.
        doc.pageBreak();
        doc.subheading(st::chartsHeading);
        for (const QImage &picture : pictures)
            doc.picture(picture, kSheetPictureWidthMm);
        for (const Chart &chart : sheet.charts)
            doc.paragraph(chart.description);
    }
    doc.note(st::madeWith.arg(QStringLiteral(DIPO_VERSION)));
    return doc;
}

CalcExtras::CalcExtras(dipo::Window *window, const QString &calculatorName)
    : QWidget(window)
    , m_window(window)
    , m_calculatorName(calculatorName)
{
    setObjectName(QStringLiteral("PanelLembar"));
    BtnGrafik = button(st::grafik, "BtnGrafik", st::grafikName, this);
    BtnCetak = button(st::cetak, "BtnCetak", st::cetakName, this);
    BtnSimpanPdf = button(st::simpanPdf, "BtnSimpanPdf", st::simpanPdfName, this);
    LabelLembar = new QLabel(this);
    LabelLembar->setObjectName(QStringLiteral("LabelLembar"));
    LabelLembar->setWordWrap(true);
    LabelLembar->hide();
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(BtnGrafik, 0, 0);
    layout->addWidget(BtnCetak, 0, 1);
    layout->addWidget(BtnSimpanPdf, 0, 2);
    layout->addWidget(LabelLembar, 1, 0, 1, 3);

    LabelCatatan = new QLabel(window);
    LabelCatatan->setObjectName(QStringLiteral("LabelCatatan"));
    LabelCatatan->setWordWrap(true);
    LabelCatatan->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelCatatan->setAccessibleName(st::notesName);
    LabelCatatan->hide();

    connect(BtnGrafik, &QPushButton::clicked, this, &CalcExtras::BtnGrafikClick);
    connect(BtnCetak, &QPushButton::clicked, this, &CalcExtras::BtnCetakClick);
    connect(BtnSimpanPdf, &QPushButton::clicked, this, &CalcExtras::BtnSimpanPdfClick);
    clear();
}

void CalcExtras::setResult(const Sheet &sheet)
{
    m_sheet = sheet;
    m_hasResult = true;
    BtnCetak->setEnabled(true);
    BtnSimpanPdf->setEnabled(true);
    LabelLembar->clear();
    LabelLembar->hide();
    LabelCatatan->setText(sheet.notes.join(QLatin1Char('\n')));
    LabelCatatan->setAccessibleName(QString::fromLatin1(chart_texts::kNotesHeading));
    if (sheet.notes.isEmpty())
        LabelCatatan->hide();
    else
        showStyled(LabelCatatan, kNotesLook);
    if (m_grafik)
        m_grafik->setCharts(sheet.charts);
}

void CalcExtras::clear()
{
    m_sheet = Sheet();
    m_hasResult = false;
    BtnCetak->setEnabled(false);
    BtnSimpanPdf->setEnabled(false);
    LabelLembar->clear();
    LabelLembar->hide();
    LabelCatatan->clear();
    LabelCatatan->hide();
    if (m_grafik)
        m_grafik->clearCharts();
}

TGrafik *CalcExtras::grafik()
{
    if (!m_grafik) {
        m_grafik = new TGrafik(st::grafikCaption.arg(m_calculatorName), m_window);
        m_grafik->setCharts(m_sheet.charts);
    }
    return m_grafik;
}

void CalcExtras::BtnGrafikClick()
{
    grafik()->showWindow();
}

bool CalcExtras::saveSheet(const QString &path, const QDateTime &when)
{
    LabelLembar->clear();
    LabelLembar->hide();
    const QString why = files::saveWhole(path,
        sheetDocument(m_sheet, chartPictures(m_sheet.charts), when).pdf(QStringLiteral("Dipo")));
    if (!why.isEmpty()) {
        errorreport::show(st::saveFailed.arg(QDir::toNativeSeparators(path), why));
        return false;
    }
    files::rememberSaveFolder(path);
    LabelLembar->setText(st::saved.arg(QDir::toNativeSeparators(path)));
    showStyled(LabelLembar, kStatusLook);
    return true;
}

QString CalcExtras::sheetFileName(const QDateTime &when) const
{
    static const QRegularExpression notWordy(QStringLiteral("[^a-z0-9]+"));
    QString name = m_calculatorName.toLower().replace(notWordy, QStringLiteral("-"));
    name.remove(QRegularExpression(QStringLiteral("^-+|-+$")));
    return QStringLiteral("lembar-%1-%2").arg(name, when.toString(QStringLiteral("yyyyMMdd-HHmm")));
}

void CalcExtras::BtnSimpanPdfClick()
{
    if (!m_hasResult)
        return;
    const QDateTime when = QDateTime::currentDateTime();
    const QString path = askSavePath(
        this, st::saveDialogTitle, st::pdfFilter, sheetFileName(when) + QStringLiteral(".pdf"));
    if (!path.isEmpty())
        saveSheet(path, when);
}

void CalcExtras::BtnCetakClick()
{
    if (!m_hasResult)
        return;
    // Printed to a file, the sheet is offered under the name Save offers.
    const auto outcome = document::printWithDialog(this,
        sheetFileName(QDateTime::currentDateTime()), st::printDialogTitle, [&] {
            return sheetDocument(
                m_sheet, chartPictures(m_sheet.charts), QDateTime::currentDateTime());
        });
    if (outcome == document::PrintOutcome::Failed) {
        errorreport::show(st::printFailed);
    } else if (outcome == document::PrintOutcome::Printed) {
        LabelLembar->setText(st::printed);
        showStyled(LabelLembar, kStatusLook);
    }
}

} // namespace dipo::calc
