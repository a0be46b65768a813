// SPDX-License-Identifier: GPL-3.0-or-later
// The maintenance table reader on any bytes: a table or a TableError.
#include "maintenance/logic/maintenancetable.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        dipo::maintenance::Table::fromJson(
            QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const dipo::maintenance::TableError &) { }
    return 0;
}
