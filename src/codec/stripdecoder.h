#pragma once

#include <vips/vips8>

#include <cstdint>
#include <functional>

namespace iconsmith {

class TaskPool;

/**
 * Streams the rows of a decoded picture to a consumer. When a worker of the pool is free, it
 * decodes there, a few strips ahead, so that the consumer's work on each row overlaps the
 * decoding; otherwise it decodes on the consumer's own thread, strip by strip.
 */
class StripDecoder
{
public:
    /** Receives each row, top to bottom, as 8-bit RGBA with straight alpha. */
    using RowSink = std::function<void(int y, const std::uint8_t *rgba)>;

    /**
     * Decodes @p image (8-bit, three or four bands) into @p sink. Throws what decoding throws
     * (vips::VError for a damaged file) and what the sink throws; either way no decoding is
     * left running.
     */
    static void run(const vips::VImage &image, const RowSink &sink, TaskPool &pool);
};

} // namespace iconsmith
