// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/outsidefile.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dipo::outside {

namespace {

QString kindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QStringLiteral("FIFO");
    if (S_ISDIR(mode))
        return QStringLiteral("folder");
    if (S_ISSOCK(mode))
        return QStringLiteral("socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("perangkat");
    return QStringLiteral("jenis lain");
}

// Judges what stat() or fstat() found; true when it may be read.
bool admissible(const struct stat &status, qint64 cap, Refusal *refusal)
{
    if (!S_ISREG(status.st_mode)) {
        *refusal = { Refusal::Kind::NotRegular,
            QStringLiteral("bukan berkas biasa (%1)").arg(kindOf(status.st_mode)) };
        return false;
    }
    if (qint64(status.st_size) > cap) {
        *refusal = { Refusal::Kind::TooLarge, tooLargeReason(cap) };
        return false;
    }
    return true;
}

Refusal fromErrno(int error)
{
    if (error == ENOENT || error == ENOTDIR || error == ELOOP)
        return { Refusal::Kind::Missing, QStringLiteral("berkas tidak ada") };
    if (error == EACCES || error == EPERM)
        return { Refusal::Kind::Unreadable, QStringLiteral("tidak ada izin membaca") };
    return {
        Refusal::Kind::Unreadable,
        QStringLiteral("tidak dapat dibaca (%1)").arg(QString::fromLocal8Bit(std::strerror(error)))
    };
}

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    { }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

QString tooLargeReason(qint64 cap)
{
    const qint64 mebibyte = 1024 * 1024;
    const QString size = cap % mebibyte == 0 ? QStringLiteral("%1 MB").arg(cap / mebibyte)
                                             : QStringLiteral("%1 byte").arg(cap);
    return QStringLiteral("berkas lebih dari %1, tidak dibaca").arg(size);
}

std::optional<QByteArray> readFile(const QString &path, qint64 cap, Refusal *refusal)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat status = {};
    if (::stat(native.constData(), &status) != 0) {
        *refusal = fromErrno(errno);
        return std::nullopt;
    }
    if (!admissible(status, cap, refusal))
        return std::nullopt;
    // O_NONBLOCK: the name may have been swapped for a FIFO since stat().
    Descriptor file(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        *refusal = fromErrno(errno);
        return std::nullopt;
    }
    if (::fstat(file.get(), &status) != 0) {
        *refusal = fromErrno(errno);
        return std::nullopt;
    }
    if (!admissible(status, cap, refusal))
        return std::nullopt;
    QByteArray bytes;
    bytes.resize(qsizetype(status.st_size));
    qint64 filled = 0;
    // One byte past the cap tells a file that grew since fstat() from one that did not.
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > cap)
                break;
            bytes.resize(qsizetype(qMin(cap + 1, qMax<qint64>(filled * 2, 4096))));
        }
        const ssize_t got
            = ::read(file.get(), bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            *refusal = fromErrno(errno);
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > cap) {
        *refusal = { Refusal::Kind::TooLarge, tooLargeReason(cap) };
        return std::nullopt;
    }
    bytes.resize(qsizetype(filled));
    return bytes;
}

namespace {

// The descriptor's path for a folder whose name does not decode, else the name as text.
QString reachableName(const QByteArray &raw)
{
    const QString decoded = QFile::decodeName(raw);
    if (QFile::encodeName(decoded) == raw)
        return decoded;
    struct stat status = {};
    if (::stat(raw.constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return decoded;
    const int fd = ::open(raw.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return decoded;
    return QStringLiteral("/proc/self/fd/%1").arg(fd); // left open on purpose
}

} // namespace

QStringList arguments(int argc, char **argv)
{
    QStringList result;
    for (int i = 0; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        const qsizetype equals = raw.indexOf('=');
        if (i == 0)
            result << QFile::decodeName(raw);
        else if (raw.startsWith("--") && equals > 0)
            result << QFile::decodeName(raw.left(equals + 1)) + reachableName(raw.mid(equals + 1));
        else
            result << reachableName(raw);
    }
    return result;
}

} // namespace dipo::outside
