// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every blank inside the quotes is part of a text: keep the formatter out.
// clang-format off

// The fixed texts of the calculator windows, blank for blank: labels, units, default
// texts, introductions and the conclusion lines with the gaps the values go into.
// Generated from the screen texts; edit with care, every blank is part of the text.
namespace dipo::calc::texts {

// One row of a calculator frame: control name, label on the left, unit on the right,
// default text.
struct FieldText
{
    const char *name;
    const char *label;
    const char *unit;
    const char *defaultText;
};

// Window captions, title panels, frames and buttons.
inline constexpr const char *kDieselCaption = "DM";
inline constexpr const char *kDieselTitle = "MENGHITUNG DAYA MOTOR DIESEL";
inline constexpr const char *kDieselInputFrame = " Variabel Input";
inline constexpr const char *kDieselResultFrame = " Output Proses";
inline constexpr const char *kDieselProses = " Proses";
inline constexpr const char *kDieselReplace = "Replace";
inline constexpr const char *kDieselClose = "Close";
inline constexpr const char *kStrokeItems[] = {"2", "4"};
inline constexpr const char *kCylinderItems[] = {"8", "12", "16"};

inline constexpr const char *kBrakeLifeCaption = "Menghitung Kampas & gaya Rem";
inline constexpr const char *kBrakeTitle = "MENGHITUNG UMUR DAN GAYA REM";
inline constexpr const char *kBrakeLifeInputFrame = "Input Data Pemakaian Rem";
inline constexpr const char *kBrakeLifeResultFrame = "Hasil Prediksi Umur Kampas Rem";
inline constexpr const char *kBrakeForceLink = "Clik here";
inline constexpr const char *kDaysPlaceholder = "|";
inline constexpr const char *kSpeedItems[] = {"70", "80", "90", "100"};

inline constexpr const char *kBrakeForceCaption = "menghitung umur & gaya Rem";
inline constexpr const char *kBrakeForceInputFrame = "Input Data Gaya Pengereman";
inline constexpr const char *kBrakeForceResultFrame = "Hasil Perhitungan gaya Rem";
inline constexpr const char *kSatisfying = "memuaskan";
inline constexpr const char *kUnsatisfying = "kurang memuaskan";
inline constexpr const char *kNoSkid = "tidak terjadi skid ";
inline constexpr const char *kSkid = "Terjadi skid";

inline constexpr const char *kProses = "PROSES";
inline constexpr const char *kReplace = "REPLACE";
inline constexpr const char *kClose = "CLOSE";

inline constexpr const char *kDialogCaption = "Dialog";
inline constexpr const char *kOk = "OK";

// Input and result rows, top to bottom as they stand on the screen.
inline constexpr FieldText kDieselInputs[] = {
    {"Edit9", "Daya Awal Motor Diesel (Nawal)", "PK", "1950"},
    {"edit11", "Diameter Silinder (D)", "cm", "22,86"},
    {"edit12", "Panjang Langkah Piston (L)", "cm", "26,67"},
    {"edit13", "Putaran Poros Engkol (n)", "rpm", "1050"},
    {"edit14", "Tekanan efektif Rata2* (Prata)", "kg/cm2", "18"},
    {"Edit27", "Tekanan efektif indikator (Pi-rata)", "kg/cm2", "18"},
    {"ComboBox1", "Jumlah Siklus/putaran (a)", "Tak/Langkah", "4"},
    {"ComboBox2", "Jumlah Silinder (Z)", "buah", "8"},
    {"edit18", "Jum. Bahan Bakar Digunakan (Gf)", "kg/jam)", "0,16"},
    {"edit19", "Nilai Kalor Bahan bakar (Qc)", "Kcal/kg", "10500"},
};
inline constexpr FieldText kDieselResults[] = {
    {"Edit2", "Volume Langkah Torak/Silinder (VL)", "cm3", ""},
    {"Edit3", "Kecepatan Torak Rata-rata (C)", "m/det", ""},
    {"Edit4", "Daya Motor (N)", "PK", ""},
    {"Edit5", "Torsi atau Momen Putar (T)", "m kg", ""},
    {"Edit6", "Daya Motor Efektif (Nme)", "PK", ""},
    {"Edit1", "Daya Motor indikator (Nmi)", "PK", ""},
    {"Edit7", "Efisiensi Termal Efektif (ne)", "", ""},
    {"Edit20", "Efisiensi Termal Indikator (ni)", "", ""},
    {"Edit15", "Pemakaian Bahan Bakar Spesifik (Be)", "(Kg/jam)/PK", ""},
    {"Edit17", "Efisiensi Mekanik (nm)", "", ""},
    {"Edit8", "persentase peningkatan kinerja", "%", ""},
    {"Edit10", "selisih peningkatan kinerja ", "PK", ""},
};
inline constexpr const char *kDieselIntroduction[] = {
    "Perhitungan daya motor diesel pada lokomotif adalah bertujuan untuk mengetahui daya yang dihasilkan oleh suatu mesin  sebelum ",
    "dilakukan perubahan atau berapa besar pengaruh dari perubahan komponen mesin yang dilakukan perubahan terhadap suatu ",
    "kinerja mesin ( tingkat kinerjanya) secara teroritis/simulasi.",
    "proses peningkatan kinerja suatu mesin dipengaruhi oleh beberapa faktor, variabel-variabel diatas merupakan beberapa faktor ",
    "yang mempengaruhi dalam melakukan peningkatan suatu kinerja mesin/motor, dan tidak menutup kemungkinan jika ada variabel",
    "lainnya yang dapat mempengaruhi peningkatan kinerja tersebut.",
    " ",
};
inline constexpr const char *kDieselConclusion[] = {
    "Kesimpulan :",
    "*Dari masukan data tersebut diperkirakan daya yang dihasilkan oleh mesin/motor diesel tersebut sebesar                PK, ",
    "*persentase peningkatan kinerjannya adalah               % yang berarti",
    "*dimana kecepatan rata-rata torak yang dimaksudkan untuk menghindari kerugian kerja yang terlalu besar yang dapat mengakibatkan kerja per siklus ",
    "  maksimum pada proses pengerak katup sebesar",
    "*banyaknya pemakaian bahan bakar yang terpakai per jam untuk setiap HP atau PK yang dihasilkan adalah",
    "*besarnya kerugian daya tersebut adalah",
    "           ",
    "",
};
// Below zero, above zero, exactly zero.
inline constexpr const char *kDieselVerdicts[] = {
    "Pada mesin tersebut akan terjadi penurun kinerja",
    "Mesin terjadi peningkatan kinerja",
    "Pada mesin tidak terjadi peningkatan maupun penurunan kinerja",
};
inline constexpr FieldText kBrakeLifeInputs[] = {
    {"Edit1", "Diameter Roda (D)", "mm", "774"},
    {"Edit2", "Sudut Juring Blok Rem (Q)", "", "60"},
    {"Edit3", "Lebar Blok Rem (L)", "mm", "80"},
    {"Edit4", "Tebal Blok Rem (T)", "mm", "50"},
    {"Edit5", "Tebal Minimum Rem Yg Diijinkan (Tmin)", "mm", "8"},
    {"Edit6", "Diameter Partikel abrasif (Da)", "mm", "226"},
    {"ComboBox1", "Kecepatan Rata-rata Kereta (V)", "km/jam", "70"},
    {"Edit7", "Koefisien gesek Blok Rem Dan Roda (K)", "", "0,19"},
    {"Edit8", "Faktor Material (Fm)", "", "0,8"},
    {"Edit9", "Faktor Kontak (Fk)", "", "0,8"},
    {"Edit10", "Gaya Tekan Tiap Blok Rem (Pb)", "kgf", "1661,48"},
    {"Edit11", "Kekerasan Material Blok Rem (H) ", "kgf/mm2", "165"},
    {"Edit12", "Frek. Pengereman sekali Jalan (Frem)", "kali", "10"},
    {"Edit13", "Frekwensi Perjalanan Dalam Sehari (Fj)", "kali", "4"},
};
inline constexpr FieldText kBrakeLifeResults[] = {
    {"Edit40", "Keliling Telapak Roda (Kr)", "mm", ""},
    {"Edit39", "Keliling Juring (Kj)", "mm", ""},
    {"Edit38", "Jarak Lintasan Partikel (Lp)", "mm", ""},
    {"Edit37", "Luas Bidang Kontak (Ak)", "mm2", ""},
    {"Edit36", "Volume Aus Yang diijinkan (Vijin)", "mm3", ""},
    {"Edit35", "Luas Partikel Abrasif (Ap)", "mm2", ""},
    {"Edit34", "Jumlah Partikel abrasif permukaan kontak (Npa)", "", ""},
    {"Edit33", "Jum. bidang kontak sepanjang lintasan (J)", "", ""},
    {"Edit32", "Volume aus (Vaus)", "mm3", ""},
    {"Edit31", "Umur rem (Urem)", "hari", ""},
};
inline constexpr const char *kBrakeLifeConclusion[] = {
    "prediksi yang dilakukan untuk mengetahui umur pakai komponen kampas ",
    "rem, dapat disimpulkan bahwa kelayakan umur pakai rem sampai dengan",
    "pengantiannya adalah            Hari, atau sekitar                  jam",
};
inline constexpr const char *kBrakeForceExplanation[] = {
    "Mengetahui Gaya Pengereman, Jarak Pengereman Yang  Efektif Dan untuk mengetahui Kemungkinan ",
    "Terjadinya Skid/slip Pada Roda pada Saat dilakukannya Pengereman ",
};
inline constexpr const char *kThicknessWarning[] = {
    "Masukkan data yang benar. tebal ",
    "minimum blok rem yang diijinkan,",
    "tidak boleh lebih dari atau sama",
    "dengan  tebal  blok rem .",
};
inline constexpr FieldText kBrakeForceInputs[] = {
    {"Edit14", "Lengan brake Rigging atas (a)", "mm", "475"},
    {"Edit15", "Lengan Brake Rigging Bawah (b)", "mm", "355"},
    {"Edit16", "Jumlah Roda (ia)", "", "8"},
    {"Edit17", "Luas Efektif Penampang Piston (Ae)", "cm2", "730"},
    {"Edit18", "Tekanan Maks. Dlm Silinder Rem (Pmaks)", "kg/cm2", "3,8"},
    {"Edit19", "Gaya Lawan Pegas Piston (Kf)", "kgf", "140"},
    {"Edit20", "Efisiensi Maks. Yg Diijinkan (Emaks)", "%", "100"},
    {"Edit21", "Gaya Lawan slack adjuster (Qs)", "kgf", "200"},
    {"Edit23", "Beban Berat Roda Pada Kereta kosong (Gk)", "kgf", "35500"},
    {"Edit24", "Beban Berat Roda Pada Kereta Penuh (Gp)", "kgf", "39660"},
    {"Edit25", "Kecepatan kereta api (V)", "km/jam", "70"},
    {"Edit26", "Tanjakan (It)", "derajat", "0"},
    {"Edit27", "Koefisien gesek roda dengan rem (M)", "", "0,19"},
    {"Edit3", "Koefisien gesek roda dengan rel (Fh)", "", "0,25"},
    {"Edit1", "Waktu reaksi", "detik", "1"},
};
inline constexpr FieldText kBrakeForceResults[] = {
    {"Edit14jwb", "Perbandingan lengan brake rigging (i)", "", ""},
    {"Edit15jwb", "Gaya efektif yg keluar dari abar (K)", "kgf", ""},
    {"Edit16jwb", "Gaya tekan seluruh bidur abar (P)", "kgf", ""},
    {"Edit17jwb", "Gaya tekan tiap abar (Pb)", "kgf", ""},
    {"Edit18jwb", "Berat abar (B)", "kgf", ""},
    {"Edit19jwb", "Persentase tekanan bidur abar penuh/min (np)", "%", ""},
    {"Edit20jwb", "Persentase tekanan bidur abar kosong/maks(nk)", "%", ""},
    {"Edit21jwb", "Persentase abar kosong/maks (pak)", "%", ""},
    {"Edit22jwb", "Persentase abar penuh/min (pap)", "%", ""},
    {"Edit23jwb", "Jarak pengereman (Sa)", "meter", ""},
    {"Edit2", "Analisis terjadinya skid pada roda ", "", ""},
};
inline constexpr const char *kBrakeForceIntroduction[] = {
    "Menghitungan Umur Kampas  & gaya Rem adalah bertujuan untuk mengetahui waktu pemakain komponen kampas/sepatu/virodo rem. dimana tingkat keausan pada ",
    "virodo tersebut dipengaruhui oleh beberapa faktor, antara lain : gaya pengereman, Jarak pengereman dan faktor terjadinya skid/slip pada roda saat terjadinya ",
    "pengereman.",
    "Assumsi : Peraturan Internasional dari UIC (Union Internationale des Chemins), menerapkan faktor penting dalam pengereman berupa presentase pengereman, yaitu :",
    "keadaan kosong : Persentase tekanan bidur abar =100% dan presentase abar =120 %",
    " keadaan penuh   : Persentase tekanan bidur abar =80% dan presentase abar = 50%   ",
    "- Jalan dianggap datar, tanjakan dan turunan dianggap tidak ada = 0",
};
inline constexpr const char *kBrakeForceConclusion[] = {
    "Kesimpulan :",
    "           perbandingan antara besarnya gaya tekan bidur abar pada roda dengan berat beban roda adalah           ",
    "                       pada keadaan kereta kosong =                         %, yang berarti                                                             ",
    "                       pada keadaan kereta penuh   =                         %, yang berarti                                                                  ",
    "           Perbandingan antara berat abar (sesuai peraturan) dengan berat beban roda pada kereta adalah",
    "                       pada keadaan kereta kosong =                          %, yang berarti",
    "                       pada keadaan kereta penuh   =                          %, yang berarti",
    "",
};

} // namespace dipo::calc::texts
// clang-format on
