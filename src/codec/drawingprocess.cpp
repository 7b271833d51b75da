#include "codec/drawingprocess.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "codec/drawingchannel.h"
#include "codec/helperlauncher.h"
#include "codec/inputlimits.h"

#if defined(Q_OS_UNIX)
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace iconsmith {

namespace {

using Channel = DrawingChannel;

constexpr char helperName[] = "iconsmith-draw";
// The socket's descriptor in the helper, as its command line says.
constexpr int helperSocket = 3;

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
    const qint64 pid = HelperLauncher::launch(helper,
                                              {helper, QByteArrayLiteral("--socket"), QByteArray::number(helperSocket),
                                               QByteArrayLiteral("--parent"), QByteArray::number(qint64(::getpid()))},
                                              helperEnd, helperSocket);
    ::close(helperEnd);
    if (pid < 0) {
        ::close(sockets[0]);
        return nullptr;
    }
    std::unique_ptr<DrawingProcess> process(new DrawingProcess(sockets[0], pid));
    const QByteArray introduction = QByteArray(Channel::greeting, sizeof Channel::greeting) +
                                    Channel::bytesOf(std::uint8_t(pdf ? 1 : 0)) +
                                    Channel::bytesOf(std::uint64_t(bytes.size())) + bytes;
    if (!process->request(introduction, QDeadlineTimer(InputLimits::maxVectorDrawMilliseconds)))
        return nullptr;
    return process;
}

DrawingProcess::~DrawingProcess()
{
    stop();
}

bool DrawingProcess::usable()
{
    if (m_socket < 0)
        return false;
    // A helper can end between two requests (killed from outside, or its limits): one that did
    // is not handed a request it can never answer.
    pid_t ended = 0;
    while ((ended = ::waitpid(pid_t(m_pid), nullptr, WNOHANG)) < 0 && errno == EINTR) {
    }
    if (ended == 0)
        return true;
    ::close(m_socket);
    m_socket = -1;
    return false;
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
    const Channel::Transfer sent = Channel::send(m_socket, message.constData(), std::size_t(message.size()), deadline);
    if (sent == Channel::Transfer::TimedOut) {
        m_timedOut = true;
        stop();
    }
    return sent == Channel::Transfer::Done;
}

bool DrawingProcess::receive(void *data, std::size_t length, QDeadlineTimer deadline)
{
    if (m_socket < 0)
        return false;
    const Channel::Transfer got = Channel::receive(m_socket, data, length, deadline);
    if (got == Channel::Transfer::TimedOut) {
        m_timedOut = true;
        stop();
    }
    return got == Channel::Transfer::Done;
}

bool DrawingProcess::answer(QString &reason, QDeadlineTimer deadline)
{
    std::uint8_t status = Channel::Refused;
    if (!receive(&status, 1, deadline)) {
        reason = m_timedOut ? QString() : lost();
        return false;
    }
    if (status == Channel::Done)
        return true;
    std::uint32_t length = 0;
    if (status != Channel::Refused || !receive(&length, sizeof length, deadline) || length > Channel::maxReasonBytes) {
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
    if (!request(Channel::bytesOf(std::uint8_t(Channel::Measure)), deadline))
        return Failure{m_timedOut ? QString() : lost()};
    if (!answer(reason, deadline))
        return Failure{reason};
    std::int32_t size[2] = {0, 0};
    if (!receive(size, sizeof size, deadline))
        return Failure{m_timedOut ? QString() : lost()};
    return QSize(size[0], size[1]);
}

Result<VectorPicture> DrawingProcess::draw(double scale, QSize most, QDeadlineTimer deadline)
{
    QString reason;
    if (!request(Channel::bytesOf(std::uint8_t(Channel::Draw)) + Channel::bytesOf(scale) +
                     Channel::bytesOf(std::int32_t(most.width())) + Channel::bytesOf(std::int32_t(most.height())),
                 deadline))
        return Failure{m_timedOut ? QString() : lost()};
    if (!answer(reason, deadline))
        return Failure{reason};
    std::int32_t shape[3] = {0, 0, 0};
    if (!receive(shape, sizeof shape, deadline))
        return Failure{m_timedOut ? QString() : lost()};
    // What the helper announces is checked like any other input before memory is set aside.
    if (shape[0] <= 0 || shape[1] <= 0 || shape[0] > most.width() || shape[1] > most.height() || shape[2] < 3 ||
        shape[2] > 4 || qint64(shape[0]) * shape[1] > InputLimits::maxPixels) {
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

#else

// No helper here: every picture is drawn in process (VectorSource), and none of these is reached.

std::unique_ptr<DrawingProcess> DrawingProcess::start(const QByteArray &, bool)
{
    return nullptr;
}

DrawingProcess::~DrawingProcess() = default;

bool DrawingProcess::usable()
{
    return false;
}

Result<QSize> DrawingProcess::measure(QDeadlineTimer)
{
    return Failure{tr("there is no drawing process")};
}

Result<VectorPicture> DrawingProcess::draw(double, QSize, QDeadlineTimer)
{
    return Failure{tr("there is no drawing process")};
}

#endif

} // namespace iconsmith
