#pragma once

#include <QByteArray>

#include "bitmap.h"

namespace iconsmith {

class TaskPool;

/**
 * Encodes 8-bit RGB and RGBA bitmaps as PNG.
 *
 * Each row gets the filter (none, sub, up, average or Paeth) whose output has the smallest sum
 * of absolute values, the choice libpng's adaptive filtering makes; the filtered rows are then
 * deflated with zlib in bands of fixed height, each band primed with the last 32 KiB of the
 * band before, so that the bands can be compressed on all cores at once and still form one
 * zlib stream that costs almost nothing over a single-threaded one. The band height depends
 * only on the image, never on the number of cores, so the bytes are the same on every machine.
 */
class PngEncoder
{
public:
    /** The zlib compression level used for every file. */
    static constexpr int compressionLevel = 6;

    /** Encodes @p bitmap; with a @p pool the bands are compressed in parallel. */
    static QByteArray encode(const Bitmap &bitmap, TaskPool *pool = nullptr);
};

} // namespace iconsmith
