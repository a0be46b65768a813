// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts of a diagnosis session: the back step, the trail window and the report.
namespace dipo::diagnosis::texts {

inline const QString kembali = QStringLiteral("Kembali");
// The status line's name while it shows nothing; with a text it is read as that text.
inline const QString statusName = QStringLiteral("Status");
inline const QString kembaliTip = QStringLiteral("Batalkan jawaban terakhir (Backspace, Alt+K)");
inline const QString riwayat = QStringLiteral("Riwayat");
inline const QString riwayatTip = QStringLiteral("Lihat pertanyaan dan jawaban diagnosa ini");

inline const QString trailCaption = QStringLiteral("Riwayat Diagnosa");
inline const QString simpanPdf = QStringLiteral("Simpan PDF\u2026");
inline const QString cetak = QStringLiteral("Cetak\u2026");
inline const QString salin = QStringLiteral("Salin");

inline const QString noSystem = QStringLiteral("Belum ada sistem yang dipilih.");
inline const QString notBegun = QStringLiteral("Diagnosa belum dimulai.");
inline const QString systemLabel = QStringLiteral("Sistem");
inline const QString dateLabel = QStringLiteral("Tanggal");
inline const QString answeredLabel = QStringLiteral("Pertanyaan dan jawaban");
inline const QString noAnswerYet = QStringLiteral("Belum ada jawaban.");
inline const QString numberColumn = QStringLiteral("No.");
inline const QString questionColumn = QStringLiteral("Pertanyaan");
inline const QString answerColumn = QStringLiteral("Jawaban");
inline const QString currentLabel = QStringLiteral("Pertanyaan sekarang");
inline const QString atMostLeft = QStringLiteral("paling banyak %1 pertanyaan lagi");
inline const QString unfinished = QStringLiteral("Diagnosa belum selesai.");
inline const QString outcomeLabel = QStringLiteral("Hasil");
inline const QString outcomeFault = QStringLiteral("kerusakan ditemukan");
inline const QString outcomeNotDefined = QStringLiteral("gangguan belum terdefinisi");

inline const QString programName = QStringLiteral("Dipo");
inline const QString reportTitle = QStringLiteral("LAPORAN DIAGNOSA");
inline const QString madeWith = QStringLiteral("Dibuat dengan %1 versi %2");
inline const QString saveDialogTitle = QStringLiteral("Simpan Laporan Diagnosa");
inline const QString pdfFilter = QStringLiteral("Dokumen PDF (*.pdf)");
inline const QString printDialogTitle = QStringLiteral("Cetak Laporan Diagnosa");
inline const QString saved = QStringLiteral("Laporan disimpan: %1");
inline const QString copied = QStringLiteral("Laporan disalin ke clipboard.");
inline const QString printed = QStringLiteral("Laporan dikirim ke printer.");
inline const QString appendixTitle = QStringLiteral("Lampiran: langkah perbaikan");
inline const QString withAppendix = QStringLiteral("Sertakan lampiran langkah perbaikan");

// A save that failed: the path, then why (dipo::files).
inline const QString saveFailed = QStringLiteral("Laporan tidak dapat disimpan ke %1: %2");
inline const QString printFailed = QStringLiteral("Laporan tidak dapat dicetak.");

} // namespace dipo::diagnosis::texts
