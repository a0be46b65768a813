// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/logic/csv.h"

#include "worklog/logic/worklogtexts.h"

#include "common/logic/savefile.h"

#include "common/logic/outsidefile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dipo::worklog::csv {

namespace {

const QByteArray kBom("\xEF\xBB\xBF");
// The columns before the kind's word was added; files with them are still read.
const QStringList kFirstColumns { QStringLiteral("nomor"), QStringLiteral("jenis"),
    QStringLiteral("tanggal"), QStringLiteral("lokomotif"), QStringLiteral("teknisi"),
    QStringLiteral("sistem"), QStringLiteral("hasil"), QStringLiteral("tidak_terdefinisi"),
    QStringLiteral("catatan"), QStringLiteral("mengoreksi"), QStringLiteral("langkah"),
    QStringLiteral("perbaikan") };
// Added last, so that every earlier column keeps its place for scripts.
// Read as written before: the first columns, then the kind's name.
const QStringList kKindNamedColumns = kFirstColumns + QStringList { QStringLiteral("nama_jenis") };
// When the entry was written, why it corrects another, and the planned task a job did.
const QStringList kColumns = kKindNamedColumns
    + QStringList { QStringLiteral("dicatat"), QStringLiteral("alasan"), QStringLiteral("tugas") };
constexpr int kMaxFaults = 20;
// A record holds at most a few notes of 2,000 characters and a trail of some hundred
// steps: anything near this is no export of the log.
constexpr qint64 kMaxRecordBytes = 4 * 1024 * 1024;

char separator(Form form)
{
    return form == Form::Semicolon ? ';' : ',';
}

// Whether a text begins, after any apostrophes, with what a spreadsheet runs as a formula.
bool formulaLike(const QString &text)
{
    qsizetype at = 0;
    while (at < text.size() && text.at(at) == QLatin1Char('\''))
        ++at;
    if (at == text.size())
        return false;
    switch (text.at(at).unicode()) {
    case '=':
    case '+':
    case '-':
    case '@':
    case '\t':
    case '\r':
        return true;
    default:
        return false;
    }
}

// The text as the semicolon form's reader gives it back: one apostrophe off a text that
// the writer guarded.
QString unguarded(const QString &text)
{
    return text.startsWith(QLatin1Char('\'')) && formulaLike(text) ? text.mid(1) : text;
}

QByteArray dateText(const QDateTime &when)
{
    const QDateTime local = when.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toUtf8();
}

void appendField(QByteArray &out, const QString &text, Form form)
{
    out += '"';
    if (form == Form::Semicolon && formulaLike(text))
        out += '\'';
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

// The records of RFC 4180 text, read from a device a piece at a time, each with the
// line it starts on. Quotes, commas and line ends are ASCII, which no UTF-8 sequence
// holds, so the bytes are split first and each field decoded on its own.
struct RawRow
{
    int line = 0;
    QStringList fields;
};

class RecordReader
{
public:
    explicit RecordReader(QIODevice *device)
        : m_device(device)
    { }

    // The next record; false at the end, or on a fault (then fault() says which).
    bool next(RawRow &row)
    {
        for (;;) {
            if (!readRecord(row))
                return false;
            // A blank line is no record.
            if (!(row.fields.size() == 1 && row.fields.constFirst().isEmpty()))
                return true;
        }
    }
    const QString &fault() const { return m_fault; }
    int faultLine() const { return m_faultLine; }
    // The separator the first record showed: a comma or a semicolon.
    char separator() const { return m_separator; }

private:
    int get()
    {
        if (m_pos == m_buffer.size()) {
            if (m_end)
                return -1;
            m_buffer = m_device->read(kReadChunk);
            m_pos = 0;
            if (m_buffer.isEmpty()) {
                m_end = true;
                return -1;
            }
            if (m_first) {
                m_first = false;
                while (m_buffer.size() < 3 && !m_device->atEnd()) {
                    const QByteArray more = m_device->read(3 - m_buffer.size());
                    if (more.isEmpty())
                        break;
                    m_buffer += more;
                }
                if (m_buffer.startsWith(kBom))
                    m_pos = kBom.size();
                if (m_pos == m_buffer.size())
                    return get();
            }
        }
        ++m_recordBytes;
        return static_cast<unsigned char>(m_buffer.at(m_pos++));
    }
    int peek()
    {
        const int c = get();
        if (c >= 0) {
            --m_pos;
            --m_recordBytes;
        }
        return c;
    }
    bool refuse(const QString &why, int line)
    {
        m_fault = why;
        m_faultLine = line;
        return false;
    }
    bool endField(RawRow &row, QByteArray &field, int fieldLine)
    {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(field);
        if (decoder.hasError()) {
            // The line of the first bad byte: no UTF-8 sequence spans a line feed.
            const QString good = QString::fromUtf8(field);
            const QByteArray back = good.toUtf8();
            qsizetype at = 0;
            while (at < field.size() && at < back.size() && field.at(at) == back.at(at))
                ++at;
            return refuse(texts::csvUtf8, fieldLine + int(field.left(at).count('\n')));
        }
        row.fields << text;
        field.clear();
        return true;
    }
    bool readRecord(RawRow &row)
    {
        row = RawRow { m_line, {} };
        m_recordBytes = 0;
        QByteArray field;
        int fieldLine = m_line;
        bool quoted = false;
        bool wasQuoted = false;
        int c = get();
        if (c < 0)
            return false;
        for (;; c = get()) {
            if (m_recordBytes > kMaxRecordBytes)
                return refuse(texts::csvTooLong.arg(kMaxRecordBytes / (1024 * 1024)), row.line);
            if (quoted) {
                if (c < 0)
                    return refuse(texts::csvQuote, row.line);
                if (c == '"') {
                    if (peek() == '"') {
                        get();
                        field += '"';
                    } else {
                        quoted = false;
                    }
                    continue;
                }
                if (c == '\n')
                    ++m_line;
                field += char(c);
                continue;
            }
            if (c < 0)
                return endField(row, field, fieldLine);
            if (c == '"' && field.isEmpty() && !wasQuoted) {
                quoted = wasQuoted = true;
            } else if (c == m_separator || (m_separator == 0 && (c == ',' || c == ';'))) {
                m_separator = char(c);
                if (!endField(row, field, fieldLine))
                    return false;
                fieldLine = m_line;
                wasQuoted = false;
            } else if (c == '\n' || (c == '\r' && peek() == '\n')) {
                if (c == '\r')
                    get();
                ++m_line;
                return endField(row, field, fieldLine);
            } else {
                field += char(c);
            }
        }
    }

    static constexpr qint64 kReadChunk = 1 << 16;
    QIODevice *m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    qint64 m_recordBytes = 0;
    int m_line = 1;
    bool m_end = false;
    bool m_first = true;
    char m_separator = 0;
    QString m_fault;
    int m_faultLine = 0;
};

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

Form spreadsheetForm(const QLocale &locale)
{
    return locale.decimalPoint() == QLatin1String(",") ? Form::Semicolon : Form::Comma;
}

QByteArray header(Form form)
{
    return kColumns.join(QLatin1Char(separator(form))).toUtf8() + "\r\n";
}

QByteArray record(const Entry &entry, Form form)
{
    const char sep = separator(form);
    QByteArray out;
    out += QByteArray::number(entry.id);
    out += sep;
    out += entry.kind == Kind::Job ? "job" : "diagnosis";
    out += sep;
    out += dateText(entry.when);
    for (const QString *text :
        { &entry.locomotive, &entry.technician, &entry.system, &entry.subject }) {
        out += sep;
        appendField(out, *text, form);
    }
    out += sep;
    out += entry.notDefined ? '1' : '0';
    out += sep;
    appendField(out, entry.note, form);
    out += sep;
    if (entry.corrects > 0)
        out += QByteArray::number(entry.corrects);
    out += sep;
    appendField(out, stepsJson(entry.steps), form);
    out += sep;
    appendField(out, repairsJson(entry.repairs), form);
    out += sep;
    appendField(out, entry.kind == Kind::Job ? texts::kindJob : texts::kindDiagnosis, form);
    out += sep;
    if (entry.recordedAt.isValid())
        out += dateText(entry.recordedAt);
    out += sep;
    appendField(out, entry.reason, form);
    out += sep;
    appendField(out, entry.task, form);
    out += "\r\n";
    return out;
}

bool write(Store &store, const Filter &filter, QIODevice *device, QString *why, Form form)
{
    const auto put = [&](const QByteArray &bytes) {
        if (device->write(bytes) == bytes.size())
            return true;
        *why = device->errorString();
        return false;
    };
    if (!put(kBom + header(form)))
        return false;
    QByteArray chunk;
    bool written = true;
    const bool read = store.forEachEntry(filter, [&](const Entry &entry) {
        chunk += record(entry, form);
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

bool save(Store &store, const Filter &filter, const QString &path, QString *why, Form form)
{
    // A device or a FIFO named as the file would be replaced by an ordinary file.
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode)
        && !S_ISDIR(status.st_mode)) {
        *why = texts::notAFile;
        return false;
    }
    *why = files::saveWhole(path, [&](QIODevice *device, QString *sourceWhy) {
        // As private as the log it comes from.
        if (auto *file = qobject_cast<QFileDevice *>(device))
            file->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return write(store, filter, device, sourceWhy, form);
    });
    return why->isEmpty();
}

std::optional<Salvaged> salvage(Store &store, const QString &path, QString *why)
{
    std::optional<Salvaged> salvaged;
    *why = files::saveWhole(path, [&](QIODevice *device, QString *sourceWhy) {
        if (auto *file = qobject_cast<QFileDevice *>(device))
            file->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (device->write(kBom + header()) < 0)
            return false;
        QByteArray chunk;
        bool written = true;
        salvaged = store.salvage([&](const Entry &entry) {
            chunk += record(entry);
            if (chunk.size() > (1 << 16)) {
                written = device->write(chunk) == chunk.size();
                chunk.clear();
            }
            return written;
        });
        if (!salvaged) {
            *sourceWhy = store.errorString();
            return false;
        }
        return written && device->write(chunk) == chunk.size();
    });
    if (!why->isEmpty())
        return std::nullopt;
    return salvaged;
}

namespace {

// Reads the records after the header one by one, checks each and hands on the good ones
// with their file number and the file number they correct (0 for none). Stops at the
// first faults; false when there were any.
class RowChecker
{
public:
    explicit RowChecker(QIODevice *device)
        : m_reader(device)
    { }

    QStringList faults;

    bool header()
    {
        RawRow row;
        if (!m_reader.next(row)
            || (row.fields != kColumns && row.fields != kKindNamedColumns
                && row.fields != kFirstColumns)) {
            faults << texts::csvRow.arg(1).arg(texts::csvHeader);
            return false;
        }
        m_columns = int(row.fields.size());
        m_form = m_reader.separator() == ';' ? Form::Semicolon : Form::Comma;
        return true;
    }

    // The next good entry; false at the end or when the faults are enough to stop.
    bool next(Entry &entry, qint64 &number, qint64 &corrects)
    {
        RawRow row;
        while (faults.size() < kMaxFaults) {
            if (!m_reader.next(row)) {
                if (!m_reader.fault().isEmpty())
                    faults << texts::csvRow.arg(m_reader.faultLine()).arg(m_reader.fault());
                return false;
            }
            const QString why = check(row, entry, number, corrects);
            if (why.isEmpty())
                return true;
            faults << texts::csvRow.arg(row.line).arg(why);
        }
        return false;
    }

private:
    QString check(RawRow &row, Entry &entry, qint64 &number, qint64 &corrects)
    {
        if (row.fields.size() != m_columns)
            return texts::csvColumns;
        if (m_form == Form::Semicolon) {
            for (QString &field : row.fields)
                field = unguarded(field);
        }
        const QStringList &f = row.fields;
        entry = Entry();
        bool ok = false;
        number = f.at(0).toLongLong(&ok);
        if (!ok || number <= 0 || m_lines.contains(number))
            return texts::csvField.arg(kColumns.at(0));
        if (f.at(1) == QLatin1String("diagnosis"))
            entry.kind = Kind::Diagnosis;
        else if (f.at(1) == QLatin1String("job"))
            entry.kind = Kind::Job;
        else
            return texts::csvKind;
        if (m_columns > kFirstColumns.size()
            && f.at(12) != (entry.kind == Kind::Job ? texts::kindJob : texts::kindDiagnosis))
            return texts::csvKind;
        if (m_columns == kColumns.size()) {
            if (!f.at(13).isEmpty()) {
                entry.recordedAt = QDateTime::fromString(f.at(13), Qt::ISODate);
                if (!entry.recordedAt.isValid())
                    return texts::csvField.arg(kColumns.at(13));
            }
            entry.reason = f.at(14);
            entry.task = f.at(15);
        }
        entry.when = QDateTime::fromString(f.at(2), Qt::ISODate);
        if (!entry.when.isValid())
            return texts::csvField.arg(kColumns.at(2));
        entry.locomotive = f.at(3);
        entry.technician = f.at(4);
        entry.system = f.at(5);
        entry.subject = f.at(6);
        if (f.at(7) != QLatin1String("0") && f.at(7) != QLatin1String("1"))
            return texts::csvField.arg(kColumns.at(7));
        entry.notDefined = f.at(7) == QLatin1String("1");
        entry.note = f.at(8);
        corrects = 0;
        if (!f.at(9).isEmpty()) {
            corrects = f.at(9).toLongLong(&ok);
            if (!ok || !m_lines.contains(corrects))
                return texts::csvReference;
            // Two corrections of one entry: the log keeps one line of versions.
            if (const auto earlier = m_correctedAt.constFind(corrects);
                earlier != m_correctedAt.constEnd())
                return texts::csvTwoCorrections.arg(corrects).arg(*earlier);
        }
        const auto steps = stepsFrom(f.at(10));
        const auto repairs = repairsFrom(f.at(11));
        if (!steps || !repairs)
            return texts::csvField.arg(steps ? kColumns.at(11) : kColumns.at(10));
        entry.steps = *steps;
        entry.repairs = *repairs;
        if (const QString problem = checkEntry(entry); !problem.isEmpty())
            return problem;
        m_lines.insert(number, row.line);
        if (corrects > 0)
            m_correctedAt.insert(corrects, row.line);
        return QString();
    }

    RecordReader m_reader;
    int m_columns = 0;
    Form m_form = Form::Comma;
    QHash<qint64, int> m_lines; // the file's numbers, to the lines they are on
    QHash<qint64, int> m_correctedAt; // numbers corrected, to the correction's line
};

} // namespace

Parsed parse(const QByteArray &bytes)
{
    Parsed parsed;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    RowChecker checker(&buffer);
    if (checker.header()) {
        QHash<qint64, qsizetype> byNumber; // the file's numbers to the entries read
        Entry entry;
        qint64 number = 0;
        qint64 corrects = 0;
        while (checker.next(entry, number, corrects)) {
            if (corrects > 0)
                entry.corrects = -(byNumber.value(corrects) + 1);
            byNumber.insert(number, parsed.entries.size());
            parsed.entries.append(entry);
        }
    }
    parsed.faults = checker.faults;
    if (!parsed.faults.isEmpty())
        parsed.entries.clear();
    return parsed;
}

std::optional<QString> openInput(const QString &path, QFile &file)
{
    // Only a regular file of a stated size: a FIFO would wait for a writer without end,
    // a device would never end.
    const bool standardInput = path == QLatin1String("-");
    const int fd = standardInput
        ? ::dup(STDIN_FILENO)
        : ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        return error == ENOENT ? texts::noFile : QString::fromLocal8Bit(std::strerror(error));
    }
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return texts::notAFile;
    }
    if (status.st_size > kMaxImportBytes) {
        ::close(fd);
        return outside::tooLargeReason(kMaxImportBytes);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return std::nullopt;
}

Imported import(Store &store, QIODevice *device)
{
    Imported result;
    RowChecker checker(device);
    if (!checker.header()) {
        result.faults = checker.faults;
        return result;
    }
    if (!store.beginImport()) {
        result.storeFailed = true;
        return result;
    }
    QHash<qint64, qint64> ids; // the file's numbers to the log's
    Entry entry;
    qint64 number = 0;
    qint64 corrects = 0;
    while (checker.next(entry, number, corrects)) {
        if (!checker.faults.isEmpty())
            continue; // only checked: nothing will be kept
        entry.corrects = corrects > 0 ? ids.value(corrects) : 0;
        const std::optional<qint64> id = store.add(entry, number);
        if (!id) {
            store.finishImport(false);
            result.storeFailed = true;
            return result;
        }
        ids.insert(number, *id);
        ++result.read;
    }
    result.faults = checker.faults;
    if (!result.faults.isEmpty()) {
        store.finishImport(false);
        result.read = 0;
        return result;
    }
    if (!store.finishImport(true)) {
        result.storeFailed = true;
        return result;
    }
    result.skipped = store.skipped();
    result.added = result.read - result.skipped;
    return result;
}

} // namespace dipo::worklog::csv
