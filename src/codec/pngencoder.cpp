#include "codec/pngencoder.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <future>
#include <memory>
#include <utility>
#include <vector>

#include "codec/deflatejoin.h"
#include "common/cancelled.h"
#include "common/taskgroup.h"

namespace iconsmith {

namespace {

using Bytes = std::vector<std::uint8_t>;

// Raw bytes per band: large enough that starting each band with an empty history costs almost
// nothing, small enough that a 1024-pixel icon keeps both cores busy.
constexpr std::size_t bandBytes = std::size_t{512} * 1024;

// Above this many bits of information a byte, filtered rows look like noise (fine texture, grain)
// rather than a photograph or a drawing, which stay well below it. Deflate finds few real matches
// in noise, and libdeflate's lazy matcher (its levels from 2 up) still takes short ones that cost
// more than the literals they replace, where its level-1 matcher takes fewer. Such bands are
// compressed both ways and the smaller is kept, so no file grows; other bands pay nothing.
constexpr double noiseBitsPerByte = 5.0;
constexpr int noiseLevel = 1;

// Chooses each row's filter by the entropy of its filtered bytes: the byte distribution that
// Huffman coding will see. It beats libpng's smallest-sum-of-magnitudes rule by some 3 % on
// photographs and costs about as little.
class FilterChooser
{
public:
    explicit FilterChooser(std::size_t rowLength) : m_nLogN(rowLength + 1)
    {
        for (std::size_t n = 1; n < m_nLogN.size(); ++n)
            m_nLogN[n] = float(double(n) * std::log2(double(n)));
        for (Bytes &candidate : m_candidates)
            candidate.resize(rowLength);
    }

    // Filters one row five ways, each in a loop of its own so that the compiler can vectorise
    // it, and returns the index of the filter whose output carries the least information.
    // That information is added to the tally takeInformationBits() returns.
    int choose(const std::uint8_t *row, const std::uint8_t *prior, std::size_t bpp)
    {
        const std::size_t length = m_candidates[0].size();
        if (prior != nullptr && std::equal(row, row + length, prior))
            return chooseForRepeatedRow(row, bpp);
        std::uint8_t *none = m_candidates[0].data();
        std::uint8_t *sub = m_candidates[1].data();
        std::uint8_t *up = m_candidates[2].data();
        std::uint8_t *average = m_candidates[3].data();
        std::uint8_t *paeth = m_candidates[4].data();
        const std::size_t head = std::min(bpp, length);
        std::copy_n(row, length, none);
        for (std::size_t i = 0; i < head; ++i) {
            const int b = prior != nullptr ? prior[i] : 0;
            sub[i] = row[i];
            up[i] = std::uint8_t(row[i] - b);
            average[i] = std::uint8_t(row[i] - (b >> 1));
            paeth[i] = std::uint8_t(row[i] - b); // with a and c zero the predictor is b
        }
        for (std::size_t i = head; i < length; ++i)
            sub[i] = std::uint8_t(row[i] - row[i - bpp]);
        if (prior != nullptr) {
            for (std::size_t i = head; i < length; ++i)
                up[i] = std::uint8_t(row[i] - prior[i]);
            for (std::size_t i = head; i < length; ++i)
                average[i] = std::uint8_t(row[i] - ((row[i - bpp] + prior[i]) >> 1));
            for (std::size_t i = head; i < length; ++i) {
                // The Paeth predictor without branches: p - a = b - c, p - b = a - c, p - c = a + b - 2c.
                const int a = row[i - bpp];
                const int b = prior[i];
                const int c = prior[i - bpp];
                const int pa = std::abs(b - c);
                const int pb = std::abs(a - c);
                const int pc = std::abs(a + b - 2 * c);
                const int predicted = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
                paeth[i] = std::uint8_t(row[i] - predicted);
            }
        } else {
            // Without a row above, "up" is "none", and "average" and Paeth reduce to forms of "sub".
            for (std::size_t i = head; i < length; ++i) {
                up[i] = row[i];
                average[i] = std::uint8_t(row[i] - (row[i - bpp] >> 1));
                paeth[i] = std::uint8_t(row[i] - row[i - bpp]);
            }
        }
        return cheapest(5);
    }

