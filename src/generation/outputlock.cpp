#include "generation/outputlock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <thread>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace iconsmith {

OutputLock::OutputLock(OutputLock &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_exclusive(std::exchange(other.m_exclusive, false)),
      m_created(std::move(other.m_created))
{
    other.m_created.clear();
}

#if defined(Q_OS_UNIX)

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Whether the name still leads to the folder that was opened: a run that removed the folder it
// had made (and then let go) leaves the waiting run holding a folder nobody can reach.
bool stillNamed(int fd, const QByteArray &name)
{
    struct stat opened = {};
    struct stat named = {};
    return ::fstat(fd, &opened) == 0 && ::stat(name.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

} // namespace

Result<OutputLock> OutputLock::acquire(const QString &folder, std::chrono::milliseconds patience,
                                       const std::stop_token &stop, const std::function<void()> &waiting)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QByteArray name = QFile::encodeName(path);
    const auto shown = [&folder] { return QDir::toNativeSeparators(folder); };
    const auto started = std::chrono::steady_clock::now();
    bool toldWaiting = false;
    for (;;) {
        OutputLock lock;
        QStringList missing;
        for (QFileInfo ancestor(path); !ancestor.exists() && !ancestor.isRoot(); ancestor.setFile(ancestor.path()))
            missing.prepend(ancestor.absoluteFilePath());
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(name.toStdString()), error);
        if (error)
            return Failure{tr("%1 cannot be made: %2").arg(shown(), QString::fromLocal8Bit(error.message()))};
        lock.m_created = missing;
        lock.m_fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (lock.m_fd < 0)
            return Failure{tr("%1 cannot be opened: %2").arg(shown(), systemError(errno))};
        if (::flock(lock.m_fd, LOCK_EX | LOCK_NB) == 0) {
            if (!stillNamed(lock.m_fd, name))
                continue; // made again on the next round, and locked there
            lock.m_exclusive = true;
            return lock;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return lock;        // the file system cannot lock: the run goes on as it would without
        lock.m_created.clear(); // not ours to remove: the run holding the folder may be using it
        if (stop.stop_requested())
            return Failure{tr("The run was cancelled while waiting for %1.").arg(shown())};
        if (std::chrono::steady_clock::now() - started >= patience)
            return Failure{tr("Another Iconsmith run is writing into %1 and did not finish within %2 seconds; "
                              "nothing was written. Try again when it has finished.")
                               .arg(shown())
                               .arg(std::chrono::duration_cast<std::chrono::seconds>(patience).count())};
        if (!toldWaiting && waiting)
            waiting();
        toldWaiting = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

OutputLock::~OutputLock()
{
    // The folders made for the run go while it still holds the lock, deepest first and only when
    // empty; a run waiting meanwhile finds the name gone and makes the folder anew.
    std::for_each(m_created.crbegin(), m_created.crend(), [](const QString &made) { QDir().rmdir(made); });
    if (m_fd >= 0)
        ::close(m_fd);
}

#else

Result<OutputLock> OutputLock::acquire(const QString &folder, std::chrono::milliseconds, const std::stop_token &,
                                       const std::function<void()> &)
{
    // No folder locks here: the run goes on as it would without.
    OutputLock lock;
    if (!QDir().mkpath(folder))
        return Failure{tr("%1 cannot be made.").arg(QDir::toNativeSeparators(folder))};
    return lock;
}

OutputLock::~OutputLock() = default;

#endif

} // namespace iconsmith
