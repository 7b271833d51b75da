#include "codec/icnswriter.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include "codec/icnsreader.h"
#include "codec/icnstype.h"
#include "codec/pngencoder.h"
#include "support/testsupport.h"

namespace iconsmith {
namespace {

quint32 be32(const QByteArray &file, qsizetype at)
{
    return qFromBigEndian<quint32>(file.constData() + at);
}

TEST(IcnsWriter, WritesEveryTypeAfterATableOfContentsAndReadsBack)
{
    QMap<QByteArray, IcnsWriter::Image> images;
    for (const IcnsType &type : IcnsType::all()) {
        // Small PNG types from pixels, large ones from ready PNGs, one ARGB type from RGB.
        const int channels = type.name == "ic05" ? 3 : 4;
        const Bitmap bitmap = test::patternBitmap({type.pixels, type.pixels}, channels);
        if (type.pixels >= 256)
            images.insert(type.name.toByteArray(), {{}, PngEncoder::encode(bitmap)});
        else
            images.insert(type.name.toByteArray(), {bitmap, {}});
    }
    const Result<QByteArray> file = IcnsWriter::write(images);
    ASSERT_TRUE(file) << file.error().toStdString();
    EXPECT_EQ(file->first(4), "icns");
    EXPECT_EQ(be32(*file, 4), quint32(file->size()));
    EXPECT_EQ(IcnsWriter::write(images).value(), *file);

    const Result<QList<IcnsChunk>> chunks = IcnsReader::read(*file);
    ASSERT_TRUE(chunks) << chunks.error().toStdString();
    ASSERT_EQ(chunks->size(), 11);
    EXPECT_EQ(chunks->at(0).type, "TOC ");
    EXPECT_EQ(chunks->at(0).kind, IcnsChunk::Kind::Toc);
    EXPECT_EQ(chunks->at(0).length, 8 * 10);
    for (qsizetype i = 1; i < chunks->size(); ++i) {
        const IcnsChunk &chunk = chunks->at(i);
        const IcnsType &type = IcnsType::all().at(i - 1);
        EXPECT_EQ(chunk.type, type.name);
        EXPECT_EQ(chunk.pixels, type.pixels);
        EXPECT_TRUE(chunk.wellFormed()) << chunk.type.constData() << ": " << chunk.problem.toStdString();
        const QByteArray data = file->sliced(chunk.offset, chunk.length);
        const IcnsWriter::Image &given = images[chunk.type];
        if (type.payload == IcnsType::Payload::Argb) {
            ASSERT_EQ(chunk.kind, IcnsChunk::Kind::Argb);
            EXPECT_EQ(data.back(), '\0'); // the padding for Apple Silicon
            const Result<Bitmap> pixels = IcnsReader::decodeArgb(data, type.pixels);
            ASSERT_TRUE(pixels) << pixels.error().toStdString();
            const Bitmap rgba = test::patternBitmap({type.pixels, type.pixels}, 4);
            std::vector<std::uint8_t> expected = test::bitmapBytes(rgba);
            if (!given.bitmap.hasAlpha())
                for (std::size_t a = 3; a < expected.size(); a += 4)
                    expected[a] = 255;
            EXPECT_EQ(test::bitmapBytes(*pixels), expected) << chunk.type.constData();
        } else if (!given.png.isEmpty()) {
            ASSERT_EQ(chunk.kind, IcnsChunk::Kind::Png);
            EXPECT_EQ(data, given.png);
        } else {
            ASSERT_EQ(chunk.kind, IcnsChunk::Kind::Png);
            EXPECT_EQ(test::decodeImage(data).bytes, test::bitmapBytes(given.bitmap)) << chunk.type.constData();
        }
    }
}

TEST(IcnsWriter, RefusesImagesItCannotStore)
{
    const Bitmap small = test::patternBitmap({16, 16}, 4);
    const QList<QMap<QByteArray, IcnsWriter::Image>> refused = {
        {},
        {{"icp4", {small, {}}}},                     // legacy type
        {{"ic07", {small, {}}}},                     // wrong size
        {{"ic11", {{}, PngEncoder::encode(small)}}}, // PNG of the wrong size
        {{"ic04", {{}, PngEncoder::encode(small)}}}, // ARGB needs pixels
        {{"ic07", {{}, QByteArray("not a PNG")}}},
    };
    for (const auto &images : refused)
        EXPECT_FALSE(IcnsWriter::write(images)) << images.size();
}

} // namespace
} // namespace iconsmith
