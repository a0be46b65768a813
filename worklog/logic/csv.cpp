// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/logic/csv.h"

#include "worklog/logic/worklogtexts.h"

#include "common/logic/savefile.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>

namespace dipo::worklog::csv {

namespace {

const QByteArray kBom("\xEF\xBB\xBF");
const QStringList kColumns { QStringLiteral("nomor"), QStringLiteral("jenis"),
    QStringLiteral("tanggal"), QStringLiteral("lokomotif"), QStringLiteral("teknisi"),
    QStringLiteral("sistem"), QStringLiteral("hasil"), QStringLiteral("tidak_terdefinisi"),
    QStringLiteral("catatan"), QStringLiteral("mengoreksi"), QStringLiteral("langkah"),
    QStringLiteral("perbaikan") };
constexpr int kMaxFaults = 20;

void appendField(QByteArray &out, const QString &text)
{
    out += '"';
    const QByteArray bytes = text.toUtf8();
    if (!bytes.contains('"')) {
        out += bytes;
    } else {
        for (const char c : bytes) {
            if (c == '"')
                out += '"';
            out += c;
        }
    }
    out += '"';
}

// JSON strings written directly: QJsonDocument costs more than the rest of a record.
void appendJsonString(QString &out, const QString &text)
{
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
}

QString jsonRows(const QList<QStringList> &rows)
{
    QString out = QStringLiteral("[");
    for (qsizetype r = 0; r < rows.size(); ++r) {
        out += r ? QLatin1String(",[") : QLatin1String("[");
        for (qsizetype i = 0; i < rows.at(r).size(); ++i) {
            if (i)
                out += QLatin1Char(',');
            appendJsonString(out, rows.at(r).at(i));
        }
        out += QLatin1Char(']');
    }
    return out + QLatin1Char(']');
}

QString stepsJson(const QList<Step> &steps)
{
    QList<QStringList> rows;
    for (const Step &step : steps)
        rows.append({ step.answer, step.question });
    return jsonRows(rows);
}

QString repairsJson(const QList<RepairLink> &repairs)
{
    QList<QStringList> rows;
    for (const RepairLink &link : repairs)
        rows.append({ link.kind, link.key, link.caption });
    return jsonRows(rows);
}

// The rows of RFC 4180 text, each with the line it starts on.
struct RawRow
{
    int line = 0;
    QStringList fields;
};

bool splitRows(const QString &text, QList<RawRow> &rows, QString *why, int *badLine)
{
    RawRow row { 1, {} };
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto endRecord = [&]() {
        row.fields << field;
        field.clear();
        wasQuoted = false;
        // A blank line is no record.
        if (!(row.fields.size() == 1 && row.fields.constFirst().isEmpty()))
            rows.append(row);
        row = RawRow { line, {} };
    };
    while (i < n) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    i += 2;
                    continue;
                }
                quoted = false;
                ++i;
                continue;
            }
            if (c == QLatin1Char('\n'))
                ++line;
            field += c;
            ++i;
            continue;
        }
        if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
            ++i;
        } else if (c == QLatin1Char(',')) {
            row.fields << field;
            field.clear();
            wasQuoted = false;
            ++i;
        } else if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) {
            ++line;
            i += 2;
            endRecord();
        } else if (c == QLatin1Char('\n')) {
            ++line;
            ++i;
            endRecord();
        } else {
            field += c;
            ++i;
        }
    }
    if (quoted) {
        *why = texts::csvQuote;
        *badLine = row.line;
        return false;
    }
    if (!field.isEmpty() || !row.fields.isEmpty())
        endRecord();
    return true;
}

std::optional<QList<Step>> stepsFrom(const QString &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<Step> steps;
    for (const QJsonValue &value : document.array()) {
        const QJsonArray pair = value.toArray();
        if (pair.size() != 2 || !pair.at(0).isString() || !pair.at(1).isString())
            return std::nullopt;
        steps.append(Step { pair.at(1).toString(), pair.at(0).toString() });
    }
    return steps;
}

std::optional<QList<RepairLink>> repairsFrom(const QString &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<RepairLink> links;
    for (const QJsonValue &value : document.array()) {
        const QJsonArray triple = value.toArray();
        if (triple.size() != 3)
            return std::nullopt;
        for (const QJsonValue &part : triple) {
            if (!part.isString())
                return std::nullopt;
        }
        links.append(RepairLink {
            triple.at(0).toString(), triple.at(1).toString(), triple.at(2).toString() });
    }
    return links;
}

} // namespace

