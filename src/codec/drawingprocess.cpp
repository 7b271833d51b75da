#include "codec/drawingprocess.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "codec/imagelibrary.h"
#include "codec/inputlimits.h"

#if defined(Q_OS_UNIX)
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ; // NOLINT(readability-redundant-declaration): not declared by every libc
#endif

namespace iconsmith {

namespace {

constexpr char helperName[] = "iconsmith-draw";
// The socket's descriptor in the helper, as its command line says.
constexpr int helperSocket = 3;
constexpr char greeting[] = {'I', 'S', 'D', '1'};

enum Request : std::uint8_t { Measure = 1, Draw = 2 };
enum Answer : std::uint8_t { Done = 0, Refused = 1 };

// Longest reason a helper may send back.
constexpr std::uint32_t maxReasonBytes = 4096;

} // namespace

QString DrawingProcess::helperPath()
{
    QString folder;
#if defined(Q_OS_LINUX)
    // Works without an application object too (tests, fuzz targets).
    folder = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
#endif
    if (folder.isEmpty() && QCoreApplication::instance() != nullptr)
        folder = QCoreApplication::applicationDirPath();
    if (folder.isEmpty())
        return {};
    const QString name = QString::fromLatin1(helperName);
    for (const QString &candidate : {folder + u'/' + name, folder + QStringLiteral("/../libexec/iconsmith/") + name}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return info.canonicalFilePath();
    }
    return {};
}

#if defined(Q_OS_UNIX)

namespace {

enum class Transfer { Done, TimedOut, Broken };

int remainingMilliseconds(QDeadlineTimer deadline)
{
    if (deadline.isForever())
        return -1;
    return int(std::min<qint64>(deadline.remainingTime(), INT_MAX));
}

// Waits until the socket is ready for @p events, riding out signals.
Transfer await(int socket, short events, QDeadlineTimer deadline)
{
    for (;;) {
        pollfd ready = {socket, events, 0};
        const int count = ::poll(&ready, 1, remainingMilliseconds(deadline));
        if (count > 0)
            return Transfer::Done;
        if (count == 0)
            return Transfer::TimedOut;
        if (errno != EINTR)
            return Transfer::Broken;
    }
}

Transfer sendAll(int socket, const void *data, std::size_t length, QDeadlineTimer deadline)
{
    const auto *bytes = static_cast<const char *>(data);
    while (length > 0) {
        if (const Transfer ready = await(socket, POLLOUT, deadline); ready != Transfer::Done)
            return ready;
        // Never SIGPIPE: a helper that died is an answer, not the end of the program.
        const ssize_t sent = ::send(socket, bytes, length, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)
                continue;
            return Transfer::Broken;
        }
        bytes += sent;
        length -= std::size_t(sent);
    }
    return Transfer::Done;
}

Transfer receiveAll(int socket, void *data, std::size_t length, QDeadlineTimer deadline)
{
    auto *bytes = static_cast<char *>(data);
    while (length > 0) {
        if (const Transfer ready = await(socket, POLLIN, deadline); ready != Transfer::Done)
            return ready;
        const ssize_t got = ::recv(socket, bytes, length, MSG_DONTWAIT);
        if (got == 0)
            return Transfer::Broken;
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)
                continue;
            return Transfer::Broken;
        }
        bytes += got;
        length -= std::size_t(got);
    }
    return Transfer::Done;
}

template <typename T> QByteArray bytesOf(const T &value)
{
    return {reinterpret_cast<const char *>(&value), qsizetype(sizeof value)};
}

// The helper's replies: it waits as long as it takes; its parent keeps the time.
bool reply(int socket, const QByteArray &message)
{
    return sendAll(socket, message.constData(), std::size_t(message.size()), QDeadlineTimer::Forever) == Transfer::Done;
}

bool replyRefused(int socket, const QString &reason)
{
    const QByteArray text = reason.toUtf8().left(maxReasonBytes);
    return reply(socket, bytesOf(std::uint8_t(Refused)) + bytesOf(std::uint32_t(text.size())) + text);
}

} // namespace

