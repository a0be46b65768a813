// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the diagnosis window, blank for blank. The questions and
// conclusions are in the knowledge base files (kb/).
namespace dipo::diagnosis::texts {

inline const QString caption = QStringLiteral("diagno");
inline const QString title = QStringLiteral("MENDIAGNOSIS KERUSAKAN KOMPONEN");
inline const QString systemListTitle = QStringLiteral("Jenis Gangguan");

// In the order of the knowledge base files.
inline const QStringList systemNames = {
    QStringLiteral("sistem pengerak mesin"),
    QStringLiteral("sistem pendingin"),
    QStringLiteral("sistem pelumasan"),
    QStringLiteral("sistem bahan bakar"),
    QStringLiteral("sistem gas buang"),
    QStringLiteral("sistem rem"),
};

inline const QString mulai = QStringLiteral("Mulai");
inline const QString ulangi = QStringLiteral("Ulangi");
inline const QString ya = QStringLiteral("YA");
inline const QString tidak = QStringLiteral("TIDAK");
inline const QString infoKu = QStringLiteral("Info ku");
inline const QString tutup = QStringLiteral("Tutup");
inline const QString questionLabel = QStringLiteral("PERTANYAAN  ::");

inline const QStringList explanation = {
    QStringLiteral("   "),
    QStringLiteral("   Pendiagnosisan kerusakan ini adalah untuk "),
    QStringLiteral("   mengetahui letak dari kerusakan dari gejala"),
    QStringLiteral("   gejala yang ditimbulkan oleh motor pengerak "),
    QStringLiteral("   diesel dan Rem. Pencarian kerusakan ini di"),
    QStringLiteral("   klasifikasikan atau dikelompokan kedalam "),
    QStringLiteral("   lima sistim pada mesin dan satu sistem pada Rem."),
    QStringLiteral("   Tujuannya untuk pengklasifikasian gejala tersebut "),
    QStringLiteral("   adalah untuk memudahkan dan mempercepat "),
    QStringLiteral("   pencarian letak kerusakan pada lokomotif "),
};

// What the window itself writes into the question box; none of them is a question.
inline const QString promptFresh
    = QStringLiteral("silahkan pilih dahulu letak kerusakan yang akan didiagnosis");
inline const QString promptChosen
    = QStringLiteral("silahkan tekan tombol mulai untuk mendiagnosis ");
inline const QString promptReset
    = QStringLiteral("silahkan pilih jenis kerusakan yang akan didiagnosis yach?");
inline const QString promptConcluded = QStringLiteral("lihat hasil diagnosa ");

inline const QString resultTitle = QStringLiteral("HASIL DIAGNOSA: ");

// The procedures a fault leads to, under the result box.
inline const QString repairsLabel = QStringLiteral("Langkah perbaikan");
inline const QString repairsHint = QStringLiteral("Enter atau Spasi membuka langkah perbaikan");

} // namespace dipo::diagnosis::texts
