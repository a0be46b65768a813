// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts of the charts window and the calculation sheet.
namespace dipo::calc::sheet_texts {

inline const QString grafik = QStringLiteral("Grafik");
inline const QString grafikName = QStringLiteral("Buka grafik perhitungan");
inline const QString cetak = QStringLiteral("Cetak\u2026");
inline const QString cetakName = QStringLiteral("Cetak lembar perhitungan");
inline const QString simpanPdf = QStringLiteral("Simpan PDF\u2026");
inline const QString simpanPdfName = QStringLiteral("Simpan PDF lembar perhitungan");
// Names a screen reader gives the calculator windows' text panels and notes.
inline const QString notesName = QStringLiteral("Catatan perhitungan");
inline const QString introductionName = QStringLiteral("Pengantar");
inline const QString conclusionName = QStringLiteral("Kesimpulan");
inline const QString brakeForceNoteName = QStringLiteral("Keterangan gaya rem");
inline const QString warningName = QStringLiteral("Peringatan");
// The results one per line, for the keyboard and a screen reader.
inline const QString summaryName = QStringLiteral("Ringkasan hasil");
inline const QString summaryDescription
    = QStringLiteral("Satu hasil per baris; panah atas dan bawah membaca tiap hasil");

// The calculators as their charts and sheets name them: the calculator table's sheetName.

// The charts window: "Grafik — <calculator>".
inline const QString grafikCaption = QStringLiteral("Grafik \u2014 %1");
inline const QString chartsTab = QStringLiteral("Grafik");
inline const QString noCharts = QStringLiteral("Tekan PROSES untuk menggambar grafik.");
inline const QString noModule = QStringLiteral("Grafik tidak tersedia: %1");
inline const QString showTable = QStringLiteral("Tabel");
inline const QString tableOf = QStringLiteral("%1, tabel titik");
inline const QString savePng = QStringLiteral("Simpan PNG\u2026");
inline const QString savePngName = QStringLiteral("Simpan grafik sebagai PNG");
inline const QString close = QStringLiteral("Tutup");
inline const QString savePngTitle = QStringLiteral("Simpan Grafik");
inline const QString pngFilter = QStringLiteral("Gambar PNG (*.png)");
inline const QString pngSaved = QStringLiteral("Grafik disimpan: %1");
inline const QString pngFailed = QStringLiteral("Grafik tidak dapat disimpan ke %1: %2");

// The calculation sheet.
inline const QString sheetTitle = QStringLiteral("LEMBAR PERHITUNGAN");
inline const QString dateLabel = QStringLiteral("Tanggal");
inline const QString inputsHeading = QStringLiteral("Masukan");
inline const QString resultsHeading = QStringLiteral("Hasil");
inline const QString conclusionHeading = QStringLiteral("Kesimpulan");
inline const QString chartsHeading = QStringLiteral("Grafik");
inline const QString quantityColumn = QStringLiteral("Besaran");
inline const QString valueColumn = QStringLiteral("Nilai");
inline const QString unitColumn = QStringLiteral("Satuan");
inline const QString madeWith = QStringLiteral("Dibuat dengan Dipo versi %1");
inline const QString saveDialogTitle = QStringLiteral("Simpan Lembar Perhitungan");
inline const QString printDialogTitle = QStringLiteral("Cetak Lembar Perhitungan");
inline const QString pdfFilter = QStringLiteral("Dokumen PDF (*.pdf)");
inline const QString saved = QStringLiteral("Lembar perhitungan disimpan: %1");
inline const QString printed = QStringLiteral("Lembar perhitungan dikirim ke printer.");
inline const QString saveFailed = QStringLiteral("Lembar perhitungan tidak dapat disimpan ke %1: %2");
inline const QString printFailed = QStringLiteral("Lembar perhitungan tidak dapat dicetak.");

} // namespace dipo::calc::sheet_texts
