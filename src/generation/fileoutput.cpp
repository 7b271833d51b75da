#include "generation/fileoutput.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace iconsmith {

Result<void> FileOutput::createFolder(const QString &path)
{
    if (path.isEmpty())
        return Failure{QStringLiteral("No folder was given")};
    std::error_code error;
    const std::filesystem::path folder(QFile::encodeName(path).toStdString());
    std::filesystem::create_directories(folder, error);
    if (error)
        return Failure{QString::fromLocal8Bit(error.message())};
    if (!std::filesystem::is_directory(folder, error))
        return Failure{QStringLiteral("A file of that name is in the way")};
    return {};
}

#if defined(Q_OS_UNIX)

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes every byte, riding out interrupted and partial writes.
bool writeAll(int fd, const char *data, std::size_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        length -= std::size_t(written);
    }
    return true;
}

} // namespace

Result<void> FileOutput::writeAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return Failure{QStringLiteral("A folder of that name is in the way")};
    // The temporary file sits beside the target so that the rename stays within one file system.
    const QString temporary =
        target.absolutePath() + QStringLiteral("/.") + target.fileName() +
        QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    const QByteArray temporaryName = QFile::encodeName(temporary);
    const QByteArray targetName = QFile::encodeName(path);

    // Mode 0666 lets the process umask decide, as for any file the user creates; a file being
    // replaced keeps its own permissions.
    const int fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return Failure{systemError(errno)};
    struct stat existing = {};
    if (::stat(targetName.constData(), &existing) == 0)
        ::fchmod(fd, existing.st_mode & 07777);
    const bool written = writeAll(fd, bytes.constData(), std::size_t(bytes.size()));
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (!written || !closed) {
        ::unlink(temporaryName.constData());
        return Failure{systemError(!written ? writeError : closeError)};
    }
    // No fsync: the rename already guarantees that readers see the old file or the new one,
    // never half of one; forcing every icon to the platters would cost far more than it saves
    // for files that can be generated again.
    if (::rename(temporaryName.constData(), targetName.constData()) != 0) {
        const int renameError = errno;
        ::unlink(temporaryName.constData());
        return Failure{systemError(renameError)};
    }
    return {};
}

#else

Result<void> FileOutput::writeAtomically(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return Failure{QStringLiteral("A folder of that name is in the way")};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure{file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Failure{reason};
    }
    if (!file.commit())
        return Failure{file.errorString()};
    return {};
}

#endif

} // namespace iconsmith
