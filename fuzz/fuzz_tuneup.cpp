// SPDX-License-Identifier: GPL-3.0-or-later
// The tune-up procedure table reader on any bytes: a table or a TableError.
#include "tuneup/logic/proceduretable.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        dipo::tuneup::ProcedureTable::fromJson(
            QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const dipo::tuneup::TableError &) { }
    return 0;
}
