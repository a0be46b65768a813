// SPDX-License-Identifier: GPL-3.0-or-later
// The log's CSV reader on any bytes: entries or faults, never both; at most its cap of
// faults, each on a line; every entry read passes the log's checks and, written out
// again in either form, reads back the same.
#include "worklog/logic/csv.h"

#include <cstdint>
#include <cstdlib>

using namespace dipo::worklog;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const csv::Parsed parsed = csv::parse(bytes);
    if (!parsed.faults.isEmpty() && !parsed.entries.isEmpty())
        std::abort();
    if (parsed.faults.size() > 20)
        std::abort();
    for (const QString &fault : parsed.faults) {
        if (!fault.startsWith(QLatin1String("baris ")))
            std::abort();
    }
    if (parsed.entries.isEmpty())
        return 0;
    for (const csv::Form form : { csv::Form::Comma, csv::Form::Semicolon }) {
        QByteArray written = "\xEF\xBB\xBF" + csv::header(form);
        for (qsizetype i = 0; i < parsed.entries.size(); ++i) {
            Entry entry = parsed.entries.at(i);
            if (!checkEntry(entry).isEmpty())
                std::abort();
            entry.id = i + 1;
            entry.corrects = entry.corrects < 0 ? -entry.corrects : 0;
            written += csv::record(entry, form);
        }
        const csv::Parsed back = csv::parse(written);
        if (!back.faults.isEmpty() || back.entries.size() != parsed.entries.size())
            std::abort();
        for (qsizetype i = 0; i < back.entries.size(); ++i) {
            if (!back.entries.at(i).sameContent(parsed.entries.at(i))
                || back.entries.at(i).corrects != parsed.entries.at(i).corrects)
                std::abort();
        }
    }
    return 0;
}