    // The bits of information in the rows chosen since the last call, by their byte entropies.
    double takeInformationBits() { return std::exchange(m_informationBits, 0.0); }

    [[nodiscard]] const Bytes &candidate(int filter) const { return m_candidates[std::size_t(filter)]; }
    [[nodiscard]] std::size_t rowLength() const { return m_candidates[0].size(); }

private:
    // A row the same as the one above, as the plain background of a launch screen has by the
    // hundred: "up" makes it all zeros, which no filter after it can beat, so only "none" and
    // "sub" are tried against it (either wins a tie, as in the full comparison).
    int chooseForRepeatedRow(const std::uint8_t *row, std::size_t bpp)
    {
        const std::size_t length = m_candidates[0].size();
        std::uint8_t *sub = m_candidates[1].data();
        std::copy_n(row, length, m_candidates[0].data());
        std::copy_n(row, std::min(bpp, length), sub);
        for (std::size_t i = bpp; i < length; ++i)
            sub[i] = std::uint8_t(row[i] - row[i - bpp]);
        std::fill_n(m_candidates[2].data(), length, std::uint8_t{0});
        return cheapest(3);
    }

    // The first of the first @p count candidates whose bytes carry the least information.
    int cheapest(int count)
    {
        int best = 0;
        float bestCost = 0;
        for (int f = 0; f < count; ++f) {
            const float cost = negativeEntropy(m_candidates[std::size_t(f)]);
            if (f == 0 || cost < bestCost) {
                best = f;
                bestCost = cost;
            }
        }
        // The row's entropy in bits: N·log2(N) for its N bytes less Σ n·log2(n) over its byte counts.
        m_informationBits += double(m_nLogN.back() + bestCost);
        return best;
    }

    // Σ -n·log2(n) over the byte counts: the entropy of the row up to a constant.
    [[nodiscard]] float negativeEntropy(const Bytes &bytes) const
    {
        std::array<std::uint32_t, 256> counts{};
        for (const std::uint8_t b : bytes)
            ++counts[b];
        float sum = 0;
        for (const std::uint32_t n : counts)
            sum -= m_nLogN[n];
        return sum;
    }

    std::vector<float> m_nLogN;
    std::array<Bytes, 5> m_candidates;
    double m_informationBits = 0;
};

// Filters rows [first, last) into @p filtered, each row as its filter byte and data. Returns the
// information the filtered rows carry, in bits a byte.
double filterRows(const Bitmap &bitmap, int first, int last, FilterChooser &chooser, Bytes &filtered)
{
    const std::size_t length = bitmap.bytesPerRow();
    filtered.resize(std::size_t(last - first) * (length + 1));
    chooser.takeInformationBits();
    for (int y = first; y < last; ++y) {
        const std::uint8_t *prior = y > 0 ? bitmap.row(y - 1) : nullptr;
        const int best = chooser.choose(bitmap.row(y), prior, std::size_t(bitmap.channels()));
        std::uint8_t *out = filtered.data() + std::size_t(y - first) * (length + 1);
        out[0] = std::uint8_t(best);
        std::copy_n(chooser.candidate(best).begin(), length, out + 1);
    }
    return chooser.takeInformationBits() / double(std::size_t(last - first) * length);
}

// Filtered rows of one thread, kept from band to band and file to file: fresh memory costs a
// page fault per page on first touch, which adds up to more than the compression itself.
struct Workspace
{
    std::unique_ptr<FilterChooser> chooser;
    Bytes filtered;