QByteArray header()
{
    return kColumns.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QByteArray record(const Entry &entry)
{
    QByteArray out;
    out += QByteArray::number(entry.id);
    out += entry.kind == Kind::Job ? ",job," : ",diagnosis,";
    out += entry.when.toUTC().toString(Qt::ISODate).toUtf8();
    for (const QString *text :
        { &entry.locomotive, &entry.technician, &entry.system, &entry.subject }) {
        out += ',';
        appendField(out, *text);
    }
    out += entry.notDefined ? ",1," : ",0,";
    appendField(out, entry.note);
    out += ',';
    if (entry.corrects > 0)
        out += QByteArray::number(entry.corrects);
    out += ',';
    appendField(out, stepsJson(entry.steps));
    out += ',';
    appendField(out, repairsJson(entry.repairs));
    out += "\r\n";
    return out;
}

bool write(Store &store, const Filter &filter, QIODevice *device, QString *why)
{
    const auto put = [&](const QByteArray &bytes) {
        if (device->write(bytes) == bytes.size())
            return true;
        *why = device->errorString();
        return false;
    };
    if (!put(kBom + header()))
        return false;
    QByteArray chunk;
    bool written = true;
    const bool read = store.forEachEntry(filter, [&](const Entry &entry) {
        chunk += record(entry);
        if (chunk.size() > (1 << 16)) {
            written = put(chunk);
            chunk.clear();
        }
        return written;
    });
    if (!written)
        return false;
    if (!read) {
        *why = store.errorString();
        return false;
    }
    return put(chunk);
}

bool save(Store &store, const Filter &filter, const QString &path, QString *why)
{
    *why = files::saveWhole(path, [&](QIODevice *device, QString *sourceWhy) {
        return write(store, filter, device, sourceWhy);
    });
    return why->isEmpty();
}

Parsed parse(const QByteArray &bytes)
{
    Parsed parsed;
    QByteArray body = bytes;
    if (body.startsWith(kBom))
        body.remove(0, kBom.size());
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(body);
    if (decoder.hasError()) {
        // The line the first bad byte is on: no UTF-8 sequence spans a line feed.
        int line = 1;
        for (const QByteArray &part : body.split('\n')) {
            if (QString::fromUtf8(part).toUtf8() != part)
                break;
            ++line;
        }
        parsed.faults << texts::csvRow.arg(line).arg(texts::csvUtf8);
        return parsed;
    }
    QList<RawRow> rows;
    QString why;
    int badLine = 0;
    if (!splitRows(text, rows, &why, &badLine)) {
        parsed.faults << texts::csvRow.arg(badLine).arg(why);
        return parsed;
    }
    if (rows.isEmpty() || rows.constFirst().fields != kColumns) {
        parsed.faults << texts::csvRow.arg(1).arg(texts::csvHeader);
        return parsed;
    }
    QHash<qint64, qsizetype> byNumber; // the file's numbers to the entries read
    for (qsizetype r = 1; r < rows.size() && parsed.faults.size() < kMaxFaults; ++r) {
        const RawRow &row = rows.at(r);
        const auto fault
            = [&](const QString &what) { parsed.faults << texts::csvRow.arg(row.line).arg(what); };
        if (row.fields.size() != kColumns.size()) {
            fault(texts::csvColumns);
            continue;
        }
        const QStringList &f = row.fields;
        Entry entry;
        bool ok = false;
        const qint64 number = f.at(0).toLongLong(&ok);
        if (!ok || number <= 0 || byNumber.contains(number)) {
            fault(texts::csvField.arg(kColumns.at(0)));
            continue;
        }
        if (f.at(1) == QLatin1String("diagnosis")) {
            entry.kind = Kind::Diagnosis;
        } else if (f.at(1) == QLatin1String("job")) {
            entry.kind = Kind::Job;
        } else {
            fault(texts::csvKind);
            continue;
        }
        entry.when = QDateTime::fromString(f.at(2), Qt::ISODate);
        if (!entry.when.isValid()) {
            fault(texts::csvField.arg(kColumns.at(2)));
            continue;
        }
        entry.locomotive = f.at(3);
        entry.technician = f.at(4);
        entry.system = f.at(5);
        entry.subject = f.at(6);
        if (f.at(7) != QLatin1String("0") && f.at(7) != QLatin1String("1")) {
            fault(texts::csvField.arg(kColumns.at(7)));
            continue;
        }
        entry.notDefined = f.at(7) == QLatin1String("1");
        entry.note = f.at(8);
        if (!f.at(9).isEmpty()) {
            const qint64 corrects = f.at(9).toLongLong(&ok);
            const auto earlier = byNumber.constFind(corrects);
            if (!ok || earlier == byNumber.constEnd()) {
                fault(texts::csvReference);
                continue;
            }
            entry.corrects = -(*earlier + 1);
        }
        const auto steps = stepsFrom(f.at(10));
        const auto repairs = repairsFrom(f.at(11));
        if (!steps || !repairs) {
            fault(texts::csvField.arg(steps ? kColumns.at(11) : kColumns.at(10)));
            continue;
        }
        entry.steps = *steps;
        entry.repairs = *repairs;
        if (const QString problem = checkEntry(entry); !problem.isEmpty()) {
            fault(problem);
            continue;
        }
        byNumber.insert(number, parsed.entries.size());
        parsed.entries.append(entry);
    }
    if (!parsed.faults.isEmpty())
        parsed.entries.clear();
    return parsed;
}

} // namespace dipo::worklog::csv
