#include "codec/regularfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace iconsmith {

QString RegularFile::sizeText(qint64 bytes)
{
    if (bytes >= (qint64(1) << 20) && bytes % (qint64(1) << 20) == 0)
        return tr("%1 MiB").arg(bytes >> 20);
    if (bytes >= 1024 && bytes % 1024 == 0)
        return tr("%1 KiB").arg(bytes >> 10);
    return tr("%n byte(s)", nullptr, int(std::min<qint64>(bytes, 1 << 30)));
}

Result<QByteArray> RegularFile::read(const QString &path, qint64 maxBytes)
{
    return readBounded(path, maxBytes, true);
}

Result<QByteArray> RegularFile::readHead(const QString &path, qint64 maxBytes)
{
    return readBounded(path, maxBytes, false);
}

#if defined(Q_OS_UNIX)

namespace {

// Closes the descriptor however the read ends.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    [[nodiscard]] int get() const { return m_fd; }

private:
    int m_fd;
};

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

Result<QByteArray> RegularFile::readBounded(const QString &path, qint64 maxBytes, bool wholeFile)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return Failure{tr("it is not a valid file name")};
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come; the descriptor
    // is then judged by fstat before anything is read.
    const Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        const int error = errno;
        return Failure{error == ENOENT ? tr("it does not exist") : systemReason(error)};
    }
    struct stat status = {};
    if (::fstat(fd.get(), &status) != 0)
        return Failure{systemReason(errno)};
    if (S_ISDIR(status.st_mode))
        return Failure{tr("it is a folder, not a file")};
    if (!S_ISREG(status.st_mode))
        return Failure{tr("it is not a regular file (a FIFO, a socket or a device); only regular files are read")};
    if (wholeFile && status.st_size > maxBytes)
        return Failure{tr("it is larger than %1, the most Iconsmith reads").arg(sizeText(maxBytes))};

    // The size is only a hint: the file may grow or shrink while it is read, and some regular
    // files (in /proc) report none at all. One byte past the limit tells that it holds more.
    const qint64 wanted = wholeFile ? maxBytes + 1 : maxBytes;
    QByteArray bytes;
    bytes.resize(qsizetype(std::clamp<qint64>(status.st_size + (wholeFile ? 1 : 0), 0, wanted)));
    qint64 filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled >= wanted)
                break;
            bytes.resize(qsizetype(std::min<qint64>(wanted, std::max<qint64>(filled * 2, qint64(64) * 1024))));
        }
        const ssize_t got = ::read(fd.get(), bytes.data() + filled, std::size_t(bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return Failure{systemReason(errno)};
        }
        if (got == 0)
            break;
        filled += got;
    }
    if (wholeFile && filled > maxBytes)
        return Failure{tr("it is larger than %1, the most Iconsmith reads").arg(sizeText(maxBytes))};
    bytes.truncate(qsizetype(filled));
    return bytes;
}

#else

Result<QByteArray> RegularFile::readBounded(const QString &path, qint64 maxBytes, bool wholeFile)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Failure{tr("it does not exist")};
    if (info.isDir())
        return Failure{tr("it is a folder, not a file")};
    if (!info.isFile())
        return Failure{tr("it is not a regular file; only regular files are read")};
    if (wholeFile && info.size() > maxBytes)
        return Failure{tr("it is larger than %1, the most Iconsmith reads").arg(sizeText(maxBytes))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{file.errorString()};
    QByteArray bytes = file.read(wholeFile ? maxBytes + 1 : maxBytes);
    if (wholeFile && bytes.size() > maxBytes)
        return Failure{tr("it is larger than %1, the most Iconsmith reads").arg(sizeText(maxBytes))};
    return bytes;
}

#endif

} // namespace iconsmith
