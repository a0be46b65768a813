// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculators/logic/calctexts.h"

#include <QString>
#include <QStringList>

#include <cstddef>

// The program's calculators, one row each: the key a repair link of the knowledge base
// names it by, its caption, its window's name and frame, its place on the main menu,
// and what its sheet and charts are called. The knowledge base's links (and the enum of
// kb.schema.json), the form registry and the main menu follow this table; tst_repairs
// checks them against it. The windows are bound to the rows in
// calculators/calculatorwindows.cpp.
//
// A new calculator: a row here, a formula file beside this one, a window file (a
// calc::CalculatorWindow) and its line in calculatorwindows.cpp; the schema's enum gets
// the key.
namespace dipo::calc {

// Where the main menu offers a calculator: the plate's button and label, the label's
// text, the button's caption, the icon, and the place in the menu's grid (column 0 on
// the left, 1 on the right; row 0 at the top). No button name: not on the main menu.
struct MenuPlace
{
    const char *buttonName;
    const char *labelName;
    const char *label;
    const char *caption;
    const char *icon;
    int column;
    int row;

    constexpr bool exists() const { return buttonName != nullptr; }
};

// A frame's rows as a sheet lists them (see calctexts.h).
struct FieldRows
{
    const texts::FieldText *rows;
    std::size_t count;
};
template <std::size_t N> constexpr FieldRows fieldRows(const texts::FieldText (&rows)[N])
{
    return FieldRows { rows, N };
}

// A calculator whose window opens this one, and the control there that does.
struct OpenedFrom
{
    const char *key;
    const char *control;
};

inline constexpr std::size_t kMaxCharts = 4;

struct Calculator
{
    const char *key; // as a repair link names it: {"calculator": "brakeLife"}
    const char *caption; // a repair link's text in the diagnosis
    const char *objectName; // the window's
    const char *windowCaption;
    const char *title; // the title panel across the window's top
    const char *background; // the window's picture
    // The calculation sheet's subheading, the sheet's file name and the charts window's
    // caption ("Grafik — <sheet name>").
    const char *sheetName;
    // The sheet's inputs and results, in the order of the window's frames.
    FieldRows inputs;
    FieldRows results;
    // The charts a PROSES draws, by object name, in the charts window's tab order.
    const char *charts[kMaxCharts];
    MenuPlace menu;
    // For a calculator the menu does not offer: where its window is opened.
    OpenedFrom openedFrom;
};

// Repair links list the calculators in this order.
inline constexpr Calculator kCalculators[] = {
    { "brakeLife", "Prediksi umur kampas rem", "umurrem", texts::kBrakeLifeCaption,
        texts::kBrakeTitle, "umurrem_background.jpg", "Umur kampas rem",
        fieldRows(texts::kBrakeLifeInputs), fieldRows(texts::kBrakeLifeResults),
        { "GrafikTebal", "GrafikUmur" },
        { "SpeedButton6", "Label4", "Memprediksi  Umur pakai Komponen", "Virodo dan Gaya Rem",
            "menu_icon_brake.jpg", 1, 0 },
        {} },
    { "brakeForce", "Perhitungan gaya rem", "gayrem", texts::kBrakeForceCaption,
        texts::kBrakeTitle, "gayrem_background.jpg", "Gaya rem dan jarak pengereman",
        fieldRows(texts::kBrakeForceInputs), fieldRows(texts::kBrakeForceResults),
        { "GrafikJarak", "GrafikPersentase" }, {}, { "brakeLife", "CheckBox2" } },
    { "dieselPower", "Perhitungan daya motor diesel", "DM", texts::kDieselCaption,
        texts::kDieselTitle, "dm_background.jpg", "Daya motor diesel",
        fieldRows(texts::kDieselInputs), fieldRows(texts::kDieselResults), { "GrafikDaya" },
        { "SpeedButton7", "Label5", "Memprediksi Daya Komponen", "Mesin diesel",
            "menu_icon_diesel.jpg", 1, 1 },
        {} },
};

// A text of the table as the program shows it.
inline QString tableText(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// The keys, in the table's order.
QStringList calculatorKeys();

// The row of this key; null for a key the table lacks.
const Calculator *calculatorByKey(const QString &key);

// The row of this key, which must be in the table (a window's own key).
const Calculator &calculatorRow(const char *key);

// The object names of the row's charts, in tab order.
QStringList chartNames(const Calculator &calculator);

} // namespace dipo::calc
