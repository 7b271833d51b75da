#pragma once

#include <QByteArray>

#include <stop_token>

#include "imaging/bitmap.h"

namespace iconsmith {

class TaskPool;

/**
 * Encodes 8-bit RGB and RGBA bitmaps as PNG.
 *
 * Each row gets the filter (none, sub, up, average or Paeth) whose output has the lowest byte
 * entropy, which compresses a few percent smaller than libpng's adaptive rule. The filtered rows are
 * deflated with libdeflate, which compresses smaller than zlib at the same level and several
 * times faster, in bands of fixed height that run on all cores at once and are then joined
 * into the one zlib stream a PNG holds. A band whose filtered bytes look like noise is also
 * compressed at libdeflate's level 1, whose matcher suits noise better, and the smaller kept.
 * The band height depends only on the image, never on the number of cores, so the bytes are
 * the same on every machine.
 */
class PngEncoder
{
public:
    /** The libdeflate compression level of every band (noise-like bands may end up at level 1). */
    static constexpr int compressionLevel = 6;

    /**
     * Encodes @p bitmap; with a @p pool the bands are compressed in parallel. Once a stop is
     * requested through @p stop no further band starts and Cancelled is thrown.
     */
    static QByteArray encode(const Bitmap &bitmap, TaskPool *pool = nullptr, const std::stop_token &stop = {});
};

} // namespace iconsmith
