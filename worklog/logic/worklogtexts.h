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
// The fields a correction may change, as its history names them.
inline const QString fieldDate = QStringLiteral("Tanggal");
inline const QString fieldLocomotive = QStringLiteral("Lokomotif");
inline const QString fieldTechnician = QStringLiteral("Teknisi");
inline const QString fieldSystem = QStringLiteral("Sistem");
inline const QString fieldSubject = QStringLiteral("Hasil");
inline const QString fieldNote = QStringLiteral("Catatan");
inline const QString fieldSteps = QStringLiteral("Jawaban");
inline const QString fieldRepairs = QStringLiteral("Langkah perbaikan");

// Why an entry is refused.
inline const QString badLocomotive = QStringLiteral(
    "Nomor lokomotif harus 2 sampai 20 karakter: huruf, angka, spasi atau tanda hubung.");
inline const QString badTechnician
    = QStringLiteral("Nama teknisi paling banyak 100 karakter, tanpa karakter kendali.");
inline const QString badNote
    = QStringLiteral("Catatan paling banyak 2.000 karakter, tanpa karakter kendali.");
inline const QString badText = QStringLiteral("Isi catatan tidak sah: %1.");
inline const QString badDate = QStringLiteral("Tanggal tidak sah.");
// The service plan's states.
inline const QString unitHours = QStringLiteral("jam");
inline const QString unitKm = QStringLiteral("km");
inline const QString unitDays = QStringLiteral("hari");
inline const QString stateOverdue = QStringLiteral("terlambat %1");
inline const QString stateSoon = QStringLiteral("segera (%1 lagi)");
inline const QString stateScheduled = QStringLiteral("terjadwal");
inline const QString stateNever = QStringLiteral("belum pernah");
inline const QString readyToRun = QStringLiteral("siap operasi");
inline const QString notReadyToRun = QStringLiteral("tidak siap operasi");
inline const QString reasonSafetyOverdue = QStringLiteral("%1 terlambat %2");
inline const QString reasonRepairMissing
    = QStringLiteral("diagnosa %1 (%2): belum ada pekerjaan %3 sesudahnya");
inline const QString badSeries = QStringLiteral("Seri paling banyak 20 karakter.");
inline const QString alreadyRegistered = QStringLiteral("lokomotif %1 sudah terdaftar");
inline const QString notRegistered = QStringLiteral("lokomotif %1 belum terdaftar");
inline const QString readingBackwards
    = QStringLiteral("pembacaan %1 lebih kecil dari yang terakhir (%2 pada %3); "
                     "tandai \"meter diganti\" bila meternya baru");
inline const QString readingTooFast
    = QStringLiteral("pembacaan %1 berarti %2 per hari sejak %3; periksa lalu konfirmasi");
inline const QString badReading = QStringLiteral("pembacaan meter tidak sah");
inline const QString badReason
    = QStringLiteral("Alasan koreksi paling banyak 500 karakter, tanpa karakter kendali.");
inline const QString noReason = QStringLiteral("Tulis alasan koreksi.");
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
inline const QString addressInvalid = QStringLiteral("alamat basis data tidak sah: %1 (%2)");
inline const QString addressUnreadable = QStringLiteral("bentuk alamat tidak dikenal");
inline const QString addressBadValue = QStringLiteral("nilai %1 tidak sah");
inline const QString addressUnknownKeyword = QStringLiteral("kata kunci %1 tidak dikenal");
inline const QString passwordInAddress
    = QStringLiteral("kata sandi tidak boleh di alamat; pakai ~/.pgpass atau PGPASSWORD");
inline const QString alreadyCorrected = QStringLiteral("entri %1 sudah dikoreksi");
inline const QString unknownEntry = QStringLiteral("entri %1 tidak ada");
inline const QString busy = QStringLiteral("catatan sedang dipakai proses lain");
inline const QString waiting
    = QStringLiteral("catatan sedang dipakai pengguna lain; menunggu paling lama %1 detik");
inline const QString cannotRead = QStringLiteral("Catatan bengkel tidak dapat dibaca (%1): %2");
inline const QString atPlace = QStringLiteral("%1 (%2)");
inline const QString damaged = QStringLiteral(
    "catatan rusak; salin entri yang masih utuh dengan: dipo-log selamatkan --output BERKAS.csv");
inline const QString correctionLoop = QStringLiteral("rantai koreksi entri %1 berputar");
inline const QString diskFull = QStringLiteral("disk penuh");
inline const QString diskError = QStringLiteral("gagal membaca atau menulis disk");
inline const QString noPermission = QStringLiteral("tidak ada izin");
inline const QString cannotOpenFile = QStringLiteral("berkas tidak dapat dibuka");
inline const QString conflict = QStringLiteral("entri bentrok dengan isi catatan");
inline const QString serverTooSlow = QStringLiteral("server terlalu lama menjawab");
inline const QString serverGone = QStringLiteral("sambungan ke server terputus");
inline const QString serverFull = QStringLiteral("server kehabisan ruang atau memori");
inline const QString serverNoAnswer = QStringLiteral("server tidak menjawab");
inline const QString serverBusy = QStringLiteral("server belum menerima sambungan");
inline const QString serverRefused
    = QStringLiteral("server menolak: pengguna, kata sandi atau nama basis data tidak diterima");
inline const QString commandFailed = QStringLiteral("perintah basis data gagal (kode %1)");
inline const QString folderOpen
    = QStringLiteral("folder %1 dapat ditulisi orang lain; pakai folder milik sendiri");
inline const QString folderForeign = QStringLiteral("folder %1 milik pengguna lain");
inline const QString danglingLink = QStringLiteral("tautan ke berkas yang tidak ada");
inline const QString notAFile = QStringLiteral("bukan berkas biasa");
inline const QString noFile = QStringLiteral("berkas tidak ada");
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
inline const QString csvTooLong = QStringLiteral("baris lebih dari %1 MB");
inline const QString csvTwoCorrections
    = QStringLiteral("entri %1 sudah dikoreksi di baris %2; satu entri hanya satu koreksi");
inline const QString csvReference = QStringLiteral("mengoreksi entri yang tidak ada di berkas");

} // namespace dipo::worklog::texts
