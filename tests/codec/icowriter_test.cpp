#include "codec/icowriter.h"

#include <gtest/gtest.h>

#include "codec/icoreader.h"
#include "codec/pngencoder.h"
#include "codec/pngheader.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

QByteArrayView payload(const QByteArray &file, const IcoImage &image)
{
    return QByteArrayView(file).sliced(image.offset, image.length);
}

// What a BMP entry must hold: the colour of every visible pixel, black where alpha is 0.
std::vector<std::uint8_t> expectedBmpPixels(const Bitmap &bitmap)
{
    Bitmap rgba(bitmap.size(), 4);
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const std::uint8_t *from = bitmap.row(y) + std::ptrdiff_t(x) * bitmap.channels();
            std::uint8_t *to = rgba.row(y) + std::ptrdiff_t(x) * 4;
            const std::uint8_t alpha = bitmap.hasAlpha() ? from[3] : 255;
            for (int c = 0; c < 3; ++c)
                to[c] = alpha == 0 ? 0 : from[c];
            to[3] = alpha;
        }
    return test::bitmapBytes(rgba);
}

// The AND mask bit of pixel (x, y), read straight from the payload's last rows.
bool maskBit(QByteArrayView bmp, QSize size, int x, int y)
{
    const int stride = (size.width() + 31) / 32 * 4;
    const qsizetype maskStart = bmp.size() - qsizetype(stride) * size.height();
    const auto byte = quint8(bmp[maskStart + qsizetype(size.height() - 1 - y) * stride + x / 8]);
    return (byte >> (7 - x % 8)) & 1;
}

TEST(IcoWriter, StoresSmallImagesAsBmpWithMaskAndLargeOnesAsRgbaPng)
{
    const QList<IcoWriter::Image> images = {
        {test::patternBitmap({16, 16}, 4), {}},   {test::patternBitmap({48, 48}, 4), {}},
        {test::patternBitmap({256, 256}, 3), {}}, {test::patternBitmap({33, 33}, 3), {}},
        {test::patternBitmap({20, 20}, 4), {}},
    };
    const Result<QByteArray> file = IcoWriter::write(images);
    ASSERT_TRUE(file) << file.error().toStdString();
    EXPECT_EQ(file->first(6).toHex(), "000001000500");

    const Result<QList<IcoImage>> read = IcoReader::read(*file);
    ASSERT_TRUE(read) << read.error().toStdString();
    QList<int> sides;
    for (const IcoImage &image : *read) {
        sides << image.size.width();
        EXPECT_EQ(image.bitCount, 32);
        EXPECT_TRUE(image.alpha);
        EXPECT_TRUE(image.problem.isEmpty()) << image.problem.toStdString();
    }
    EXPECT_EQ(sides, QList<int>({256, 48, 33, 20, 16})); // largest first
    EXPECT_EQ(quint8(file->at(6)), 0);                   // 256 is written as 0

    for (const IcoImage &image : *read) {
        const Bitmap &source = std::find_if(images.begin(), images.end(), [&](const IcoWriter::Image &i) {
                                   return i.bitmap.size() == image.size;
                               })->bitmap;
        if (image.size.width() == 256) {
            ASSERT_EQ(image.kind, IcoImage::Kind::Png);
            // An opaque RGB bitmap still goes in as RGBA, as Windows requires of PNG entries.
            const test::DecodedImage png = test::decodeImage(payload(*file, image).toByteArray());
            ASSERT_EQ(png.bands, 4);
            EXPECT_EQ(png.bytes, expectedBmpPixels(source));
            continue;
        }
        ASSERT_EQ(image.kind, IcoImage::Kind::Bmp);
        const Result<Bitmap> pixels = IcoReader::decodeBmp(payload(*file, image));
        ASSERT_TRUE(pixels) << pixels.error().toStdString();
        EXPECT_EQ(test::bitmapBytes(*pixels), expectedBmpPixels(source)) << image.size.width();
        for (int y = 0; y < image.size.height(); ++y)
            for (int x = 0; x < image.size.width(); ++x)
                ASSERT_EQ(maskBit(payload(*file, image), image.size, x, y), pixels->row(y)[x * 4 + 3] == 0)
                    << image.size.width() << " at " << x << ", " << y;
    }
}

TEST(IcoWriter, PngEverywhereAndGivenPngs)
{
    const Bitmap rgba = test::patternBitmap({32, 32}, 4);
    const QByteArray rgbaPng = PngEncoder::encode(rgba);
    const QByteArray rgbPng = PngEncoder::encode(test::patternBitmap({16, 16}, 3));
    const Result<QByteArray> file = IcoWriter::write({{{}, rgbaPng}, {test::patternBitmap({16, 16}, 3), rgbPng}},
                                                     IcoWriter::Storage::PngEverywhere);
    ASSERT_TRUE(file) << file.error().toStdString();
    const Result<QList<IcoImage>> read = IcoReader::read(*file);
    ASSERT_TRUE(read) << read.error().toStdString();
    ASSERT_EQ(read->size(), 2);
    for (const IcoImage &image : *read) {
        EXPECT_EQ(image.kind, IcoImage::Kind::Png);
        EXPECT_EQ(PngHeader::parse(payload(*file, image))->colourType, 6);
    }
    EXPECT_EQ(payload(*file, read->at(0)), rgbaPng); // an RGBA PNG goes in as it is
    EXPECT_NE(payload(*file, read->at(1)), rgbPng);  // an RGB one is encoded again from the pixels
}

TEST(IcoWriter, RefusesImagesItCannotStore)
{
    const Bitmap small = test::patternBitmap({16, 16}, 4);
    const QList<QList<IcoWriter::Image>> refused = {
        {},
        {{test::patternBitmap({257, 257}, 4), {}}},
        {{small, {}}, {small, {}}},                                      // same size twice
        {{{}, PngEncoder::encode(small)}},                               // BMP entry without pixels
        {{{}, PngEncoder::encode(test::patternBitmap({256, 256}, 3))}},  // RGB PNG without pixels
        {{small, PngEncoder::encode(test::patternBitmap({32, 32}, 4))}}, // PNG and pixels disagree
    };
    for (const QList<IcoWriter::Image> &images : refused)
        EXPECT_FALSE(IcoWriter::write(images)) << images.size();
}

} // namespace
} // namespace iconsmith
