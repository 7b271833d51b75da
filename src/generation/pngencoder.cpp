#include "pngencoder.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <future>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

#include "taskpool.h"

namespace iconsmith {

namespace {

using Bytes = std::vector<std::uint8_t>;

// Raw bytes per band: large enough that starting each band with an empty history costs almost
// nothing, small enough that a 1024-pixel icon keeps both cores busy.
constexpr std::size_t bandBytes = 512 * 1024;
constexpr qsizetype maxIdatBytes = 1 << 22;

inline unsigned magnitude(std::uint8_t v)
{
    return v < 128 ? v : 256U - v;
}

inline std::uint8_t paethPredictor(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    return std::uint8_t(pa <= pb && pa <= pc ? a : (pb <= pc ? b : c));
}

// The five filtered versions of one row, each in a loop of its own so that the compiler can
// vectorise it; returns the index of the one with the smallest sum of absolute (signed) values,
// libpng's heuristic for the filter that deflates best.
int filterRow(const std::uint8_t *row, const std::uint8_t *prior, std::size_t length, std::size_t bpp,
              std::array<Bytes, 5> &out)
{
    std::array<unsigned long, 5> sums{};
    std::uint8_t *none = out[0].data();
    std::uint8_t *sub = out[1].data();
    std::uint8_t *up = out[2].data();
    std::uint8_t *average = out[3].data();
    std::uint8_t *paeth = out[4].data();
    const std::size_t head = std::min(bpp, length);
    for (std::size_t i = 0; i < length; ++i)
        none[i] = row[i];
    for (std::size_t i = 0; i < head; ++i) {
        const int b = prior != nullptr ? prior[i] : 0;
        sub[i] = row[i];
        up[i] = std::uint8_t(row[i] - b);
        average[i] = std::uint8_t(row[i] - (b >> 1));
        paeth[i] = std::uint8_t(row[i] - b); // the predictor picks b when a and c are 0
    }
    for (std::size_t i = head; i < length; ++i)
        sub[i] = std::uint8_t(row[i] - row[i - bpp]);
    if (prior != nullptr) {
        for (std::size_t i = head; i < length; ++i) {
            up[i] = std::uint8_t(row[i] - prior[i]);
            average[i] = std::uint8_t(row[i] - ((row[i - bpp] + prior[i]) >> 1));
            paeth[i] = std::uint8_t(row[i] - paethPredictor(row[i - bpp], prior[i], prior[i - bpp]));
        }
    } else {
        // Without a row above, "up" is "none", and "average" and Paeth reduce to halves of "sub".
        for (std::size_t i = head; i < length; ++i) {
            up[i] = row[i];
            average[i] = std::uint8_t(row[i] - (row[i - bpp] >> 1));
            paeth[i] = std::uint8_t(row[i] - row[i - bpp]);
        }
    }
    for (std::size_t f = 0; f < 5; ++f) {
        unsigned long sum = 0;
        const std::uint8_t *filtered = out[f].data();
        for (std::size_t i = 0; i < length; ++i)
            sum += magnitude(filtered[i]);
        sums[f] = sum;
    }
    return int(std::min_element(sums.begin(), sums.end()) - sums.begin());
}

// Filters rows [first, last) into one buffer, each row as its filter byte and data.
Bytes filterRows(const Bitmap &bitmap, int first, int last)
{
    const std::size_t length = bitmap.bytesPerRow();
    Bytes filtered(std::size_t(last - first) * (length + 1));
    std::array<Bytes, 5> scratch;
    for (Bytes &s : scratch)
        s.resize(length);
    for (int y = first; y < last; ++y) {
        const std::uint8_t *prior = y > 0 ? bitmap.row(y - 1) : nullptr;
        const int best = filterRow(bitmap.row(y), prior, length, std::size_t(bitmap.channels()), scratch);
        std::uint8_t *out = filtered.data() + std::size_t(y - first) * (length + 1);
        out[0] = std::uint8_t(best);
        std::copy_n(scratch[std::size_t(best)].begin(), length, out + 1);
    }
    return filtered;
}

struct Band
{
    Bytes deflated;
    uLong adler = 1;
    std::size_t rawLength = 0;
};

struct CompressorDeleter
{
    void operator()(libdeflate_compressor *c) const { libdeflate_free_compressor(c); }
};

// Turns a complete raw deflate stream into one that another stream may follow: the final
// block's "last block" bit is cleared and an empty stored block brings the stream to a byte
// boundary, the method of zlib's gzjoin. Inflating once is the only way to find where the last
// block starts.
void makeContinuable(Bytes &stream)
{
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

Band compressBand(const Bitmap &bitmap, int first, int last, bool isLast)
{
    Band band;
    const Bytes filtered = filterRows(bitmap, first, last);
    band.rawLength = filtered.size();
    band.adler = adler32_z(1, filtered.data(), filtered.size());

    const std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(
        libdeflate_alloc_compressor(PngEncoder::compressionLevel));
    if (!compressor)
        throw std::bad_alloc();
    band.deflated.resize(libdeflate_deflate_compress_bound(compressor.get(), filtered.size()));
    const std::size_t size = libdeflate_deflate_compress(compressor.get(), filtered.data(), filtered.size(),
                                                         band.deflated.data(), band.deflated.size());
    if (size == 0)
        throw std::runtime_error("the image could not be compressed");
    band.deflated.resize(size);
    if (!isLast)
        makeContinuable(band.deflated);
    return band;
}

void appendBigEndian(QByteArray &out, quint32 value)
{
    out.append(char(value >> 24));
    out.append(char(value >> 16));
    out.append(char(value >> 8));
    out.append(char(value));
}

void appendChunk(QByteArray &out, const char type[4], const char *data, qsizetype length)
{
    appendBigEndian(out, quint32(length));
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    out.append(data, length);
    const auto crc = crc32_z(0, reinterpret_cast<const Bytef *>(out.constData() + typeAt), std::size_t(length) + 4);
    appendBigEndian(out, quint32(crc));
}

QByteArray zlibHeader()
{
    // CMF 0x78: deflate with a 32 KiB window. FLG: the "maximum compression" class, padded so
    // that CMF·256 + FLG is a multiple of 31.
    constexpr int levelClass = 3;
    int flg = levelClass << 6;
    flg += 31 - ((0x78 * 256 + flg) % 31);
    return QByteArray{"\x78"} + char(flg);
}

} // namespace

QByteArray PngEncoder::encode(const Bitmap &bitmap, TaskPool *pool)
{
    const int height = bitmap.height();
    const int rowsPerBand = int(std::max<std::size_t>(1, bandBytes / (bitmap.bytesPerRow() + 1)));
    const int bandCount = (height + rowsPerBand - 1) / rowsPerBand;
    const auto bandRows = [&](int b) { return std::pair{b * rowsPerBand, std::min(height, (b + 1) * rowsPerBand)}; };

    std::vector<Band> bands(static_cast<std::size_t>(bandCount));
    if (pool != nullptr && bandCount > 1) {
        std::vector<std::shared_future<Band>> pending;
        pending.reserve(std::size_t(bandCount));
        for (int b = 0; b < bandCount; ++b) {
            const auto [first, last] = bandRows(b);
            pending.push_back(pool->submit([&bitmap, first, last, isLast = b + 1 == bandCount] {
                return compressBand(bitmap, first, last, isLast);
            }));
        }
        for (std::size_t b = 0; b < pending.size(); ++b) {
            pool->wait(pending[b]);
            bands[b] = pending[b].get();
        }
    } else {
        for (int b = 0; b < bandCount; ++b) {
            const auto [first, last] = bandRows(b);
            bands[std::size_t(b)] = compressBand(bitmap, first, last, b + 1 == bandCount);
        }
    }

    QByteArray stream = zlibHeader();
    uLong adler = 1;
    for (const Band &band : bands) {
        stream.append(reinterpret_cast<const char *>(band.deflated.data()), qsizetype(band.deflated.size()));
        adler = adler32_combine(adler, band.adler, z_off_t(band.rawLength));
    }
    appendBigEndian(stream, quint32(adler));

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendBigEndian(header, quint32(bitmap.width()));
    appendBigEndian(header, quint32(bitmap.height()));
    header.append(char(8));                                 // bit depth
    header.append(char(bitmap.hasAlpha() ? 6 : 2));         // colour type: RGBA or RGB
    header.append(char(0)).append(char(0)).append(char(0)); // deflate, adaptive filtering, no interlace
    appendChunk(png, "IHDR", header.constData(), header.size());
    for (qsizetype at = 0; at < stream.size(); at += maxIdatBytes)
        appendChunk(png, "IDAT", stream.constData() + at, std::min(maxIdatBytes, stream.size() - at));
    appendChunk(png, "IEND", nullptr, 0);
    return png;
}

} // namespace iconsmith
