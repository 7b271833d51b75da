#include "codec/deflatejoin.h"

#include <libdeflate.h>
#include <zlib.h>

#include <array>
#include <memory>
#include <new>
#include <stdexcept>

namespace iconsmith {

namespace {

struct CompressorDeleter
{
    void operator()(libdeflate_compressor *c) const { libdeflate_free_compressor(c); }
};

// One compressor per thread and level, kept from piece to piece: allocating one costs more
// than compressing a small piece, and a thread may alternate between levels.
libdeflate_compressor &compressorFor(int level)
{
    constexpr int highestLevel = 12;
    if (level < 0 || level > highestLevel)
        throw std::invalid_argument("no such compression level");
    thread_local std::array<std::unique_ptr<libdeflate_compressor, CompressorDeleter>, highestLevel + 1> compressors;
    auto &compressor = compressors[std::size_t(level)];
    if (!compressor) {
        compressor.reset(libdeflate_alloc_compressor(level));
        if (!compressor)
            throw std::bad_alloc();
    }
    return *compressor;
}

} // namespace

DeflateJoin::Piece DeflateJoin::compress(const std::uint8_t *raw, std::size_t length, int level, bool last)
{
    // Output room, kept per thread: fresh memory costs a page fault per page on first touch.
    thread_local Bytes scratch;
    Piece piece;
    piece.rawLength = length;
    piece.adler = std::uint32_t(adler32_z(1, raw, length));
    libdeflate_compressor &compressor = compressorFor(level);
    scratch.resize(libdeflate_deflate_compress_bound(&compressor, length));
    const std::size_t size = libdeflate_deflate_compress(&compressor, raw, length, scratch.data(), scratch.size());
    if (size == 0)
        throw std::runtime_error("the image could not be compressed");
    piece.deflated.assign(scratch.begin(), scratch.begin() + std::ptrdiff_t(size));
    if (!last)
        makeContinuable(piece.deflated);
    return piece;
}

void DeflateJoin::makeContinuable(Bytes &stream)
{
    // Inflating once is the only way to find where the last block starts.
    z_stream inflater{};
    if (inflateInit2(&inflater, -15) != Z_OK)
        throw std::runtime_error("zlib could not start a decompressor");
    inflater.next_in = stream.data();
    inflater.avail_in = uInt(stream.size());
    std::array<Bytef, 1 << 15> sink{};
    std::size_t lastHeaderBit = 0;
    int unusedBits = 0;
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        inflater.next_out = sink.data();
        inflater.avail_out = uInt(sink.size());
        result = inflate(&inflater, Z_BLOCK);
        if (result != Z_OK && result != Z_STREAM_END) {
            inflateEnd(&inflater);
            throw std::runtime_error("the compressed data could not be joined");
        }
        if (result != Z_OK || (inflater.data_type & 128) == 0)
            continue;
        // Stopped at the end of a block. After an ordinary block the next one starts here; after
        // the last one, these are the padding bits of the final byte.
        const int unused = inflater.data_type & 7;
        if ((inflater.data_type & 64) == 0)
            lastHeaderBit = (stream.size() - inflater.avail_in) * 8 - std::size_t(unused);
        else
            unusedBits = unused;
    }
    inflateEnd(&inflater);

    stream[lastHeaderBit / 8] &= std::uint8_t(~(1U << (lastHeaderBit % 8)));
    // An empty stored block: three zero header bits (in the final byte's zero padding when they
    // fit), alignment to the byte, then LEN 0 and NLEN 0xffff.
    if (unusedBits < 3)
        stream.push_back(0);
    stream.insert(stream.end(), {0x00, 0x00, 0xff, 0xff});
}

QByteArray DeflateJoin::zlibHeader()
{
    // CMF 0x78: deflate with a 32 KiB window. FLG: the "maximum compression" class, padded so
    // that CMF·256 + FLG is a multiple of 31.
    constexpr int levelClass = 3;
    int flg = levelClass << 6;
    flg += 31 - ((0x78 * 256 + flg) % 31);
    return QByteArray(1, char(0x78)) + char(flg);
}

std::uint32_t DeflateJoin::combinedAdler(const std::vector<Piece> &pieces)
{
    uLong adler = 1;
    for (const Piece &piece : pieces)
        adler = adler32_combine(adler, piece.adler, z_off_t(piece.rawLength));
    return std::uint32_t(adler);
}

} // namespace iconsmith