    FilterChooser &chooserFor(std::size_t rowLength)
    {
        if (!chooser || chooser->rowLength() != rowLength)
            chooser = std::make_unique<FilterChooser>(rowLength);
        return *chooser;
    }
};

DeflateJoin::Piece compressBand(const Bitmap &bitmap, int first, int last, bool isLast)
{
    thread_local Workspace space;
    const double bitsPerByte = filterRows(bitmap, first, last, space.chooserFor(bitmap.bytesPerRow()), space.filtered);
    const std::uint8_t *raw = space.filtered.data();
    const std::size_t length = space.filtered.size();
    // Compressed as if last, and made continuable afterwards, so that two candidates compare fairly.
    DeflateJoin::Piece piece = DeflateJoin::compress(raw, length, PngEncoder::compressionLevel, true);
    if (bitsPerByte > noiseBitsPerByte) {
        DeflateJoin::Piece fast = DeflateJoin::compress(raw, length, noiseLevel, true);
        if (fast.deflated.size() < piece.deflated.size())
            piece = std::move(fast);
    }
    if (!isLast)
        DeflateJoin::makeContinuable(piece.deflated);
    return piece;
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

} // namespace

QByteArray PngEncoder::encode(const Bitmap &bitmap, TaskPool *pool, const std::stop_token &stop)
{
    const int height = bitmap.height();
    const int rowsPerBand = int(std::max<std::size_t>(1, bandBytes / (bitmap.bytesPerRow() + 1)));
    const int bandCount = (height + rowsPerBand - 1) / rowsPerBand;
    const auto bandRows = [&](int b) { return std::pair{b * rowsPerBand, std::min(height, (b + 1) * rowsPerBand)}; };

    std::vector<DeflateJoin::Piece> bands(static_cast<std::size_t>(bandCount));
    if (pool != nullptr && bandCount > 1) {
        TaskGroup group(*pool);
        std::vector<std::shared_future<DeflateJoin::Piece>> pending;
        pending.reserve(std::size_t(bandCount));
        for (int b = 0; b < bandCount; ++b) {
            // Plain variables, not a structured binding: Clang before 16 cannot capture those.
            const std::pair<int, int> rows = bandRows(b);
            pending.push_back(
                group.submit([&bitmap, &stop, first = rows.first, last = rows.second, isLast = b + 1 == bandCount] {
                    Cancelled::throwIfRequested(stop);
                    return compressBand(bitmap, first, last, isLast);
                }));
        }
        for (std::size_t b = 0; b < pending.size(); ++b) {
            group.wait(pending[b]);
            bands[b] = pending[b].get();
        }
    } else {
        for (int b = 0; b < bandCount; ++b) {
            Cancelled::throwIfRequested(stop);
            const auto [first, last] = bandRows(b);
            bands[std::size_t(b)] = compressBand(bitmap, first, last, b + 1 == bandCount);
        }
    }

    std::size_t compressed = 0;
    for (const DeflateJoin::Piece &band : bands)
        compressed += band.deflated.size();

    QByteArray png;
    png.reserve(qsizetype(compressed) + qsizetype(12 * bands.size()) + 64);
    png.append("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendBigEndian(header, quint32(bitmap.width()));
    appendBigEndian(header, quint32(bitmap.height()));
    header.append(char(8));                                 // bit depth
    header.append(char(bitmap.hasAlpha() ? 6 : 2));         // colour type: RGBA or RGB
    header.append(char(0)).append(char(0)).append(char(0)); // deflate, adaptive filtering, no interlace
    appendChunk(png, "IHDR", header.constData(), header.size());

    // One IDAT chunk per band, written straight into the file: the zlib header opens the first,
    // the checksum of all the raw data closes the last.
    QByteArray checksum;
    appendBigEndian(checksum, DeflateJoin::combinedAdler(bands));
    const QByteArray opening = DeflateJoin::zlibHeader();
    for (std::size_t b = 0; b < bands.size(); ++b) {
        const QByteArray prefix = b == 0 ? opening : QByteArray();
        const QByteArray suffix = b + 1 == bands.size() ? checksum : QByteArray();
        const Bytes &data = bands[b].deflated;
        appendBigEndian(png, quint32(std::size_t(prefix.size()) + data.size() + std::size_t(suffix.size())));
        const qsizetype typeAt = png.size();
        png.append("IDAT", 4);
        png.append(prefix);
        png.append(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
        png.append(suffix);
        const auto crc =
            crc32_z(0, reinterpret_cast<const Bytef *>(png.constData() + typeAt), std::size_t(png.size() - typeAt));
        appendBigEndian(png, quint32(crc));
    }
    appendChunk(png, "IEND", nullptr, 0);
    return png;
}

} // namespace iconsmith
