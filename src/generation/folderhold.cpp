#include "generation/folderhold.h"

#include <QFile>

#include <utility>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace iconsmith {

#if defined(Q_OS_UNIX)

FolderHold::FolderHold(const QString &path) : FolderHold(take(AT_FDCWD, QFile::encodeName(path).constData())) {}

void FolderHold::release()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

FolderHold FolderHold::take(int folderFd, const char *name)
{
    return FolderHold(::openat(folderFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

FolderHold::FolderHold(int fd) : m_fd(fd)
{
    // A lock on an open folder is the open file's: another open of the same folder, in this
    // process too, cannot take it while this one is held.
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
        release();
}

#else

FolderHold::FolderHold(const QString &) {}

void FolderHold::release() {}

FolderHold FolderHold::take(int, const char *)
{
    return {};
}

FolderHold::FolderHold(int) {}

#endif

FolderHold::~FolderHold()
{
    release();
}

FolderHold::FolderHold(FolderHold &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

FolderHold &FolderHold::operator=(FolderHold &&other) noexcept
{
    if (this != &other) {
        release();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

} // namespace iconsmith
