#include "codec/drawingchannel.h"

#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <climits>

#if defined(Q_OS_UNIX)
#include <poll.h>
#include <sys/socket.h>
#endif

namespace iconsmith {

#if defined(Q_OS_UNIX)

namespace {

using Transfer = DrawingChannel::Transfer;

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

} // namespace

DrawingChannel::Transfer DrawingChannel::send(int socket, const void *data, std::size_t length, QDeadlineTimer deadline)
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

DrawingChannel::Transfer DrawingChannel::receive(int socket, void *data, std::size_t length, QDeadlineTimer deadline)
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

#else

DrawingChannel::Transfer DrawingChannel::send(int, const void *, std::size_t, QDeadlineTimer)
{
    return Transfer::Broken;
}

DrawingChannel::Transfer DrawingChannel::receive(int, void *, std::size_t, QDeadlineTimer)
{
    return Transfer::Broken;
}

#endif

} // namespace iconsmith
