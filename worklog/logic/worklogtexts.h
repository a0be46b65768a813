// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The workshop log's texts.
namespace dipo::worklog::texts {

inline const QString kindDiagnosis = QStringLiteral("Diagnosa");
inline const QString kindJob = QStringLiteral("Pekerjaan");

// The log's table.
inline const QString columnDate = QStringLiteral("Tanggal");
inline const QString columnLocomotive = QStringLiteral("Lokomotif");
inline const QString columnKind = QStringLiteral("Jenis");
inline const QString columnSystem = QStringLiteral("Sistem / bagian");
inline const QString columnResult = QStringLiteral("Hasil / pekerjaan");
inline const QString columnTechnician = QStringLiteral("Teknisi");
inline const QString columnMarks = QStringLiteral("Tanda");
inline const QString markRecurring = QStringLiteral("Berulang");
inline const QString markCorrected = QStringLiteral("Koreksi");

// Why an entry is refused.
inline const QString badLocomotive = QStringLiteral(
    "Nomor lokomotif harus 2 sampai 20 karakter: huruf, angka, spasi atau tanda hubung.");
inline const QString badTechnician
    = QStringLiteral("Nama teknisi paling banyak 100 karakter, tanpa karakter kendali.");
inline const QString badNote
    = QStringLiteral("Catatan paling banyak 2.000 karakter, tanpa karakter kendali.");
inline const QString badText = QStringLiteral("Isi catatan tidak sah: %1.");
inline const QString badDate = QStringLiteral("Tanggal tidak sah.");
inline const QString badAnswer = QStringLiteral("Jawaban harus YA atau TIDAK.");

// Why the log cannot be used.
inline const QString cannotOpen = QStringLiteral("Catatan bengkel tidak dapat dibuka (%1): %2");
inline const QString cannotSave = QStringLiteral("Catatan tidak tersimpan: %1");
inline const QString newerSchema = QStringLiteral(
    "catatan ini dibuat oleh Dipo yang lebih baru (skema %1, program ini mengenal sampai %2); "
    "tidak diubah");
inline const QString notALog = QStringLiteral("bukan catatan bengkel Dipo");
inline const QString noDriver = QStringLiteral("driver Qt SQL %1 tidak terpasang");
inline const QString badAddress
    = QStringLiteral("alamat basis data tidak dikenal: %1 (pakai postgresql://user@host:port/nama, "
                     "folder socket, atau berkas .sqlite)");
inline const QString passwordInAddress
    = QStringLiteral("kata sandi tidak boleh di alamat; pakai ~/.pgpass atau PGPASSWORD");
inline const QString alreadyCorrected = QStringLiteral("entri %1 sudah dikoreksi");
inline const QString unknownEntry = QStringLiteral("entri %1 tidak ada");
inline const QString busy = QStringLiteral("catatan sedang dipakai proses lain");
inline const QString noFolder = QStringLiteral("folder %1 tidak dapat dibuat");
inline const QString readOnly = QStringLiteral("berkas hanya dapat dibaca");

// CSV.
inline const QString csvRow = QStringLiteral("baris %1: %2");
inline const QString csvHeader = QStringLiteral("kepala kolom tidak sesuai");
inline const QString csvColumns = QStringLiteral("jumlah kolom salah");
inline const QString csvQuote = QStringLiteral("tanda kutip tidak tertutup");
inline const QString csvUtf8 = QStringLiteral("bukan UTF-8 yang sah");
inline const QString csvKind = QStringLiteral("jenis tidak dikenal");
inline const QString csvField = QStringLiteral("kolom %1 tidak sah");
inline const QString csvReference = QStringLiteral("mengoreksi entri yang tidak ada di berkas");

} // namespace dipo::worklog::texts
