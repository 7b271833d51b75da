#include "codec/drawingservice.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "codec/drawingchannel.h"
#include "codec/imagelibrary.h"
#include "codec/inputlimits.h"

namespace iconsmith {

namespace {

using Channel = DrawingChannel;

// The helper's replies: it waits as long as it takes; its parent keeps the time.
bool reply(int socket, const char *data, std::size_t length)
{
    return Channel::send(socket, data, length, QDeadlineTimer::Forever) == Channel::Transfer::Done;
}

bool reply(int socket, const QByteArray &message)
{
    return reply(socket, message.constData(), std::size_t(message.size()));
}

bool replyRefused(int socket, const QString &reason)
{
    const QByteArray text = reason.toUtf8().left(Channel::maxReasonBytes);
    return reply(socket, Channel::bytesOf(std::uint8_t(Channel::Refused)) +
                             Channel::bytesOf(std::uint32_t(text.size())) + text);
}

bool receive(int socket, void *data, std::size_t length)
{
    return Channel::receive(socket, data, length, QDeadlineTimer::Forever) == Channel::Transfer::Done;
}

} // namespace

int DrawingService::serve(int channel, const Drawer &drawer)
{
    char hello[sizeof Channel::greeting] = {};
    std::uint8_t format = 0;
    std::uint64_t length = 0;
    if (!receive(channel, hello, sizeof hello) || std::memcmp(hello, Channel::greeting, sizeof hello) != 0 ||
        !receive(channel, &format, 1) || !receive(channel, &length, sizeof length) ||
        length > std::uint64_t(InputLimits::maxVectorFileBytes))
        return 1;
    QByteArray bytes(qsizetype(length), Qt::Uninitialized);
    if (!receive(channel, bytes.data(), std::size_t(length)))
        return 1;
    const bool pdf = format == 1;
    if (pdf)
        ImageLibrary::loadDeferredModules();
    for (;;) {
        std::uint8_t request = 0;
        if (!receive(channel, &request, 1))
            return 0; // the program is done with this picture
        if (request == Channel::Measure) {
            const Result<QSize> size = drawer.measure(bytes, pdf);
            const bool sent = size ? reply(channel, Channel::bytesOf(std::uint8_t(Channel::Done)) +
                                                        Channel::bytesOf(std::int32_t(size->width())) +
                                                        Channel::bytesOf(std::int32_t(size->height())))
                                   : replyRefused(channel, size.error());
            if (!sent)
                return 1;
        } else if (request == Channel::Draw) {
            double scale = 0;
            std::int32_t most[2] = {0, 0};
            if (!receive(channel, &scale, sizeof scale) || !receive(channel, most, sizeof most))
                return 1;
            const bool sound = std::isfinite(scale) && scale > 0 && most[0] > 0 && most[1] > 0;
            const Result<VectorPicture> picture =
                sound ? drawer.draw(bytes, pdf, scale, QSize(most[0], most[1]))
                      : Result<VectorPicture>(Failure{tr("the request to draw was not a sound one")});
            // The pixels go as they are, without a copy: they can be a gigabyte.
            const bool sent = picture
                                  ? reply(channel, Channel::bytesOf(std::uint8_t(Channel::Done)) +
                                                       Channel::bytesOf(std::int32_t(picture->size.width())) +
                                                       Channel::bytesOf(std::int32_t(picture->size.height())) +
                                                       Channel::bytesOf(std::int32_t(picture->bands))) &&
                                        reply(channel, picture->pixels.constData(), std::size_t(picture->pixels.size()))
                                  : replyRefused(channel, picture.error());
            if (!sent)
                return 1;
        } else {
            return 1;
        }
    }
}

} // namespace iconsmith
