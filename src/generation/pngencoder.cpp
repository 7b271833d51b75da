#include "pngencoder.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <future>
#include <stdexcept>
#include <vector>

#include "taskpool.h"

namespace iconsmith {

namespace {

using Bytes = std::vector<std::uint8_t>;

// Raw bytes per band: small enough to give both cores work on a 1024-pixel icon, large enough
// that the per-band cost (a flush marker and the priming dictionary) stays negligible.
constexpr std::size_t bandBytes = 256 * 1024;
constexpr std::size_t windowBytes = 32 * 1024;
constexpr qsizetype maxIdatBytes = 1 << 22;

enum Filter : std::uint8_t { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

inline std::uint8_t paethPredictor(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return std::uint8_t(a);
    return std::uint8_t(pb <= pc ? b : c);
}

// Writes the five filtered versions of one row and returns the one with the smallest sum of
// absolute (signed) values, as the filter byte followed by the row.
void filterRow(const std::uint8_t *row, const std::uint8_t *prior, std::size_t length, int bpp,
               std::array<Bytes, 5> &scratch, std::uint8_t *out)
{
    const auto magnitude = [](std::uint8_t v) { return unsigned(v < 128 ? v : 256 - v); };
    std::array<unsigned long, 5> sums{};
    for (std::size_t i = 0; i < length; ++i) {
        const int a = i >= std::size_t(bpp) ? row[i - std::size_t(bpp)] : 0;
        const int b = prior != nullptr ? prior[i] : 0;
        const int c = (prior != nullptr && i >= std::size_t(bpp)) ? prior[i - std::size_t(bpp)] : 0;
        const int x = row[i];
        const std::uint8_t values[5] = {std::uint8_t(x), std::uint8_t(x - a), std::uint8_t(x - b),
                                        std::uint8_t(x - ((a + b) >> 1)), std::uint8_t(x - paethPredictor(a, b, c))};
        for (int f = 0; f < 5; ++f) {
            scratch[std::size_t(f)][i] = values[f];
            sums[std::size_t(f)] += magnitude(values[f]);
        }
    }
    const auto best = std::size_t(std::min_element(sums.begin(), sums.end()) - sums.begin());
    out[0] = std::uint8_t(best);
    std::copy_n(scratch[best].begin(), length, out + 1);
}

// Filters rows [first, last) into one buffer, each row as filter byte + data.
Bytes filterRows(const Bitmap &bitmap, int first, int last)
{
    const std::size_t length = bitmap.bytesPerRow();
    Bytes filtered(std::size_t(last - first) * (length + 1));
    std::array<Bytes, 5> scratch;
    for (Bytes &s : scratch)
        s.resize(length);
    for (int y = first; y < last; ++y) {
        const std::uint8_t *prior = y > 0 ? bitmap.row(y - 1) : nullptr;
        filterRow(bitmap.row(y), prior, length, bitmap.channels(), scratch,
                  filtered.data() + std::size_t(y - first) * (length + 1));
    }
    return filtered;
}

struct Band
{
    Bytes deflated;
    uLong adler = 1;
    std::size_t rawLength = 0;
};

Band compressBand(const Bitmap &bitmap, int first, int last, bool isLast)
{
    Band band;
    const Bytes filtered = filterRows(bitmap, first, last);
    band.rawLength = filtered.size();
    band.adler = adler32_z(1, filtered.data(), filtered.size());

    z_stream stream{};
    if (deflateInit2(&stream, PngEncoder::compressionLevel, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("zlib could not start a compressor");
    if (first > 0) {
        // Prime the band with the data that precedes it, so matches may reach back into the
        // previous band exactly as they would in one continuous stream.
        const std::size_t rowBytes = bitmap.bytesPerRow() + 1;
        const int dictionaryRows = int(std::min<std::size_t>(std::size_t(first), windowBytes / rowBytes + 1));
        const Bytes before = filterRows(bitmap, first - dictionaryRows, first);
        const std::size_t take = std::min(before.size(), windowBytes);
        deflateSetDictionary(&stream, before.data() + (before.size() - take), uInt(take));
    }
    band.deflated.resize(deflateBound(&stream, uLong(filtered.size())) + 16);
    stream.next_in = const_cast<Bytef *>(filtered.data());
    stream.avail_in = uInt(filtered.size());
    stream.next_out = band.deflated.data();
    stream.avail_out = uInt(band.deflated.size());
    const int result = deflate(&stream, isLast ? Z_FINISH : Z_SYNC_FLUSH);
    const bool complete = isLast ? result == Z_STREAM_END : (result == Z_OK && stream.avail_in == 0);
    band.deflated.resize(band.deflated.size() - stream.avail_out);
    deflateEnd(&stream);
    if (!complete)
        throw std::runtime_error("zlib could not compress the image");
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
    // CMF 0x78 (deflate, 32 KiB window); FLG carries the level class and makes the pair a multiple of 31.
    const int levelClass = PngEncoder::compressionLevel <= 1   ? 0
                           : PngEncoder::compressionLevel <= 5 ? 1
                           : PngEncoder::compressionLevel == 6 ? 2
                                                               : 3;
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

    std::vector<Band> bands(static_cast<std::size_t>(bandCount));
    if (pool != nullptr && bandCount > 1) {
        std::vector<std::shared_future<Band>> pending;
        pending.reserve(std::size_t(bandCount));
        for (int b = 0; b < bandCount; ++b) {
            const int first = b * rowsPerBand;
            const int last = std::min(height, first + rowsPerBand);
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
            const int first = b * rowsPerBand;
            bands[std::size_t(b)] =
                compressBand(bitmap, first, std::min(height, first + rowsPerBand), b + 1 == bandCount);
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