std::unique_ptr<DrawingProcess> DrawingProcess::start(const QByteArray &bytes, bool pdf)
{
    static const QByteArray helper = QFile::encodeName(helperPath());
    if (helper.isEmpty())
        return nullptr;
    int sockets[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0)
        return nullptr;
    // The helper's end is moved above the descriptor it is given as, so that the copy to it
    // is a real one (which drops close-on-exec).
    const int helperEnd = ::fcntl(sockets[1], F_DUPFD_CLOEXEC, helperSocket + 1);
    ::close(sockets[1]);
    if (helperEnd < 0) {
        ::close(sockets[0]);
        return nullptr;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, helperEnd, helperSocket);
    // Whatever a format library prints must not end up in the program's own output.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    QByteArray path = helper;
    QByteArray socketOption = "--socket";
    QByteArray socketNumber = QByteArray::number(helperSocket);
    QByteArray parentOption = "--parent";
    QByteArray parent = QByteArray::number(qint64(::getpid()));
    char *arguments[] = {path.data(),         socketOption.data(), socketNumber.data(),
                         parentOption.data(), parent.data(),       nullptr};
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, path.constData(), &actions, &attributes, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(helperEnd);
    if (spawned != 0) {
        ::close(sockets[0]);
        return nullptr;
    }
    std::unique_ptr<DrawingProcess> process(new DrawingProcess(sockets[0], pid));
    const QByteArray introduction = QByteArray(greeting, sizeof greeting) + bytesOf(std::uint8_t(pdf ? 1 : 0)) +
                                    bytesOf(std::uint64_t(bytes.size())) + bytes;
    if (!process->request(introduction, QDeadlineTimer(InputLimits::maxVectorDrawMilliseconds)))
        return nullptr;
    return process;
}

DrawingProcess::~DrawingProcess()
{
    stop();
}

void DrawingProcess::stop()
{
    if (m_socket < 0)
        return;
    ::close(m_socket);
    m_socket = -1;
    ::kill(pid_t(m_pid), SIGKILL);
    while (::waitpid(pid_t(m_pid), nullptr, 0) < 0 && errno == EINTR) {
    }
}

QString DrawingProcess::lost()
{
    int status = 0;
    pid_t ended = 0;
    while ((ended = ::waitpid(pid_t(m_pid), &status, WNOHANG)) < 0 && errno == EINTR) {
    }
    QString how = tr("the drawing process stopped answering");
    if (ended == pid_t(m_pid) && WIFSIGNALED(status))
        how = tr("the drawing process ended with signal %1 (%2)")
                  .arg(WTERMSIG(status))
                  .arg(QString::fromLocal8Bit(strsignal(WTERMSIG(status))));
    else if (ended == pid_t(m_pid) && WIFEXITED(status))
        how = tr("the drawing process ended with status %1").arg(WEXITSTATUS(status));
    if (ended == pid_t(m_pid)) {
        ::close(m_socket);
        m_socket = -1;
    } else {
        stop();
    }
    return how;
}

bool DrawingProcess::request(const QByteArray &message, QDeadlineTimer deadline)
{
    if (m_socket < 0)
        return false;
    const Transfer sent = sendAll(m_socket, message.constData(), std::size_t(message.size()), deadline);
    if (sent == Transfer::TimedOut) {
        m_timedOut = true;
        stop();
    }
    return sent == Transfer::Done;
}

bool DrawingProcess::receive(void *data, std::size_t length, QDeadlineTimer deadline)
{
    if (m_socket < 0)
        return false;
    const Transfer got = receiveAll(m_socket, data, length, deadline);
    if (got == Transfer::TimedOut) {
        m_timedOut = true;
        stop();
    }
    return got == Transfer::Done;
}

bool DrawingProcess::answer(QString &reason, QDeadlineTimer deadline)
{
    std::uint8_t status = Refused;
    if (!receive(&status, 1, deadline)) {
        reason = m_timedOut ? QString() : lost();
        return false;
    }
    if (status == Done)
        return true;
    std::uint32_t length = 0;
    if (!receive(&length, sizeof length, deadline) || length > maxReasonBytes) {
        reason = m_timedOut ? QString() : lost();
        return false;
    }
    QByteArray text(qsizetype(length), '\0');
    if (!receive(text.data(), length, deadline)) {
        reason = m_timedOut ? QString() : lost();
        return false;
    }
    reason = QString::fromUtf8(text);
    return false;
}

Result<QSize> DrawingProcess::measure(QDeadlineTimer deadline)
{
    QString reason;
    if (!request(bytesOf(std::uint8_t(Measure)), deadline))
        return Failure{m_timedOut ? QString() : lost()};
    if (!answer(reason, deadline))
        return Failure{reason};
    std::int32_t size[2] = {0, 0};
    if (!receive(size, sizeof size, deadline))
        return Failure{m_timedOut ? QString() : lost()};
    return QSize(size[0], size[1]);
}

