#pragma once

#include <QByteArray>
#include <QDeadlineTimer>

#include <cstddef>
#include <cstdint>

namespace iconsmith {

/**
 * The socket between Iconsmith and its drawing helper: the fixed parts of the protocol, and
 * whole messages sent and received within a deadline. DrawingProcess speaks it from the
 * program's side, DrawingService from the helper's.
 *
 * The program introduces itself with the greeting, the format byte (1 for PDF) and the file's
 * length and bytes; then each request is one byte, Measure or Draw (followed by the scale as a
 * double and the largest width and height the program accepts, as 32-bit integers). Each answer
 * starts with Done, followed by the size (and the number of bands and the pixels), or Refused,
 * followed by the reason's length and its UTF-8 text.
 */
class DrawingChannel
{
public:
    /** What became of a transfer. */
    enum class Transfer { Done, TimedOut, Broken };

    enum Request : std::uint8_t { Measure = 1, Draw = 2 };
    enum Answer : std::uint8_t { Done = 0, Refused = 1 };

    /** The first bytes the program sends; a helper of another version stops at once. */
    static constexpr char greeting[] = {'I', 'S', 'D', '2'};
    /** The longest reason a helper may send back. */
    static constexpr std::uint32_t maxReasonBytes = 4096;

    /** Sends all @p length bytes of @p data by @p deadline; a peer that is gone is Broken, never a SIGPIPE. */
    static Transfer send(int socket, const void *data, std::size_t length, QDeadlineTimer deadline);
    /** Receives exactly @p length bytes into @p data by @p deadline; the peer closing first is Broken. */
    static Transfer receive(int socket, void *data, std::size_t length, QDeadlineTimer deadline);

    /** The bytes of @p value as they lie in memory (both ends run on the same machine). */
    template <typename T> static QByteArray bytesOf(const T &value)
    {
        return {reinterpret_cast<const char *>(&value), qsizetype(sizeof value)};
    }
};

} // namespace iconsmith
