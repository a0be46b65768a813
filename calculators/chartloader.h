// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace dipo::calc {

class ChartMaker;

// The chart module, loaded on first use and kept; null when it cannot be loaded, the
// reason in chartModuleError(). DIPO_CHART_MODULE names another module file.
ChartMaker *chartMaker();
QString chartModuleError();

} // namespace dipo::calc
