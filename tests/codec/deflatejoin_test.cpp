#include "codec/deflatejoin.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <random>
#include <stdexcept>

namespace iconsmith {
namespace {

// Inflates a whole zlib stream; fails the test when zlib does not accept it.
DeflateJoin::Bytes inflateZlib(const DeflateJoin::Bytes &stream, std::size_t expected)
{
    DeflateJoin::Bytes out(expected + 16);
    uLongf length = uLongf(out.size());
    EXPECT_EQ(uncompress(out.data(), &length, stream.data(), uLong(stream.size())), Z_OK);
    out.resize(length);
    return out;
}

DeflateJoin::Bytes sample(std::size_t length, unsigned seed)
{
    std::mt19937 random(seed);
    DeflateJoin::Bytes bytes(length);
    // Runs and noise, so the compressor emits stored, fixed and dynamic blocks somewhere.
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = (i / 4096) % 3 == 0 ? std::uint8_t(random()) : std::uint8_t(i / 64);
    return bytes;
}

DeflateJoin::Bytes joined(const std::vector<DeflateJoin::Piece> &pieces)
{
    const QByteArray header = DeflateJoin::zlibHeader();
    DeflateJoin::Bytes stream(header.begin(), header.end());
    for (const DeflateJoin::Piece &piece : pieces)
        stream.insert(stream.end(), piece.deflated.begin(), piece.deflated.end());
    const std::uint32_t adler = DeflateJoin::combinedAdler(pieces);
    for (const int shift : {24, 16, 8, 0})
        stream.push_back(std::uint8_t(adler >> shift));
    return stream;
}

TEST(DeflateJoin, PiecesCompressedApartInflateAsOneStream)
{
    // Piece lengths that end on odd bit positions and include empty and one-byte pieces.
    for (const std::vector<std::size_t> &lengths : std::vector<std::vector<std::size_t>>{
             {100000}, {1, 0, 70000, 3}, {65535, 65536, 65537}, {300000, 17, 250000}}) {
        DeflateJoin::Bytes whole;
        std::vector<DeflateJoin::Piece> pieces;
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            const DeflateJoin::Bytes raw = sample(lengths[i], unsigned(i + 1));
            whole.insert(whole.end(), raw.begin(), raw.end());
            pieces.push_back(DeflateJoin::compress(raw.data(), raw.size(), 6, i + 1 == lengths.size()));
        }
        EXPECT_EQ(inflateZlib(joined(pieces), whole.size()), whole);
        EXPECT_EQ(DeflateJoin::combinedAdler(pieces), std::uint32_t(adler32_z(1, whole.data(), whole.size())));
    }
}

TEST(DeflateJoin, EveryLevelJoins)
{
    const DeflateJoin::Bytes a = sample(40000, 7);
    const DeflateJoin::Bytes b = sample(30000, 8);
    for (const int level : {0, 1, 6, 12}) {
        const std::vector<DeflateJoin::Piece> pieces{DeflateJoin::compress(a.data(), a.size(), level, false),
                                                     DeflateJoin::compress(b.data(), b.size(), level, true)};
        DeflateJoin::Bytes whole = a;
        whole.insert(whole.end(), b.begin(), b.end());
        EXPECT_EQ(inflateZlib(joined(pieces), whole.size()), whole) << "level " << level;
    }
}

TEST(DeflateJoin, AnIncompleteStreamIsRefused)
{
    const DeflateJoin::Bytes raw = sample(50000, 3);
    DeflateJoin::Piece piece = DeflateJoin::compress(raw.data(), raw.size(), 6, true);
    piece.deflated.resize(piece.deflated.size() / 2);
    EXPECT_THROW(DeflateJoin::makeContinuable(piece.deflated), std::runtime_error);
}

} // namespace
} // namespace iconsmith
