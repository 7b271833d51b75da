#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace iconsmith {

/**
 * Joins raw deflate streams that were compressed independently (in parallel) into the one
 * zlib stream a PNG holds, by zlib's gzjoin method: every stream but the last has its final
 * block's "last block" bit cleared and is brought to a byte boundary with an empty stored
 * block, so the streams can simply follow each other. The Adler-32 checksums of the pieces
 * combine into that of the whole.
 */
class DeflateJoin
{
public:
    using Bytes = std::vector<std::uint8_t>;

    /** One independently compressed piece: raw deflate data and the checksum of its raw bytes. */
    struct Piece
    {
        Bytes deflated;
        std::uint32_t adler = 1;
        std::size_t rawLength = 0;
    };

    /** Compresses @p length raw bytes as one piece, at @p level, ready to be followed unless @p last. */
    static Piece compress(const std::uint8_t *raw, std::size_t length, int level, bool last);

    /**
     * Lets another raw deflate stream follow the complete stream @p stream. Throws
     * std::runtime_error when @p stream is not a complete raw deflate stream.
     */
    static void makeContinuable(Bytes &stream);

    /** The two bytes that open a zlib stream with a 32 KiB window. */
    static QByteArray zlibHeader();
    /** The Adler-32 of the raw data of all @p pieces in order, as the zlib stream ends with it. */
    static std::uint32_t combinedAdler(const std::vector<Piece> &pieces);
};

} // namespace iconsmith
