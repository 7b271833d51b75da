#include "codec/helperlauncher.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

extern char **environ; // NOLINT(readability-redundant-declaration): not declared by every libc
#endif

#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
#define ICONSMITH_SPAWN_CLOSEFROM 1
#endif

namespace iconsmith {

#if defined(ICONSMITH_SPAWN_CLOSEFROM)
const bool HelperLauncher::closesDescriptors = true;
#else
const bool HelperLauncher::closesDescriptors = false;
#endif

namespace {

// The thread every helper is started from; it waits for work as long as the program runs.
class LauncherThread
{
public:
    static LauncherThread &instance()
    {
        // Never destroyed: the thread may still wait on it while static objects are torn down.
        static auto *launcher = new LauncherThread; // NOLINT(cppcoreguidelines-owning-memory)
        return *launcher;
    }

    qint64 run(std::function<qint64()> job)
    {
        std::packaged_task<qint64()> task(std::move(job));
        std::future<qint64> result = task.get_future();
        {
            const std::lock_guard lock(m_mutex);
            m_jobs.push_back(std::move(task));
        }
        m_ready.notify_one();
        return result.get();
    }

private:
    LauncherThread()
    {
        std::thread([this] {
            for (;;) {
                std::packaged_task<qint64()> task;
                {
                    std::unique_lock lock(m_mutex);
                    m_ready.wait(lock, [this] { return !m_jobs.empty(); });
                    task = std::move(m_jobs.front());
                    m_jobs.pop_front();
                }
                task();
            }
        }).detach();
    }

    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<std::packaged_task<qint64()>> m_jobs;
};

#if defined(Q_OS_UNIX)

qint64 spawn(const QByteArray &program, const QList<QByteArray> &arguments, int channel, int channelAs)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The helper reads nothing from the program's input, and whatever a format library prints
    // must not end up in the program's own output.
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, channel, channelAs);
#if defined(ICONSMITH_SPAWN_CLOSEFROM)
    // Descriptors the program opened without close-on-exec (its own files, a library's
    // sockets) would otherwise stay open in the helper.
    posix_spawn_file_actions_addclosefrom_np(&actions, channelAs + 1);
#endif
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    QList<QByteArray> copies = arguments;
    std::vector<char *> argv;
    argv.reserve(std::size_t(copies.size()) + 1);
    for (QByteArray &argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, program.constData(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return spawned == 0 ? qint64(pid) : -1;
}

#endif

} // namespace

qint64 HelperLauncher::launch(const QByteArray &program, const QList<QByteArray> &arguments, int channel, int channelAs)
{
#if defined(Q_OS_UNIX)
    try {
        return LauncherThread::instance().run(
            [&program, &arguments, channel, channelAs] { return spawn(program, arguments, channel, channelAs); });
    } catch (const std::system_error &) {
        return -1; // no thread to be had: the caller draws in its own process
    }
#else
    Q_UNUSED(program);
    Q_UNUSED(arguments);
    Q_UNUSED(channel);
    Q_UNUSED(channelAs);
    return -1;
#endif
}

} // namespace iconsmith