Result<VectorPicture> DrawingProcess::draw(double scale, QDeadlineTimer deadline)
{
    QString reason;
    if (!request(bytesOf(std::uint8_t(Draw)) + bytesOf(scale), deadline))
        return Failure{m_timedOut ? QString() : lost()};
    if (!answer(reason, deadline))
        return Failure{reason};
    std::int32_t shape[3] = {0, 0, 0};
    if (!receive(shape, sizeof shape, deadline))
        return Failure{m_timedOut ? QString() : lost()};
    // What the helper announces is checked like any other input before memory is set aside.
    if (shape[0] <= 0 || shape[1] <= 0 || shape[2] < 3 || shape[2] > 4 ||
        qint64(shape[0]) * shape[1] > InputLimits::maxPixels) {
        stop();
        return Failure{tr("the drawing process answered with an impossible picture")};
    }
    VectorPicture picture;
    picture.size = QSize(shape[0], shape[1]);
    picture.bands = shape[2];
    picture.pixels = QByteArray(qsizetype(shape[0]) * shape[1] * shape[2], Qt::Uninitialized);
    if (!receive(picture.pixels.data(), std::size_t(picture.pixels.size()), deadline))
        return Failure{m_timedOut ? QString() : lost()};
    return picture;
}

int DrawingProcess::serve(int channel, const Drawer &drawer)
{
    char hello[sizeof greeting] = {};
    std::uint8_t format = 0;
    std::uint64_t length = 0;
    const QDeadlineTimer forever(QDeadlineTimer::Forever);
    if (receiveAll(channel, hello, sizeof hello, forever) != Transfer::Done ||
        std::memcmp(hello, greeting, sizeof greeting) != 0 ||
        receiveAll(channel, &format, 1, forever) != Transfer::Done ||
        receiveAll(channel, &length, sizeof length, forever) != Transfer::Done ||
        length > std::uint64_t(InputLimits::maxVectorFileBytes))
        return 1;
    QByteArray bytes(qsizetype(length), Qt::Uninitialized);
    if (receiveAll(channel, bytes.data(), std::size_t(length), forever) != Transfer::Done)
        return 1;
    const bool pdf = format == 1;
    if (pdf)
        ImageLibrary::loadDeferredModules();
    for (;;) {
        std::uint8_t request = 0;
        if (receiveAll(channel, &request, 1, forever) != Transfer::Done)
            return 0; // the parent is done with this picture
        if (request == Measure) {
            const Result<QSize> size = drawer.measure(bytes, pdf);
            const bool sent = size ? reply(channel, bytesOf(std::uint8_t(Done)) + bytesOf(std::int32_t(size->width())) +
                                                        bytesOf(std::int32_t(size->height())))
                                   : replyRefused(channel, size.error());
            if (!sent)
                return 1;
        } else if (request == Draw) {
            double scale = 0;
            if (receiveAll(channel, &scale, sizeof scale, forever) != Transfer::Done)
                return 1;
            const Result<VectorPicture> picture = std::isfinite(scale) && scale > 0
                                                      ? drawer.draw(bytes, pdf, scale)
                                                      : Result<VectorPicture>(Failure{tr("no scale to draw at")});
            // The pixels go as they are, without a copy: they can be a gigabyte.
            const bool sent =
                picture ? reply(channel, bytesOf(std::uint8_t(Done)) + bytesOf(std::int32_t(picture->size.width())) +
                                             bytesOf(std::int32_t(picture->size.height())) +
                                             bytesOf(std::int32_t(picture->bands))) &&
                              reply(channel, picture->pixels)
                        : replyRefused(channel, picture.error());
            if (!sent)
                return 1;
        } else {
            return 1;
        }
    }
}

#else

// No helper here: every picture is drawn in process (VectorSource), and none of these is reached.

std::unique_ptr<DrawingProcess> DrawingProcess::start(const QByteArray &, bool)
{
    return nullptr;
}

DrawingProcess::~DrawingProcess() = default;

Result<QSize> DrawingProcess::measure(QDeadlineTimer)
{
    return Failure{tr("there is no drawing process")};
}

Result<VectorPicture> DrawingProcess::draw(double, QDeadlineTimer)
{
    return Failure{tr("there is no drawing process")};
}

int DrawingProcess::serve(int, const Drawer &)
{
    return 1;
}

#endif

} // namespace iconsmith
