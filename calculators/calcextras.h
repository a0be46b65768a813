// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/logic/calctexts.h"
#include "calculators/logic/chartdata.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class TGrafik;

namespace dipo {
class Window;
namespace document {
class Builder;
}
}

namespace dipo::calc {

// What a calculation sheet holds: a calculator's inputs and results as they stood after
// its last PROSES, its conclusion, the sanity notes and the charts.
struct SheetRow
{
    QString label, value, unit;
};

struct Sheet
{
    QString title; // the calculator's title panel
    QList<SheetRow> inputs, results;
    QStringList conclusion;
    QStringList notes;
    QList<Chart> charts;
};

// The rows of a frame as they stand: each control's label and unit from the fixed texts,
// its value as shown. Rows whose control is missing are left out.
QList<SheetRow> sheetRows(const QWidget *frame, const texts::FieldText *rows, std::size_t count);
template <std::size_t N>
QList<SheetRow> sheetRows(const QWidget *frame, const texts::FieldText (&rows)[N])
{
    return sheetRows(frame, rows, N);
}

// The sheet with its charts drawn as pictures (none when the chart module is missing).
document::Builder sheetDocument(const Sheet &sheet, const QList<QImage> &pictures,
    const QDateTime &when);
QList<QImage> chartPictures(const QList<Chart> &charts);

// What the calculator windows have beside their fixed controls: the buttons "Grafik",
// "Cetak" and "Simpan PDF", the sanity notes beside the conclusion and the charts window.
// Cetak and Simpan PDF wait for a PROSES that succeeded; REPLACE takes them back.
class CalcExtras : public QWidget
{
    Q_OBJECT

public:
    CalcExtras(dipo::Window *window, const QString &calculatorName);

    // The notes label, for the window to place beside its conclusion.
    QLabel *notesLabel() const { return LabelCatatan; }

    // A PROSES that succeeded; the charts window follows when it is open.
    void setResult(const Sheet &sheet);
    // REPLACE.
    void clear();
    bool hasResult() const { return m_hasResult; }
    const Sheet &sheet() const { return m_sheet; }
    // The charts window, made when first asked for.
    TGrafik *grafik();

    // Saves the sheet to this path; a failure goes to the error report. The save dialog
    // only supplies the path.
    bool saveSheet(const QString &path, const QDateTime &when);

    QPushButton *BtnGrafik;
    QPushButton *BtnCetak;
    QPushButton *BtnSimpanPdf;
    QLabel *LabelLembar; // the last save or print
    QLabel *LabelCatatan;

public slots:
    void BtnGrafikClick();
    void BtnCetakClick();
    void BtnSimpanPdfClick();

private:
    // The sheet's file name without its suffix, for Save and for printing to a file.
    QString sheetFileName(const QDateTime &when) const;
    dipo::Window *m_window;
    QString m_calculatorName;
    Sheet m_sheet;
    bool m_hasResult = false;
    TGrafik *m_grafik = nullptr;
};

} // namespace dipo::calc
