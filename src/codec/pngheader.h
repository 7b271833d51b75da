#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QSize>

#include "common/result.h"

namespace iconsmith {

/**
 * What the IHDR chunk of a PNG held in memory says: its size, bit depth and colour type. Only the
 * signature and IHDR (with its CRC) are read, so it is cheap enough to check every payload of an
 * icon container.
 */
struct PngHeader
{
    Q_DECLARE_TR_FUNCTIONS(PngHeader)

public:
    /** The eight bytes every PNG starts with. */
    static constexpr QByteArrayView signature{"\x89PNG\r\n\x1a\n", 8};

    QSize size;
    int bitDepth = 0;
    /** 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA. */
    int colourType = 0;
    /** Adam7 interlacing: a decoder can hand out no row before it has read the whole file. */
    bool interlaced = false;

    /** Whether the pixels carry an alpha channel (transparency by tRNS is not seen here). */
    [[nodiscard]] bool hasAlphaChannel() const { return colourType == 4 || colourType == 6; }
    /** Bits per pixel: bit depth times the number of samples. */
    [[nodiscard]] int bitsPerPixel() const;

    /** Whether @p bytes start with the PNG signature. */
    static bool isPng(QByteArrayView bytes) { return bytes.startsWith(signature); }
    /** Reads the header of the PNG in @p bytes; fails unless it is a well-formed IHDR. */
    static Result<PngHeader> parse(QByteArrayView bytes);
};

} // namespace iconsmith
