#include "codec/pngencoder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "common/taskpool.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

Bitmap noisyBitmap(QSize size, int channels, quint32 seed)
{
    Bitmap bitmap(size, channels);
    quint32 state = seed;
    for (int y = 0; y < size.height(); ++y) {
        std::uint8_t *row = bitmap.row(y);
        for (std::size_t i = 0; i < bitmap.bytesPerRow(); ++i) {
            state = state * 1664525U + 1013904223U;
            // Smooth gradients with some noise, so that every filter type gets chosen somewhere.
            row[i] = std::uint8_t((i / std::size_t(channels) + std::size_t(y)) / 2 + ((state >> 24) & 15));
        }
    }
    return bitmap;
}

// Noise over a gradient in the top half, the smooth gradient alone below: bands of both kinds.
Bitmap halfGrainyBitmap(QSize size, int channels)
{
    Bitmap bitmap = noisyBitmap(size, channels, 3);
    quint32 state = 11;
    for (int y = 0; y < size.height() / 2; ++y) {
        std::uint8_t *row = bitmap.row(y);
        for (std::size_t i = 0; i < bitmap.bytesPerRow(); ++i) {
            state = state * 1664525U + 1013904223U;
            row[i] = std::uint8_t(row[i] + ((state >> 24) & 63));
        }
    }
    return bitmap;
}

test::DecodedImage roundTrip(const QByteArray &png)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"x.png"_s);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(png);
    file.close();
    return test::readImage(path);
}

void expectSamePixels(const Bitmap &bitmap, const test::DecodedImage &decoded)
{
    ASSERT_EQ(decoded.size(), bitmap.size());
    ASSERT_EQ(decoded.bands, bitmap.channels());
    for (int y = 0; y < bitmap.height(); ++y)
        ASSERT_TRUE(std::equal(bitmap.row(y), bitmap.row(y) + bitmap.bytesPerRow(),
                               decoded.bytes.begin() + std::ptrdiff_t(std::size_t(y) * bitmap.bytesPerRow())))
            << "row " << y;
}

TEST(PngEncoder, EncodesRgbAndRgbaLosslessly)
{
    for (const int channels : {3, 4}) {
        for (const QSize size : {QSize(1, 1), QSize(3, 7), QSize(40, 40), QSize(1024, 1024), QSize(2000, 3)}) {
            const Bitmap bitmap = noisyBitmap(size, channels, quint32(size.width() * 31 + channels));
            expectSamePixels(bitmap, roundTrip(PngEncoder::encode(bitmap)));
        }
    }
}

TEST(PngEncoder, ParallelBandsGiveTheSameFileAsOneThread)
{
    TaskPool pool(3);
    const Bitmap bitmap = noisyBitmap(QSize(1024, 1024), 4, 7);
    const QByteArray serial = PngEncoder::encode(bitmap);
    const QByteArray parallel = PngEncoder::encode(bitmap, &pool);
    EXPECT_EQ(serial, parallel);
    expectSamePixels(bitmap, roundTrip(parallel));
    // Joined bands are still one valid, compressed stream.
    EXPECT_LT(parallel.size(), bitmap.bytesPerRow() * 1024);
}

TEST(PngEncoder, NoiseBandsJoinSmoothOnesLosslessly)
{
    // Bands that look like noise may be compressed at another level than their neighbours; the
    // joined stream must still decode to the same pixels, and come out alike on any thread count.
    TaskPool pool(3);
    for (const int channels : {3, 4}) {
        const Bitmap bitmap = halfGrainyBitmap(QSize(1024, 1024), channels);
        const QByteArray serial = PngEncoder::encode(bitmap);
        EXPECT_EQ(serial, PngEncoder::encode(bitmap, &pool));
        expectSamePixels(bitmap, roundTrip(serial));
    }
}

TEST(PngEncoder, WritesNothingButTheEssentialChunks)
{
    const QByteArray png = PngEncoder::encode(noisyBitmap(QSize(8, 8), 3, 1));
    EXPECT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    EXPECT_EQ(png.mid(12, 4), "IHDR");
    EXPECT_EQ(png[24], char(8)); // bit depth
    EXPECT_EQ(png[25], char(2)); // RGB
    EXPECT_TRUE(png.endsWith(QByteArray("IEND\xae\x42\x60\x82", 8)));
}

} // namespace
} // namespace iconsmith
