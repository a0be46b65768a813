// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts of the log window and the dialog that records an entry.
namespace dipo::worklog::window_texts {

inline const QString caption = QStringLiteral("Catatan Bengkel");
inline const QString menuLabel = QStringLiteral("  Riwayat Lokomotif");
inline const QString menuCaption = QStringLiteral("Catatan Bengkel");

inline const QString recordDiagnosisTitle = QStringLiteral("Simpan Diagnosa ke Catatan");
inline const QString recordJobTitle = QStringLiteral("Catat Pekerjaan");
inline const QString correctTitle = QStringLiteral("Koreksi Entri %1");
inline const QString locomotiveLabel = QStringLiteral("No. &lokomotif:");
inline const QString locomotiveExample = QStringLiteral("mis. CC 201 83 12");
inline const QString technicianLabel = QStringLiteral("&Teknisi:");
inline const QString dateLabel = QStringLiteral("Tan&ggal:");
inline const QString noteLabel = QStringLiteral("Ca&tatan:");
inline const QString charactersLeft = QStringLiteral("sisa %1 karakter");
inline const QString simpan = QStringLiteral("Simpan");
inline const QString batal = QStringLiteral("Batal");
inline const QString savedAs = QStringLiteral("Tersimpan di catatan sebagai entri %1.");
inline const QString reasonLabel = QStringLiteral("&Alasan koreksi:");
inline const QString reasonHint = QStringLiteral("mis. nomor lokomotif salah ketik");
inline const QString sameRecordTitle = QStringLiteral("Sudah Tercatat");
inline const QString sameRecordQuestion
    = QStringLiteral("%1 yang sama untuk lokomotif %2 sudah tercatat sebagai entri %3 (%4).\n"
                     "Simpan sekali lagi?");
inline const QString simpanLagi = QStringLiteral("Simpan lagi");

inline const QString filterLocomotive = QStringLiteral("&Lokomotif:");
inline const QString filterText = QStringLiteral("&Cari:");
inline const QString filterTextHint = QStringLiteral("sistem, kerusakan, catatan, teknisi");
inline const QString filterFrom = QStringLiteral("&Dari:");
inline const QString filterTo = QStringLiteral("&Sampai:");
inline const QString filterAll = QStringLiteral("semua tanggal");
inline const QString filterTechnician = QStringLiteral("&Teknisi:");
inline const QString filterKind = QStringLiteral("&Jenis:");
inline const QString kindAll = QStringLiteral("semua");
inline const QString allDates = QStringLiteral("Se&mua tanggal");
inline const QString nothingToExport
    = QStringLiteral("Tidak ada entri yang cocok dengan saringan; tidak ada yang diekspor.");
inline const QString recordedAt = QStringLiteral("dicatat %1");
inline const QString reasonShown = QStringLiteral("alasan: %1");
inline const QString noChange = QStringLiteral("isi tidak berubah");
inline const QString changeShown = QStringLiteral("%1: %2 \u2192 %3");
inline const QString emptyValue = QStringLiteral("(kosong)");
inline const QString koreksi = QStringLiteral("Koreksi\u2026");
inline const QString eksporCsv = QStringLiteral("Ekspor CSV\u2026");
inline const QString simpanPdf = QStringLiteral("Simpan PDF\u2026");
inline const QString pengaturan = QStringLiteral("Basis data\u2026");
inline const QString tutup = QStringLiteral("Tutup");
inline const QString entriesShown = QStringLiteral("%1 entri");
inline const QString noLogYet = QStringLiteral("Catatan masih kosong. Entri dibuat dari "
                                               "\"Simpan ke catatan\" atau \"Catat pekerjaan\".");
inline const QString noEntryChosen = QStringLiteral("Pilih entri untuk melihat isinya.");
inline const QString recurringNote
    = QStringLiteral("Kerusakan berulang: penyebab yang sama pada lokomotif ini dalam 90 hari.");
inline const QString historyHeading = QStringLiteral("Riwayat koreksi");
inline const QString correctsLabel = QStringLiteral("mengoreksi entri %1");
inline const QString noteHeading = QStringLiteral("Catatan");
inline const QString repairHeading = QStringLiteral("Langkah perbaikan");
inline const QString csvFilter = QStringLiteral("Berkas CSV (*.csv)");
inline const QString csvFilterSemicolon
    = QStringLiteral("Berkas CSV untuk spreadsheet, pemisah titik-koma (*.csv)");
inline const QString csvTitle = QStringLiteral("Ekspor Catatan Bengkel");
inline const QString csvSaved = QStringLiteral("Catatan diekspor: %1");
inline const QString csvFailed = QStringLiteral("Catatan tidak dapat diekspor ke %1: %2");
inline const QString databaseTitle = QStringLiteral("Basis Data Catatan");
inline const QString databasePrompt
    = QStringLiteral("Alamat PostgreSQL (postgresql://user@host:port/nama) atau folder socket;\n"
                     "kosongkan untuk berkas di PC ini:\n%1");
inline const QString databaseFixed
    = QStringLiteral("Basis data ditentukan oleh --db atau DIPO_DB: %1");

} // namespace dipo::worklog::window_texts
