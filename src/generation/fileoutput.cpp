#include "generation/fileoutput.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "generation/filename.h"
#include "generation/folderhold.h"

#if defined(Q_OS_UNIX)
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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
    removeStaleTemporaries(path);
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

// The names writeAtomically() gives its temporary files: "." + the target's name + "." + eight
// lower-case hex digits + ".tmp".
bool isTemporaryName(const char *name)
{
    const std::size_t length = std::strlen(name);
    constexpr std::size_t suffix = 1 + 8 + 4; // ".xxxxxxxx.tmp"
    if (length < 2 + suffix || name[0] != '.' || std::strcmp(name + length - 4, ".tmp") != 0 ||
        name[length - suffix] != '.')
        return false;
    for (std::size_t i = length - suffix + 1; i < length - 4; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])) && (name[i] < 'a' || name[i] > 'f'))
            return false;
    }
    return true;
}

// Old enough that no writer is still at it: a file is written in one go right after its
// temporary is created.
constexpr time_t staleSeconds = 60;

// Removes a staging folder that a killed run left in @p folderFd, when it is a real folder of
// this user's and old enough; nothing in it is followed through a link.
void removeStagingFolder(int folderFd, const char *name, const QString &folder, FileOutput::Age age, time_t now)
{
    struct stat status = {};
    if (::fstatat(folderFd, name, &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::geteuid())
        return;
    if (age == FileOutput::Age::Stale && now - status.st_mtime < staleSeconds)
        return;
    // However old it looks, a folder a live run holds is still being filled; held here, it
    // cannot be taken up while it goes.
    const FolderHold held = FolderHold::take(folderFd, name);
    if (!held.isHeld())
        return;
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::path(QFile::encodeName(folder).toStdString()) / name, error);
}

} // namespace

bool FileOutput::isStagingName(const QString &name)
{
    static const QString marker = QStringLiteral(".iconsmith-staging-");
    const qsizetype at = name.lastIndexOf(marker);
    if (!name.startsWith(u'.') || at < 0 || name.size() != at + marker.size() + 8)
        return false;
    const QStringView digits = QStringView(name).right(8);
    return std::ranges::all_of(digits, [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'); });
}

bool FileOutput::isLeftoverName(const QString &name)
{
    return isStagingName(name) || isTemporaryName(QFile::encodeName(name).constData());
}

void FileOutput::removeStaleTemporaries(const QString &folder, Age age)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr)
        return;
    const int folderFd = ::dirfd(dir);
    const time_t now = ::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        if (isStagingName(QFile::decodeName(entry->d_name))) {
            removeStagingFolder(folderFd, entry->d_name, folder, age, now);
            continue;
        }
        if (!isTemporaryName(entry->d_name))
            continue;
        // Never through a link, never blocking on a FIFO: only a regular file of this user's.
        const int fd = ::openat(folderFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened = {};
        struct stat named = {};
        // A writer that is still running holds the lock; the name must still be the file that
        // was judged when it is removed.
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
            now - opened.st_mtime >= staleSeconds && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(folderFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_ino == opened.st_ino &&
            named.st_dev == opened.st_dev)
            ::unlinkat(folderFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

Result<void> FileOutput::writeAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return Failure{QStringLiteral("A folder of that name is in the way")};
    // The temporary file sits beside the target so that the rename stays within one file system.
    // Its name adds 14 bytes to the target's, so a long name is cut (never inside a UTF-8
    // sequence) to keep it within the longest name the file system takes.
    QByteArray stem = QFile::encodeName(target.fileName());
    constexpr qsizetype added = 1 + 1 + 8 + 4; // "." + "." + eight hex digits + ".tmp"
    if (stem.size() > FileName::maxBytes - added) {
        stem.truncate(FileName::maxBytes - added);
        while (!stem.isEmpty() && (static_cast<unsigned char>(stem.back()) & 0xC0) == 0x80)
            stem.chop(1);
        if (!stem.isEmpty() && (static_cast<unsigned char>(stem.back()) & 0x80) != 0)
            stem.chop(1); // the lead byte of the sequence that was cut
    }
    const QByteArray temporaryName =
        QFile::encodeName(target.absolutePath()) + "/." + stem +
        QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')).toLatin1();
    const QByteArray targetName = QFile::encodeName(path);

    // Mode 0666 lets the process umask decide, as for any file the user creates; a file being
    // replaced keeps its own permissions.
    const int fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return Failure{systemError(errno)};
    // Only a regular file passes its mode on: a link being replaced must not lend the
    // permissions of whatever it points to.
    struct stat existing = {};
    if (::lstat(targetName.constData(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd, existing.st_mode & 07777);
    // Held while the file is written: a run cleaning up stale temporary files leaves alone one
    // whose writer still holds the lock, however long it stalls (its age alone spares it only
    // for a minute).
    (void)::flock(fd, LOCK_EX | LOCK_NB);
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

bool FileOutput::isStagingName(const QString &name)
{
    return name.startsWith(u'.') && name.contains(QStringLiteral(".iconsmith-staging-"));
}

bool FileOutput::isLeftoverName(const QString &name)
{
    return isStagingName(name);
}

void FileOutput::removeStaleTemporaries(const QString &, Age)
{
    // QSaveFile names and removes its own temporary files.
}

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
